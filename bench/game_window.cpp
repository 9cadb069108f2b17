// The game's main window, built as the program builds it, reporting its first frame.
//   dakru_bench_game PLAYER-FOLDER   (an empty folder: a first-time player)
#include <QApplication>
#include <filesystem>

#include "dialogs.h"
#include "first_frame_clock.h"
#include "form1.h"
#include "program_icon.h"
#include "random_source.h"
#include "score_dialogs.h"
#include "score_file_location.h"
#include "sdl_cue_player.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dakru"));

    const std::filesystem::path programDir(DAKRU_PROGRAM_DIR);
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
        .tableFile = dakru::scores::scoreFileLocation(QString::fromStdU16String(programDir.u16string())),
        .playerDir = std::filesystem::path(argc > 1 ? argv[1] : ""),
    });
    form.show();
    form.Form_Load();
    dakru::bench::printClockAtFirstFrame(form);
    dakru::ui::afterFirstFrame(form, [&cues] {
        QApplication::setWindowIcon(dakru::ui::programIcon());
        cues.start();
    });
    return QApplication::exec();
}
