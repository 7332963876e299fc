#include "ReceiptRenderer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

namespace ReceiptRenderer {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kDefaultPoints = 7.0;

QFont fontOf(const PrintDocument::PrintedLine& line) {
    QFont font(line.font.isEmpty() ? QStringLiteral("Segoe UI") : line.font);
    font.setPointSizeF(line.size > 0 ? line.size : kDefaultPoints);
    font.setBold(line.bold);
    return font;
}

// Lays out every line; draws it when a painter is given. Returns the height used.
double layOut(const PrintDocument& document, QPaintDevice* device, double widthPx, QPainter* painter,
              double x, double y) {
    double top = y;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(Qt::AlignLeft);
    for (const PrintDocument::PrintedLine& line : document.printedLines(true)) {
        if (!line.picture.isEmpty()) {
            // A picture as wide as the strip, its proportions kept; one that cannot be read takes no room.
            const QImage picture = QImage::fromData(line.picture);
            if (picture.isNull() || picture.width() == 0) continue;
            const double height = widthPx * picture.height() / picture.width();
            if (painter) painter->drawImage(QRectF(x, top, widthPx, height), picture);
            top += height;
            continue;
        }
        const QFont font = fontOf(line);
        if (line.text.isEmpty()) {
            top += QFontMetricsF(font, device).lineSpacing();
            continue;
        }
        QTextLayout layout(line.text, font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        double height = 0;
        for (QTextLine textLine = layout.createLine(); textLine.isValid(); textLine = layout.createLine()) {
            textLine.setLineWidth(widthPx);
            textLine.setPosition(QPointF(0, height));
            height += textLine.height();
        }
        layout.endLayout();
        if (painter) layout.draw(painter, QPointF(x, top));
        top += height;
    }
    return top - y;
}

} // namespace

double contentHeight(const PrintDocument& document, QPaintDevice* device, double widthPx) {
    return layOut(document, device, widthPx, nullptr, 0, 0);
}

void paint(QPainter& painter, const PrintDocument& document, QPaintDevice* device, double x, double y,
           double widthPx) {
    painter.setPen(Qt::black);
    layOut(document, device, widthPx, &painter, x, y);
}

double pageHeightMm(const PrintDocument& document, QPaintDevice* device, double dotsPerInch) {
    const double widthPx = (kPaperWidthMm - 2 * kMarginMm) / kMmPerInch * dotsPerInch;
    return contentHeight(document, device, widthPx) / dotsPerInch * kMmPerInch + 2 * kMarginMm;
}

QByteArray pdf(const PrintDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    constexpr int dpi = 300;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        writer.setCreator(QStringLiteral("Vendel"));
        writer.setTitle(PrintDocument::kindName(document.kind()));
        const double heightMm = pageHeightMm(document, &writer, dpi);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!writer.setPageSize(QPageSize(QSizeF(kPaperWidthMm, heightMm), QPageSize::Millimeter,
                                          QStringLiteral("Receipt"), QPageSize::ExactMatch)))
            return {};
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        const double margin = kMarginMm / kMmPerInch * dpi;
        const double widthPx = (kPaperWidthMm - 2 * kMarginMm) / kMmPerInch * dpi;
        paint(painter, document, &writer, margin, margin, widthPx);
        if (!painter.end()) return {};
    }
    return bytes;
}

QImage image(const PrintDocument& document, int dotsPerInch) {
    const double dotsPerMetre = dotsPerInch / kMmPerInch * 1000.0;
    const int widthPx = qRound(kPaperWidthMm / kMmPerInch * dotsPerInch);
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(dotsPerMetre));
    probe.setDotsPerMeterY(qRound(dotsPerMetre));
    const int heightPx = qRound(pageHeightMm(document, &probe, dotsPerInch) / kMmPerInch * dotsPerInch);
    QImage picture(widthPx, heightPx, QImage::Format_RGB32);
    picture.setDotsPerMeterX(qRound(dotsPerMetre));
    picture.setDotsPerMeterY(qRound(dotsPerMetre));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double margin = kMarginMm / kMmPerInch * dotsPerInch;
    paint(painter, document, &picture, margin, margin, widthPx - 2 * margin);
    painter.end();
    return picture;
}

} // namespace ReceiptRenderer
