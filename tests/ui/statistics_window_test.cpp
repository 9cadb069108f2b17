// The statistics window drawn without a screen: an empty history, no history
// at all, and ten thousand games; its keys and what screen readers get.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <random>

#include "game_history.h"
#include "row_value.h"
#include "sheet_grid.h"
#include "statistics_window.h"

namespace dakru::ui::statistics {
namespace {

// Games the rules can give: every cell what a throw of five dice scores in its row.
std::vector<history::FinishedGame> manyGames(int count)
{
    std::mt19937 dice(7);
    std::vector<history::FinishedGame> games;
    for (int n = 0; n < count; ++n) {
        GameState sheet;
        for (auto& column : sheet.cells) {
            for (int row = 1; row <= kRowCount; ++row) {
                std::array<int, kDiceCount> faces{};
                for (int& face : faces) {
                    face = static_cast<int>(dice() % 6) + 1;
                }
                column[static_cast<std::size_t>(row - 1)].value = RowValue(row, faces);
            }
        }
        games.push_back(finishedGame(sheet, 600, "2026-11-01T12:00:00Z"));
    }
    return games;
}

// The best sheet there is: every row at the most five dice give it, in every column.
history::FinishedGame bestGame(std::string endedAt)
{
    GameState sheet;
    for (auto& column : sheet.cells) {
        for (int row = 1; row <= kRowCount; ++row) {
            column[static_cast<std::size_t>(row - 1)].value = row == row::Minimum ? 5 : [row] {
                int best = 0;
                for (int face = 1; face <= 6; ++face) {
                    best = std::max(best, RowValue(row, {face, face, face, face, face}));
                    best = std::max(best, RowValue(row, {face, face, face, face % 6 + 1, face % 6 + 1}));
                    best = std::max(best, RowValue(row, {face, 2, 3, 4, 5}));
                }
                return best;
            }();
        }
    }
    return finishedGame(sheet, 600, std::move(endedAt));
}

QString shown(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("(missing)");
}

// A picture of the window has more than one colour where something is drawn.
int coloursIn(const QImage& picture, const QRect& area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 3) {
        for (int x = area.left(); x <= area.right(); x += 3) {
            colours.insert(picture.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

TEST(StatisticsWindow, EmptyOrMissingHistoryIsOneSentence)
{
    struct Case {
        std::optional<std::vector<history::FinishedGame>> games;
        const char* sentenceStart;
    };
    const Case cases[] = {
        {std::vector<history::FinishedGame>{}, "No game has been played to the end yet"},
        {std::nullopt, "The history of your games cannot be opened"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentenceStart);
        StatisticsWindow window(c.games);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        EXPECT_EQ(window.windowTitle(), "Dakru - Statistics");
        EXPECT_TRUE(shown(window, "EmptyHistory").startsWith(QLatin1String(c.sentenceStart)));
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("ScorePlot")), nullptr);
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("GamesPlayed")), nullptr);
        EXPECT_FALSE(window.grab().isNull());
    }
}

TEST(StatisticsWindow, TenThousandGamesShowTheirFigures)
{
    std::vector<history::FinishedGame> games = manyGames(10000);
    games[4321] = bestGame("2026-10-15T12:00:00Z");
    const int best = games[4321].finalScore;
    StatisticsWindow window(games);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();

    EXPECT_EQ(shown(window, "GamesPlayed"), "10000");
    EXPECT_EQ(shown(window, "BestScore"), QString::number(best) + " on " + localDay("2026-10-15T12:00:00Z"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("DamagedGames")), nullptr);
    const auto summary = history::summarize(games);
    EXPECT_EQ(shown(window, "MeanScore"), QString::number(summary->mean, 'f', 1));
    EXPECT_EQ(shown(window, "MedianScore"), QString::number(summary->median, 'f', 1));
    EXPECT_EQ(shown(window, "StandardDeviation"), QString::number(summary->standardDeviation, 'f', 1));
    EXPECT_EQ(shown(window, "MeanOfLastTen"), QString::number(summary->meanOfLastTen, 'f', 1));

    // Each figure reads as its caption and value; the plots describe themselves.
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("GamesPlayed"))->accessibleName(), "Games played: 10000");
    auto* plot = window.findChild<QWidget*>(QStringLiteral("ScorePlot"));
    auto* histogram = window.findChild<QWidget*>(QStringLiteral("ScoreHistogram"));
    auto* sheet = window.findChild<SheetGrid*>(QStringLiteral("SheetGrid"));
    ASSERT_TRUE(plot && histogram && sheet);
    EXPECT_TRUE(plot->accessibleDescription().startsWith(QLatin1String("10000 games, scores from ")));
    EXPECT_TRUE(plot->accessibleDescription().contains(QStringLiteral(" to %1;").arg(best)));
    EXPECT_TRUE(histogram->accessibleDescription().contains(QLatin1String(": 1.")));  // the lone best
    EXPECT_EQ(sheet->accessibleName(), "Mean of each cell");
    EXPECT_TRUE(sheet->accessibleDescription().contains(QLatin1String("\nDakru: Down ")));

    // Something is drawn in the plots and in the sheet, not empty ground.
    const QImage picture = window.grab().toImage();
    EXPECT_GT(coloursIn(picture, plot->geometry()), 3);
    EXPECT_GT(coloursIn(picture, histogram->geometry()), 3);
    EXPECT_GT(coloursIn(picture, sheet->geometry()), 3);
}

