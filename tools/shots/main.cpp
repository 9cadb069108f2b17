// dakru_shots draws the statistics window's pictures for the README: a history
// of forty games of a player who slips less and less, some of them at a table,
// each with the record of its decisions; the window's figures with the games
// played alone only, and its page of games with their trend and what to
// practise, once every game is reviewed.
//
//   xvfb-run -a build/tools/dakru_shots docs
//
// QT_SCALE_FACTOR=2 draws them at twice the density.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTreeView>
#include <cstdio>

#include "game_history.h"
#include "game_record_codec.h"
#include "games_page.h"
#include "self_play.h"
#include "statistics_window.h"

namespace {

using namespace dakru;

std::vector<history::FinishedGame> playedGames()
{
    constexpr int kGames = 40;
    std::vector<history::FinishedGame> games;
    for (int n = 0; n < kGames; ++n) {
        // From many slips to few: the temperature falls from 9 to 1.5 points.
        advisor::SamplingAdvisorPlayer player(static_cast<std::uint64_t>(n) + 1, 9.0 - 7.5 * n / (kGames - 1));
        const advisor::PlayedGame played = advisor::playGame(player, 1000 + static_cast<std::uint64_t>(n));
        GameState state;
        state.cells = played.sheet;
        char ended[32];
        std::snprintf(ended, sizeof ended, "2026-11-%02dT%02d:%02d:00Z", 1 + n * 29 / kGames, 17 + n % 5, n % 60);
        history::FinishedGame game = ui::statistics::finishedGame(state, 540 + 7 * n, ended);
        game.record = encodeGameRecord(played.record);
        if (n % 4 == 3) {
            game.table = n % 8 == 3 ? "person,you,medium" : "you,easy,strong,person";
        }
        games.push_back(std::move(game));
    }
    return games;
}

// Lets the window work until `done`, for at most `ms` milliseconds.
template <class Done>
bool waitFor(Done done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

bool save(QWidget& widget, const QString& file)
{
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "dakru_shots: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    ui::statistics::StatisticsWindow window(playedGames());
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    if (!waitFor([&] { return window.gamesPage() != nullptr && !window.gamesPage()->reviewing(); }, 120000)) {
        std::fprintf(stderr, "dakru_shots: the window did not show its reviews\n");
        return 1;
    }
    window.findChild<QCheckBox*>(QStringLiteral("AloneOnly"))->setChecked(true);
    waitFor([] { return false; }, 100);
    bool saved = save(window, folder.filePath(QStringLiteral("statistics.png")));
    window.findChild<QCheckBox*>(QStringLiteral("AloneOnly"))->setChecked(false);
    window.pages()->setCurrentWidget(window.gamesPage());
    QTreeView* games = window.gamesPage()->view();
    games->setFocus();
    games->setCurrentIndex(games->model()->index(2, 0));
    waitFor([] { return false; }, 100);
    saved = save(window, folder.filePath(QStringLiteral("statistics-games.png"))) && saved;
    return saved ? 0 : 1;
}
