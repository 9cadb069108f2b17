// The other copy of the game in the kept-game tests: a main window on the
// player folder given first, which plays the moves given next ("roll:11234"
// throws those faces, "click:Label7" clicks that control), says "ready" on
// standard output and waits to be killed.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <thread>

#include "harness.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: dakru_kept_game_child PLAYER-FOLDER [roll:FACES | click:NAME]...\n", stderr);
        return 2;
    }
    dakru::ui::testing::Harness copy;
    copy.playerDir = argv[1];
    copy.restart();
    for (int i = 2; i < argc; ++i) {
        const QString move = QString::fromLocal8Bit(argv[i]);
        const QString what = move.section(u':', 1);
        if (move.startsWith(QLatin1String("roll:"))) {
            for (const QChar face : what) {
                copy.dice.push({face.digitValue()});
            }
            copy.click(QStringLiteral("G1"));
        } else {
            copy.click(what);
        }
    }
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::hours(1));
    }
}
