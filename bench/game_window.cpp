// The game's main window, built as the program builds it, reporting its first frame.
//   dakru_bench_game PLAYER-FOLDER   (an empty folder: a first-time player)
#include <QApplication>
#include <filesystem>

#include "first_frame_clock.h"
#include "game.h"
#include "score_file_location.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dakru"));

    const std::filesystem::path programDir(DAKRU_PROGRAM_DIR);
    dakru::ui::Game game({
        .data = programDir,
        .tableFile = dakru::scores::scoreFileLocation(QString::fromStdU16String(programDir.u16string())),
        .player = std::filesystem::path(argc > 1 ? argv[1] : ""),
    });
    game.start();
    dakru::bench::printClockAtFirstFrame(game.window());
    return QApplication::exec();
}
