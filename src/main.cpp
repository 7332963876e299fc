#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/QtShell.h"
#include "app/StartWindow.h"
#include "app/SystemClock.h"
#include "app/Texts.h"
#include "app/UnavailablePrinter.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

#include <clocale>
#include <memory>

int main(int argc, char* argv[]) {
    // The command line is read before any window or display exists, so --help and --version work anywhere.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartOptions options = CommandLine::parse(arguments, CommandLine::environment());
    if (!options.error.isEmpty() || options.showHelp || options.showVersion) {
        QTextStream out(options.error.isEmpty() ? stdout : stderr);
        if (!options.error.isEmpty()) out << "vendel: " << options.error << "\n";
        out << (options.showVersion && options.error.isEmpty() ? QStringLiteral("Vendel " VENDEL_VERSION "\n")
                                                               : options.helpText);
        return options.error.isEmpty() ? 0 : 2;
    }

    QApplication::setApplicationName(QStringLiteral("Vendel"));
    QApplication::setApplicationVersion(QStringLiteral(VENDEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.vendel.Vendel"));
    const Language language(options.language);
    const QString dataDir =
        CommandLine::dataFolder(options, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (const QString why = CommandLine::prepareDataFolder(dataDir); !why.isEmpty()) {
        QTextStream(stderr) << "vendel: " << language(Texts::DataFolderUnusable) << " " << dataDir << ": "
                            << why << "\n";
        return 2;
    }
    QApplication app(argc, argv);
    // Amounts are read and written with "." as the decimal point, whatever the system's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("io.github.vendel.Vendel"),
                         QIcon(QStringLiteral(":/icons/io.github.vendel.Vendel.png"))));

    CommandLine::provideHelpDocuments(dataDir, CommandLine::helpSources(QApplication::applicationDirPath()));

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
