#include "app/AppTexts.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/QtShell.h"
#include "app/StartWindow.h"
#include "app/SystemClock.h"
#include "app/UnavailablePrinter.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

#include <clocale>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Amounts are read and written with "." as the decimal point, whatever the system's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Vendel"));
    QApplication::setApplicationVersion(QStringLiteral(VENDEL_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const StartOptions options =
        CommandLine::parse(QApplication::arguments(), qEnvironmentVariable("VENDEL_LANGUAGE"),
                           qEnvironmentVariable("VENDEL_USER_KEY"));
    if (!options.error.isEmpty()) {
        err << "vendel: " << options.error << "\n" << options.helpText;
        return 2;
    }
    if (options.showHelp) {
        out << options.helpText;
        return 0;
    }
    if (options.showVersion) {
        out << "Vendel " << VENDEL_VERSION << "\n";
        return 0;
    }

    const Language language(options.language);
    QString dataDir = options.dataDir;
    if (dataDir.isEmpty())
        dataDir =
            CommandLine::defaultDataFolder(QApplication::applicationDirPath(),
                                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    dataDir = QDir::cleanPath(QDir(dataDir).absolutePath());
    if (const QString why = CommandLine::prepareDataFolder(dataDir); !why.isEmpty()) {
        err << "vendel: " << language(AppTexts::DataFolderUnusable) << " " << dataDir << ": " << why << "\n";
        return 2;
    }

    QtDialogs dialogs(language);
    SystemClock clock;
    UnavailablePrinter printer;
    QtShell shell;
    std::unique_ptr<MainWindow> mainWindow;

    auto* start = new StartWindow([&] {
        mainWindow = std::make_unique<MainWindow>(dataDir, language, options.userKey,
                                                  Counter::Ports{dialogs, clock, printer, shell});
        dialogs.setOwner(mainWindow.get());
        mainWindow->load();
        mainWindow->show();
    });
    start->show();
    const int status = QApplication::exec();
    mainWindow.reset();
    return status;
}
