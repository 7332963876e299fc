// Draws a sample Spanish sale ticket on the demo shop with the renderer of the PDF folder printer, as
// a picture for the README.
// Usage: vendel_ticket_picture DEMO_DIR OUT.png   (run with QT_QPA_PLATFORM=offscreen)

#include "core/base/Language.h"
#include "core/base/TextFile.h"
#include "core/printing/Documents.h"
#include "core/shop/AppTexts.h"
#include "ui/printing/ReceiptRenderer.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: vendel_ticket_picture DEMO_DIR OUT.png\n";
        return 2;
    }
    const Language spanish;
    const QStringList info =
        TextFile::readLines(QDir(args.at(1)).filePath(QStringLiteral("VL Info.txt"))).value_or(QStringList());
    const auto line = [&](int n) { return n <= info.size() ? info.at(n - 1) : QString(); };

    Documents::TicketData data;
    data.shop = {
        line(1).isEmpty() ? spanish(AppTexts::MyBusiness) : line(1),   line(2), line(3), line(4), line(6),
        line(7).isEmpty() ? spanish(AppTexts::DefaultLegend) : line(7)};
    data.dateText = QStringLiteral("05/12/2026");
    data.timeText = QStringLiteral("14:35");
    data.ticketNumber = 7;
    data.itemText = QString::fromUtf8("2 x PAN BLANCO de $12.50 = $25.00\r\n"
                                      "1 x LECHE ENTERA 1 L de $28.90 = $28.90\r\n"
                                      "1 x AZÚCAR ESTÁNDAR 1 KG de $34.50 = $34.50\r\n"
                                      "3 x BOLILLO de $3.00 = $9.00\r\n");
    data.cashText = QStringLiteral("$100.00");
    data.changeText = QStringLiteral("$2.60");
    data.symbol = QStringLiteral("$");
    data.language = spanish;

    const QImage picture = ReceiptRenderer::image(Documents::customerTicket(data, QStringLiteral("97.40")));
    if (!picture.save(args.at(2))) {
        err << "could not write " << args.at(2) << '\n';
        return 1;
    }
    return 0;
}