TEST(StatisticsWindow, KeysTurnToTheBestGameAndClose)
{
    std::vector<history::FinishedGame> games = manyGames(30);
    games[12] = bestGame("2026-10-15T12:00:00Z");
    const QString best = QString::number(games[12].finalScore);
    StatisticsWindow window(games);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* sheet = window.findChild<SheetGrid*>(QStringLiteral("SheetGrid"));
    auto* button = window.findChild<QPushButton*>(QStringLiteral("BestGame"));
    ASSERT_TRUE(sheet && button);

    QTest::keyClick(&window, Qt::Key_B);
    EXPECT_TRUE(sheet->accessibleName().startsWith("Best game: " + best + " on "));
    EXPECT_EQ(sheet->figures().cells[13][3], 80);
    EXPECT_TRUE(sheet->accessibleDescription().contains(QLatin1String("Call 80.")));
    EXPECT_TRUE(sheet->accessibleDescription().endsWith("Score: " + best + "."));

    button->click();
    EXPECT_EQ(sheet->accessibleName(), "Mean of each cell");

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// The window opens at once, waiting in a line of its own style that a screen
// reader hears, and shows the figures when the history comes.
TEST(StatisticsWindow, WaitsForTheHistoryThenShowsIt)
{
    StatisticsWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    EXPECT_TRUE(window.waiting());
    auto* waiting = window.findChild<QLabel*>(QStringLiteral("WaitingForHistory"));
    ASSERT_NE(waiting, nullptr);
    EXPECT_TRUE(waiting->accessibleName().startsWith(QLatin1String("Waiting for the history of your games")));
    EXPECT_TRUE(waiting->font().italic());

    history::HistoryContents contents;
    contents.games = manyGames(12);
    window.showHistory(contents);
    EXPECT_FALSE(window.waiting());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("WaitingForHistory")), nullptr);
    EXPECT_EQ(shown(window, "GamesPlayed"), "12");
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("ScorePlot"))->isVisible());
}

// Why there are no figures, one sentence for each history that cannot be read.
TEST(StatisticsWindow, EachHistoryThatCannotBeReadIsOneSentence)
{
    const struct {
        std::optional<history::Trouble> trouble;
        const char* sentenceHas;
    } cases[] = {
        {history::Trouble::Busy, "another copy of Dakru is writing it"},
        {history::Trouble::Newer, "written by a newer version of Dakru"},
        {history::Trouble::NoPermission, "no permission to read"},
        {history::Trouble::NotAFile, "not a file"},
        {history::Trouble::Damaged, "is damaged"},
        {history::Trouble::Unusable, "cannot be opened"},
        {std::nullopt, "No game has been played to the end yet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentenceHas);
        history::HistoryContents contents;
        if (c.trouble) {
            contents.error = history::HistoryError{*c.trouble, "reason", 0};
        }
        StatisticsWindow window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.showHistory(contents);
        EXPECT_TRUE(shown(window, "EmptyHistory").contains(QLatin1String(c.sentenceHas)))
            << shown(window, "EmptyHistory").toStdString();
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("EmptyHistory"))->accessibleName(),
                  shown(window, "EmptyHistory"));
    }
}

// Games no play can give (the scores that crashed the window) are left out
// of every figure, and one line counts them.
TEST(StatisticsWindow, DamagedGamesAreLeftOutAndCounted)
{
    std::vector<history::FinishedGame> games = manyGames(5);
    history::FinishedGame highest = games[0];
    highest.finalScore = 2147483647;
    history::FinishedGame lowest = games[1];
    lowest.finalScore = -2147483647 - 1;
    const struct {
        std::vector<history::FinishedGame> games;
        const char* line;
        const char* played;
    } cases[] = {
        {{games[0], highest, games[1], lowest, games[2]}, "2 damaged games not shown", "3"},
        {{highest, games[3]}, "1 damaged game not shown", "1"},
        {{highest, lowest}, "2 damaged games not shown", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        StatisticsWindow window(c.games);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        auto* line = window.findChild<QLabel*>(QStringLiteral("DamagedGames"));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), c.line);
        EXPECT_EQ(line->accessibleName(), c.line);
        EXPECT_TRUE(line->isVisible());
        if (c.played != nullptr) {
            EXPECT_EQ(shown(window, "GamesPlayed"), c.played);
            EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("ScorePlot"))
                             ->accessibleDescription()
                             .contains(QLatin1String("2147483647")));
        } else {
            EXPECT_TRUE(shown(window, "EmptyHistory").contains(QLatin1String("damaged")));
        }
        EXPECT_FALSE(window.grab().isNull());
    }
}

}  // namespace
}  // namespace dakru::ui::statistics
