// The statistics window drawn without a screen: an empty history, no history
// at all, and ten thousand games; its keys and what screen readers get.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <random>

#include "sheet_grid.h"
#include "statistics_window.h"

namespace dakru::ui::statistics {
namespace {

std::vector<history::FinishedGame> manyGames(int count)
{
    std::mt19937 dice(7);
    std::normal_distribution<double> scores(520, 90);
    std::vector<history::FinishedGame> games(static_cast<std::size_t>(count));
    for (history::FinishedGame& game : games) {
        game.endedAt = "2026-11-01T12:00:00Z";
        game.finalScore = std::max(0, static_cast<int>(scores(dice)));
        for (int& cell : game.cells) {
            cell = static_cast<int>(dice() % 30);
        }
    }
    return games;
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
    games[4321].finalScore = 1200;
    games[4321].endedAt = "2026-10-15T12:00:00Z";
    StatisticsWindow window(games);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();

    EXPECT_EQ(shown(window, "GamesPlayed"), "10000");
    EXPECT_EQ(shown(window, "BestScore"), "1200 on " + localDay("2026-10-15T12:00:00Z"));
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
    EXPECT_TRUE(plot->accessibleDescription().contains(QLatin1String(" to 1200;")));
    EXPECT_TRUE(histogram->accessibleDescription().contains(QLatin1String(": 1.")));  // the lone 1200
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
    games[12].finalScore = 999;
    games[12].cells[55] = 77;  // Dakru, Call
    StatisticsWindow window(games);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* sheet = window.findChild<SheetGrid*>(QStringLiteral("SheetGrid"));
    auto* button = window.findChild<QPushButton*>(QStringLiteral("BestGame"));
    ASSERT_TRUE(sheet && button);

    QTest::keyClick(&window, Qt::Key_B);
    EXPECT_TRUE(sheet->accessibleName().startsWith(QLatin1String("Best game: 999 on ")));
    EXPECT_EQ(sheet->figures().cells[13][3], 77);
    EXPECT_TRUE(sheet->accessibleDescription().contains(QLatin1String("Call 77.")));
    EXPECT_TRUE(sheet->accessibleDescription().endsWith(QLatin1String("Score: 999.")));

    button->click();
    EXPECT_EQ(sheet->accessibleName(), "Mean of each cell");

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace dakru::ui::statistics
