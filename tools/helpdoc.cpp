// Turns a help text written in Markdown into the PDF the counter opens with F1. Images
// (![caption](picture.png), relative to the Markdown file) are placed at most one text width wide.
// Usage: vendel_helpdoc SOURCE.md TARGET.pdf

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Loads every image the text names and scales its placement down to the text width. Returns false
// when a named image cannot be read, so a broken picture never reaches the manual unnoticed.
bool placeImages(QTextDocument& document, const QUrl& base, double textWidth) {
    struct Placed {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Placed> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images.push_back({it.fragment().position(), it.fragment().length(),
                                  it.fragment().charFormat().toImageFormat()});
    for (Placed& placed : images) {
        const QUrl url = base.resolved(QUrl(placed.format.name()));
        const QImage image(url.toLocalFile());
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read the image %s\n", qPrintable(url.toLocalFile()));
            return false;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(placed.format.name()), image);
        const double width = std::min(textWidth, double(image.width()));
        placed.format.setWidth(width);
        placed.format.setHeight(width * image.height() / image.width());
        QTextCursor cursor(&document);
        cursor.setPosition(placed.position);
        cursor.setPosition(placed.position + placed.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(placed.format);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vendel_helpdoc SOURCE.md TARGET.pdf\n");
        return 2;
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QStringLiteral("Vendel"));
    pdf.setCreator(QStringLiteral("Vendel"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    // The document is laid out in points of the screen's resolution; three quarters of the text
    // width leaves a picture room beside the page's margins.
    const double textWidthMm = 210 - 2 * 18;
    const double textWidth = textWidthMm / 25.4 * 96 * 0.75;
    const QUrl base = QUrl::fromLocalFile(QFileInfo(sourcePath).absoluteFilePath());
    if (!placeImages(document, base, textWidth)) return 1;
    document.print(&pdf);
    return 0;
}
