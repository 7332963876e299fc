#include "core/base/CommandLine.h"
#include "core/base/DataFolder.h"
#include "core/base/DataFolderLock.h"
#include "core/base/LargePages.h"
#include "core/shop/AppTexts.h"
#include "core/shop/ShopInfo.h"
#include "ui/ports/QtDialogs.h"
#include "ui/ports/QtShell.h"
#include "ui/ports/QtTranslation.h"
#include "ui/ports/SystemClock.h"
#include "ui/printing/PrinterSetup.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/StartWindow.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTextStream>

#include <clocale>
#include <csignal>
#include <functional>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

// A start that cannot go on: the reason on stderr and, where a screen can show it (a start from the
// desktop has no terminal), in a box. Before the application exists, one is made for the box only
// when a display is there.
static int refuseStart(int argc, char* argv[], int status, const QString& message) {
    QTextStream(stderr) << "vendel: " << message << "\n";
    const auto boxShown = [] {
        const QString platform = QGuiApplication::platformName();
        return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    };
    if (QGuiApplication::instance()) {
        if (boxShown()) QMessageBox::critical(nullptr, QStringLiteral("Vendel"), message);
        return status;
    }
    const QString requested = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!display || requested == QLatin1String("offscreen") || requested == QLatin1String("minimal"))
        return status;
    QApplication app(argc, argv);
    if (boxShown()) QMessageBox::critical(nullptr, QStringLiteral("Vendel"), message);
    return status;
}

namespace {

// SIGTERM, SIGINT and SIGHUP reach the event loop through a socket pair, where the window can close
// as it always does; the handler itself only writes one byte.
class StopSignals {
public:
    explicit StopSignals(std::function<void()> stop) : m_stop(std::move(stop)) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pair) != 0) return;
        m_notifier = std::make_unique<QSocketNotifier>(s_pair[1], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
            char byte = 0;
            if (::read(s_pair[1], &byte, 1) == 1) m_stop();
        });
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char byte = 1;
            [[maybe_unused]] const auto written = ::write(s_pair[0], &byte, 1);
        };
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            ::sigaction(signal, &action, nullptr);
    }

private:
    static inline int s_pair[2] = {-1, -1};
    std::function<void()> m_stop;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

int main(int argc, char* argv[]) {
    LargePages::setUpAllocator();
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
    if (const QString why = CommandLine::prepareDataFolder(dataDir); !why.isEmpty())
        return refuseStart(argc, argv, 2,
                           language(AppTexts::DataFolderUnusable) + u' ' + dataDir + QStringLiteral(": ") +
                               why);
    QApplication app(argc, argv);
    // Amounts are read and written with "." as the decimal point, whatever the system's language.
    std::setlocale(LC_NUMERIC, "C");
    QtTranslation::install(language); // the standard boxes say "Sí", "No", "Aceptar", "Cancelar"
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("io.github.vendel.Vendel"),
                         QIcon(QStringLiteral(":/icons/io.github.vendel.Vendel.png"))));

    DataFolderLock folderLock(dataDir);
    if (!folderLock.tryLock()) {
        if (folderLock.heldByAnother())
            return refuseStart(argc, argv, 3,
                               language(AppTexts::FolderInUse) + QStringLiteral(": ") + dataDir + u' ' +
                                   folderLock.holder());
        return refuseStart(argc, argv, 2,
                           language(AppTexts::DataFolderUnusable) + u' ' + dataDir + QStringLiteral(": ") +
                               folderLock.why());
    }
    DataFolder::removeStaleTemporaries(dataDir);
    CommandLine::provideHelpDocuments(dataDir, CommandLine::helpSources(QApplication::applicationDirPath()));

    QtDialogs dialogs(language);
    SystemClock clock;
    // The printer chosen in the program (vendel.ini in the data folder), under the command line's options.
    PrinterSetup printers(dataDir, language, options, clock);
    QtShell shell;
    std::unique_ptr<MainWindow> mainWindow;

    auto* start = new StartWindow([&] {
        mainWindow = std::make_unique<MainWindow>(dataDir, language, options.userKey,
                                                  Ports{dialogs, clock, printers.printer(), shell});
        dialogs.setOwner(mainWindow.get());
        QObject::connect(mainWindow.get(), &MainWindow::printerSettingsAsked, mainWindow.get(),
                         [&] { printers.openDialog(mainWindow.get(), mainWindow->counter().shop().brand); });
        mainWindow->load();
        mainWindow->show();
    });
    start->show();
    // Told to stop (SIGTERM, SIGINT, SIGHUP) or the desktop session ending: the counter closes as when
    // the cashier confirms closing, nothing is asked; the side notes stay saved for the next start.
    const auto closeAnyway = [&] {
        if (mainWindow)
            mainWindow->closeAnyway();
        else
            QApplication::quit();
    };
    StopSignals stop(closeAnyway);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&](QSessionManager&) { closeAnyway(); });
    const int status = QApplication::exec();
    const bool dayKept = !mainWindow || mainWindow->dayKept();
    mainWindow.reset();
    return status != 0 ? status : (dayKept ? 0 : 1);
}
