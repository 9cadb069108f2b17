// Dakru: the dice game's program. Builds the main window beside its pictures,
// sounds and high-score table, and runs until the window closes.
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>

#include "dialogs.h"
#include "form1.h"
#include "program_icon.h"
#include "random_source.h"
#include "score_dialogs.h"
#include "score_file_location.h"
#include "sdl_cue_player.h"

namespace {

// The toolkit's own chatter (missing runtime folders, platform notes) is not
// the player's business; only real failures reach the terminal.
void quietToolkit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "dakru: %s\n", qPrintable(message));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietToolkit);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dakru"));
    QApplication::setWindowIcon(dakru::ui::programIcon());

    const std::filesystem::path programDir(QCoreApplication::applicationDirPath().toStdU16String());
    dakru::SdlCuePlayer cues(programDir / "Sounds");
    dakru::EntropyRandomSource random;
    dakru::ui::QtDialogs dialogs;
    dakru::scores::QtScoreDialogs scoreDialogs;

    dakru::ui::Form1 form({
        .cues = cues,
        .random = random,
        .dialogs = dialogs,
        .scoreDialogs = scoreDialogs,
        .picturesDir = programDir / "Pictures",
        .tableFile = dakru::scores::scoreFileLocation(),
        .playerDir = std::filesystem::path(
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String()),
    });
    form.show();
    form.Form_Load();
    return QApplication::exec();
}
