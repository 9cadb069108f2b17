// Dakru: the dice game's program. Reads the command line, finds the pictures,
// sounds and high-score table, builds the main window and runs until it closes.
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>

#include "command_line.h"
#include "data_folder.h"
#include "game.h"
#include "history_export.h"
#include "score_file_location.h"

namespace {

// The toolkit's own chatter (missing runtime folders, platform notes) is not
// the player's business; only real failures reach the terminal. --verbose or
// QT_LOGGING_RULES leave every message to the toolkit's own handler.
void quietToolkit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "dakru: %s\n", qPrintable(message));
    }
}

dakru::app::CommandLine readCommandLine()
{
    return dakru::app::readCommandLine(QCoreApplication::arguments());
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
{
    using Request = dakru::app::CommandLine::Request;

    // Help and the version need no screen, so they are answered before the
    // window toolkit starts; its own options (-platform ...) are read by it.
    const dakru::app::CommandLine early = [&] {
        const QCoreApplication bare(argc, argv);
        return readCommandLine();
    }();
    if (early.request == Request::ShowHelp || early.request == Request::ShowVersion) {
        std::fputs(qPrintable(early.text), stdout);
        return 0;
    }
    // The export needs no screen either.
    if (early.request == Request::ExportHistory) {
        const QCoreApplication bare(argc, argv);
        return dakru::app::exportHistory(playerFolder(), std::filesystem::path(early.exportFile.toStdU16String()));
    }
    if (!early.verbose && !qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qInstallMessageHandler(quietToolkit);

    QApplication app(argc, argv);
    if (const dakru::app::CommandLine line = readCommandLine(); line.request == Request::Refuse) {
        std::fputs(qPrintable(line.text), stderr);
        return 2;
    }
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

    dakru::ui::Game game({
        .data = dataPath,
        .tableFile = dakru::scores::scoreFileLocation(dataDir),
        .player = player,
    });
    game.start();
    return QApplication::exec();
}
