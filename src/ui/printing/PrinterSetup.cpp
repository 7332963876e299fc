#include "PrinterSetup.h"

#include "core/printing/Documents.h"
#include "ui/printing/PrinterDialog.h"
#include "ui/printing/PrinterFactory.h"

#include <QDir>
#include <QSettings>

PrinterSetup::PrinterSetup(const QString& dataDir, const Language& language, const StartOptions& commandLine,
                           const Clock& clock, Options options)
    : m_dataDir(dataDir), m_language(language), m_commandLine(commandLine), m_clock(clock),
      m_options(std::move(options)) {
    use(saved());
}

QString PrinterSetup::settingsPath() const {
    return QDir(m_dataDir).filePath(PrinterSettings::kFileName);
}

PrinterSettings PrinterSetup::saved() const {
    const QSettings file(settingsPath(), QSettings::IniFormat);
    return PrinterSettings::read(file);
}

bool PrinterSetup::save(const PrinterSettings& settings) {
    QSettings file(settingsPath(), QSettings::IniFormat);
    settings.write(file);
    file.sync();
    if (file.status() != QSettings::NoError) return false;
    use(settings);
    return true;
}

void PrinterSetup::use(const PrinterSettings& settings) {
    m_inUse = settings.overriddenBy(m_commandLine);
    m_current.set(makePrinter(m_inUse, m_clock, m_options.deadlineMs, m_options.cupsServer));
}

PrinterDialog* PrinterSetup::openDialog(QWidget* parent, const QString& shopName) {
    PrinterDialog::Hooks hooks;
    hooks.printTest = [this, shopName](const PrinterSettings& settings) {
        const auto printer = makePrinter(settings, m_clock, m_options.deadlineMs, m_options.cupsServer);
        const QString when = m_clock.now().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
        return printer->print(Documents::testPage(shopName, when, m_language));
    };
    hooks.save = [this](const PrinterSettings& settings) { return save(settings); };
    auto* dialog = new PrinterDialog(saved(), m_language, std::move(hooks),
                                     PrinterSettings::overrides(m_commandLine), m_options.deadlineMs, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    dialog->activateWindow();
    return dialog;
}
