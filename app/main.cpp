// Dakru: the dice game's program. Reads the command line, finds the pictures,
// sounds and high-score table, builds the main window and runs until it closes.
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "command_line.h"
#include "data_folder.h"
#include "display_check.h"
#include "game.h"
#include "history_export.h"
#include "history_review.h"
#include "score_file_location.h"
#include "start_trace.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// How the toolkit's messages reach the terminal; set once in main() before the toolkit starts.
struct MessageRoute {
    bool quiet = true;
    QtMessageHandler toolkitOwn = nullptr;
    QByteArray startFailure;  // said instead of the toolkit's own abort while the window system starts
    bool starting = true;
};

MessageRoute& messageRoute()
{
    static MessageRoute route;
    return route;
}

// The toolkit's own chatter (missing runtime folders, platform notes) is not
// the player's business; only real failures reach the terminal. --verbose or
// QT_LOGGING_RULES leave every message to the toolkit's own handler. A window
// system that cannot start ends the program with one line, not an abort.
void toolkitMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const MessageRoute& route = messageRoute();
    if (type == QtFatalMsg && route.starting) {
        std::fputs(route.startFailure.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (!route.quiet) {
        if (route.toolkitOwn) {
            route.toolkitOwn(type, context, message);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        }
    } else if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "dakru: %s\n", qPrintable(message));
    }
}

// The player's own files (the kept game, the settings, the history), in the
// folder the standard paths give the program under its own name.
std::filesystem::path playerFolder()
{
    QCoreApplication::setApplicationName(QStringLiteral("Dakru"));
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String());
}

}  // namespace

int main(int argc, char** argv)
try {
    using Request = dakru::app::CommandLine::Request;
#if defined(__GLIBC__)
    // The game's few threads (the cover's decoding, the sound, the toolkit's
    // events) allocate little and seldom at once: they share the one heap,
    // instead of each keeping a heap of its own that stays resident and mostly empty.
    mallopt(M_ARENA_MAX, 1);
#endif
    dakru::ui::traceStep("program loaded");

    // Every option is read before the window toolkit starts, so that help,
    // the version and a wrong option need no screen. Without any there is
    // nothing to read (the usual start), and nothing is started for it.
    const dakru::app::CommandLine line = argc <= 1 ? dakru::app::CommandLine{} : [&] {
        const QCoreApplication bare(argc, argv);
        return dakru::app::readCommandLine(QCoreApplication::arguments());
    }();
    switch (line.request) {
    case Request::ShowHelp:
    case Request::ShowVersion: std::fputs(qPrintable(line.text), stdout); return 0;
    case Request::Refuse: std::fputs(qPrintable(line.text), stderr); return 2;
    case Request::ExportHistory: {
        // The export needs no screen either.
        const QCoreApplication bare(argc, argv);
        return dakru::app::exportHistory(playerFolder(), std::filesystem::path(line.exportFile.toStdU16String()));
    }
    case Request::Review: {
        const QCoreApplication bare(argc, argv);
        return dakru::app::printReview(playerFolder(), line.reviewGame);
    }
    case Request::Play: break;
    }
    dakru::ui::traceStep("command line read");

    const dakru::app::DisplayEnvironment display = dakru::app::currentDisplayEnvironment(line.platform);
    if (const std::optional<QString> missing = dakru::app::missingDisplay(display)) {
        std::fputs(qPrintable(*missing), stderr);
        return 1;
    }
    MessageRoute& route = messageRoute();
    route.quiet = !line.verbose && !qEnvironmentVariableIsSet("QT_LOGGING_RULES");
    route.startFailure = dakru::app::displayFailed(display).toLocal8Bit();
    route.toolkitOwn = qInstallMessageHandler(toolkitMessage);

    QApplication app(argc, argv);
    route.starting = false;
    dakru::ui::traceStep("toolkit started");
    const std::filesystem::path player = playerFolder();
    QApplication::setDesktopFileName(QStringLiteral(DAKRU_APP_ID));

    const QString programDir = QCoreApplication::applicationDirPath();
    const dakru::app::DataSearch search =
        dakru::app::findDataFolder(programDir, QStringLiteral(DAKRU_RELATIVE_DATA_DIR),
                                   QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    if (!search.folder) {
        std::fprintf(stderr, "dakru: no Pictures and Sounds folders found in %s; playing without them\n",
                     qPrintable(search.places.join(QStringLiteral(", "))));
    }
    const QString dataDir = search.folder.value_or(programDir);
    const std::filesystem::path dataPath(dataDir.toStdU16String());
    dakru::ui::traceStep("data folder found");

    dakru::ui::Game game({
        .data = dataPath,
        .tableFile = dakru::scores::TableFile([dataDir] { return dakru::scores::scoreFileLocation(dataDir); }),
        .player = player,
    });
    game.start();
    return QApplication::exec();
} catch (const std::exception& error) {
    // Nothing of ours is meant to throw this far; if something does, say what in one line.
    std::fprintf(stderr, "%s: %s\n", "dakru", error.what());
    return 1;
}
