// A game played to the end in the main window goes into the history once, and
// F4 shows it in the statistics window.
#include <QLabel>

#include "harness.h"
#include "high_score_window.h"
#include "history_database.h"
#include "sheet_names.h"
#include "statistics_window.h"

namespace dakru::ui::testing {
namespace {

class HistoryRecordingTest : public Form1Test {
protected:
    // A whole game of sixes, every cell written by clicks; the game-end watch
    // then hands the score over.
    void playToTheEnd()
    {
        const auto turn = [this](Column column, int row) {
            click("G1");
            if (column == Column::Call) {
                click(cellName(column, row));
            }
            click(cellName(column, row));
        };
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                turn(column, column == Column::Up ? kRowCount + 1 - row : row);
            }
        }
        form->Timer1_Timer();
        form->Timer2_Timer();
        // The high-score window deals with the score once it is active.
        ASSERT_NE(form->highScoreWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
        ASSERT_FALSE(form->engine().rollVisible());
    }

    std::vector<history::FinishedGame> recorded() const
    {
        auto database = history::HistoryDatabase::open(playerDir / history::HistoryDatabase::kFileName);
        return database ? database->games() : std::vector<history::FinishedGame>{};
    }
};

TEST_F(HistoryRecordingTest, FinishedGameIsRecordedOnceAndShownByF4)
{
    EXPECT_FALSE(std::filesystem::exists(playerDir / history::HistoryDatabase::kFileName))
        << "the history is not opened before a game ends";
    // The watch ticks again while the name is asked, and after the score is dealt with.
    scoreDialogs.whileOpen = [this] { form->Timer2_Timer(); };
    playToTheEnd();
    form->Timer2_Timer();

    const std::vector<history::FinishedGame> games = recorded();
    ASSERT_EQ(games.size(), 1U);
    const history::FinishedGame& game = games[0];
    EXPECT_EQ(game.finalScore, 808);
    EXPECT_EQ(game.cell(1, 0), 0);  // sixes throughout: nothing for the ones
    EXPECT_EQ(game.cell(6, 3), 30);
    EXPECT_EQ(game.cell(14, 2), 80);  // Dakru, Up
    EXPECT_EQ(game.sectionSums[1][0], 0);
    EXPECT_FALSE(game.assisted);
    EXPECT_EQ(game.endedAt.size(), std::string("2026-12-07T01:30:00Z").size());
    EXPECT_GE(game.secondsPlayed, 0);

    keyUp(Qt::Key_F4);
    statistics::StatisticsWindow* window = form->statisticsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("GamesPlayed"))->text(), "1");
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("BestScore"))->text().startsWith(QLatin1String("808 on ")));

    // A new game and a second finish make a second game, not a repeat of the first.
    click("G1");  // ROLL after a finished game asks for a new one
    ASSERT_FALSE(form->engine().cell(Column::Down, 1).value);
    playToTheEnd();
    EXPECT_EQ(recorded().size(), 2U);
}

}  // namespace
}  // namespace dakru::ui::testing
