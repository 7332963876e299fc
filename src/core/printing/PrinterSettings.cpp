#include "PrinterSettings.h"

#include "core/base/CommandLine.h"

#include <QSettings>
#include <QUrl>

namespace {

const QString kKind = QStringLiteral("printer/kind");
const QString kName = QStringLiteral("printer/name");
const QString kLink = QStringLiteral("printer/connection");
const QString kAddress = QStringLiteral("printer/address");
const QString kPaper = QStringLiteral("printer/paper");
const QString kCodepage = QStringLiteral("printer/codepage");
const QString kCut = QStringLiteral("printer/cut");
const QString kDrawer = QStringLiteral("printer/drawer");
const QString kStatus = QStringLiteral("printer/status");
const QString kFolder = QStringLiteral("printer/folder");

const QStringList kKinds = {QStringLiteral("system"), QStringLiteral("receipt"), QStringLiteral("folder")};
const QStringList kLinks = {QStringLiteral("device"), QStringLiteral("tcp"), QStringLiteral("cups")};

// The position of the word in the list, or `fallback` for any other text.
int wordIndex(const QSettings& settings, const QString& key, const QStringList& words, int fallback) {
    const int i = words.indexOf(settings.value(key).toString().trimmed().toLower());
    return i < 0 ? fallback : i;
}

int choice(const QSettings& settings, const QString& key, int other, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok && (value == other || value == fallback) ? value : fallback;
}

bool onOff(const QSettings& settings, const QString& key) {
    const QString text = settings.value(key).toString().trimmed().toLower();
    return !(text == QLatin1String("false") || text == QLatin1String("0") || text == QLatin1String("no") ||
             text == QLatin1String("off"));
}

} // namespace

PrinterSettings PrinterSettings::read(const QSettings& settings) {
    PrinterSettings s;
    s.kind = Kind(wordIndex(settings, kKind, kKinds, int(Kind::System)));
    s.systemName = settings.value(kName).toString().trimmed();
    s.link = Link(wordIndex(settings, kLink, kLinks, int(Link::Device)));
    s.address = settings.value(kAddress).toString().trimmed();
    s.paper = choice(settings, kPaper, 58, 80);
    s.codepage = choice(settings, kCodepage, 858, 1252);
    s.cut = onOff(settings, kCut);
    s.drawer = onOff(settings, kDrawer);
    s.status = onOff(settings, kStatus);
    s.folder = settings.value(kFolder).toString().trimmed();
    return s;
}

void PrinterSettings::write(QSettings& settings) const {
    settings.setValue(kKind, kKinds.at(int(kind)));
    settings.setValue(kName, systemName);
    settings.setValue(kLink, kLinks.at(int(link)));
    settings.setValue(kAddress, address);
    settings.setValue(kPaper, paper);
    settings.setValue(kCodepage, codepage);
    settings.setValue(kCut, cut);
    settings.setValue(kDrawer, drawer);
    settings.setValue(kStatus, status);
    settings.setValue(kFolder, folder);
}

void PrinterSettings::applyPrinterText(const QString& text) {
    const QString escpos = QStringLiteral("escpos:");
    if (!text.startsWith(escpos)) {
        kind = Kind::System;
        systemName = text;
        return;
    }
    kind = Kind::Receipt;
    address = text.mid(escpos.size());
    link = Link::Device;
    if (address.startsWith(QLatin1String("tcp://"))) {
        link = Link::Tcp;
        address = address.mid(6);
    } else if (address.startsWith(QLatin1String("cups:"))) {
        link = Link::CupsQueue;
        address = address.mid(5);
    }
}

bool PrinterSettings::overrides(const StartOptions& options) {
    return !options.printTo.isEmpty() || !options.printer.isEmpty() || options.paper != 0 ||
           options.codepage != 0 || !options.cut || !options.drawer || !options.status;
}

PrinterSettings PrinterSettings::overriddenBy(const StartOptions& options) const {
    PrinterSettings s = *this;
    if (!options.printTo.isEmpty()) {
        s.kind = Kind::Folder;
        s.folder = options.printTo;
    } else if (!options.printer.isEmpty()) {
        s.applyPrinterText(options.printer);
    }
    if (options.paper != 0) s.paper = options.paper;
    if (options.codepage != 0) s.codepage = options.codepage;
    s.cut = s.cut && options.cut;
    s.drawer = s.drawer && options.drawer;
    s.status = s.status && options.status;
    return s;
}

std::optional<ReceiptTarget> PrinterSettings::receiptTarget() const {
    ReceiptTarget target;
    if (address.isEmpty()) return std::nullopt;
    switch (link) {
    case Link::Device:
        target.kind = ReceiptTarget::Kind::Device;
        target.path = address;
        return target;
    case Link::CupsQueue:
        target.kind = ReceiptTarget::Kind::CupsQueue;
        target.path = address;
        return target;
    case Link::Tcp: {
        const QString hostPort =
            address.startsWith(QLatin1String("tcp://")) ? address : QStringLiteral("tcp://") + address;
        const QUrl url(hostPort, QUrl::StrictMode);
        const int port = url.port(9100);
        if (!url.isValid() || url.host().isEmpty() || !url.path().isEmpty() || port < 1 || port > 65535)
            return std::nullopt;
        target.kind = ReceiptTarget::Kind::Tcp;
        target.host = url.host();
        target.port = quint16(port);
        return target;
    }
    }
    return std::nullopt;
}
