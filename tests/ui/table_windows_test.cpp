// The standings and the ranking of a game at a table, drawn without a
// screen from an engine playing that game: whose turn it is, every player's
// total, any player's sheet on choice, and the ranking with its ties.
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "../game/harness.h"
#include "line_list.h"
#include "ranking_window.h"
#include "reachable.h"
#include "standings_window.h"
#include "table_sheet.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace dakru::ui::table {
namespace {

const std::vector<Seat> kThree{{"Ann", std::nullopt}, {"Medium", "medium"}, {"Bob", std::nullopt}};

QStringList lines(const QListWidget& list)
{
    QStringList read;
    for (int i = 0; i < list.count(); ++i) {
        read << list.item(i)->data(Qt::AccessibleTextRole).toString();
    }
    return read;
}

int coloursIn(const QImage& picture, const QRect& area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            colours.insert(picture.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

class Standings : public ::testing::Test, protected test::Play {
protected:
    void SetUp() override
    {
        engine.NewGame_Click(kThree);
        window.refresh();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // The player to play writes the next cell of their sheet with the faces given.
    void turn(const test::Dice& faces = {1, 1, 1, 1, 1})
    {
        const auto [column, row] = test::fillOrder()[static_cast<std::size_t>(writtenCells(engine.gameState().cells))];
        roll(faces);
        if (column == Column::Call) {
            click(column, row);  // the call
        }
        click(column, row);
        window.refresh();
    }
    QString shown(const char* name) const
    {
        const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("(missing)");
    }
    LineList& players() const { return *window.findChild<LineList*>(QStringLiteral("Players")); }
    TableSheet& sheet() const { return *window.findChild<TableSheet*>(QStringLiteral("Sheet")); }

    StandingsWindow window{engine};
};

TEST_F(Standings, ShowEveryTotalAndWhoseTurnItIs)
{
    EXPECT_EQ(window.windowTitle(), "Dakru - Standings");
    EXPECT_EQ(shown("Turn"), "Turn 1 of 56: Ann to play");
    EXPECT_EQ(lines(players()), (QStringList{"Ann, 0, to play", "Medium, 0", "Bob, 0"}));

    turn({1, 1, 1, 2, 3});  // Ann's ones: 3
    EXPECT_EQ(shown("Turn"), "Turn 1 of 56: Medium to play");
    EXPECT_EQ(lines(players()), (QStringList{"Ann, 3", "Medium, 0, to play", "Bob, 0"}));
    turn();
    turn();
    turn({6, 6, 6, 6, 6});  // Ann's twos: none
    EXPECT_EQ(shown("Turn"), "Turn 2 of 56: Medium to play");
    EXPECT_EQ(lines(players()), (QStringList{"Ann, 3", "Medium, 5, to play", "Bob, 5"}));

    // The sheet shown is the chosen player's, at first the one to play when the window opened.
    EXPECT_EQ(window.chosenSeat(), 0);
    EXPECT_EQ(sheet().player(), "Ann");
    EXPECT_TRUE(sheet().cells() == engine.gameOf(0).cells);
    EXPECT_EQ(sheet().accessibleName(), "Sheet of Ann");
    const QString reading = sheet().accessibleDescription();
    EXPECT_TRUE(
        reading.startsWith(QLatin1String("Ann: score 3.\nOnes: Down 3, Down Up empty, Up empty, Call empty.\n"
                                         "Twos: Down 0, Down Up empty")))
        << reading.toStdString();
    EXPECT_TRUE(reading.contains(QLatin1String("\nUpper sums: Down 3, Down Up 0, Up 0, Call 0; total 3.\n")));
    EXPECT_TRUE(reading.endsWith(QLatin1String("\nScore: 3.")));

    // Drawn: the list and the sheet are more than empty ground.
    const QImage picture = window.grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const auto pixels = [ratio](const QRect& r) {
        return QRect((r.topLeft().toPointF() * ratio).toPoint(), (r.size().toSizeF() * ratio).toSize());
    };
    EXPECT_GT(coloursIn(picture, pixels(players().geometry())), 3);
    EXPECT_GT(coloursIn(picture, pixels(sheet().geometry())), 3);
}

TEST_F(Standings, ArrowsAndClicksShowAnyPlayersSheet)
{
    turn({1, 1, 1, 1, 2});
    turn({2, 2, 2, 1, 1});
    players().setFocus();
    QTest::keyClick(&players(), Qt::Key_Down);
    EXPECT_EQ(window.chosenSeat(), 1);
    EXPECT_EQ(sheet().player(), "Medium");
    EXPECT_TRUE(sheet().cells() == engine.gameOf(1).cells);
    EXPECT_TRUE(sheet().accessibleDescription().startsWith(QLatin1String("Medium: score 2.")));

    const QListWidgetItem* bob = players().item(2);
    QTest::mouseClick(players().viewport(), Qt::LeftButton, {}, players().visualItemRect(bob).center());
    EXPECT_EQ(sheet().player(), "Bob");

    // The choice stays while the game goes on.
    turn();
    EXPECT_EQ(window.chosenSeat(), 2);
    EXPECT_EQ(players().currentRow(), 2);
    EXPECT_TRUE(sheet().cells() == engine.gameOf(2).cells);

    QTest::keyClick(&players(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Standings, AFinishedGameHasNobodyToPlay)
{
    for (int turns = 0; turns < 3 * kCellCount; ++turns) {
        turn();
    }
    EXPECT_EQ(shown("Turn"), "The game is over.");
    EXPECT_EQ(lines(players()), (QStringList{"Ann, 468", "Medium, 468", "Bob, 468"}));
}

TEST_F(Standings, AnotherTableStartsFromItsPlayerToPlay)
{
    turn();
    window.choose(2);
    const std::string longest(30, 'W');
    engine.NewGame_Click(std::vector<Seat>{{longest, std::nullopt}, {"Easy", "easy"}});
    window.refresh();
    EXPECT_EQ(window.chosenSeat(), 0);
    const QString name = QString::fromStdString(longest);
    EXPECT_EQ(lines(players()), (QStringList{name + ", 0, to play", "Easy, 0"}));
    // The longest name fits the turn line with "to play" after it, cut
    // short on the screen if need be, never in what is read.
    const auto* turnLine = window.findChild<QLabel*>(QStringLiteral("Turn"));
    EXPECT_TRUE(turnLine->text().endsWith(QLatin1String(" to play")));
    EXPECT_LE(turnLine->fontMetrics().horizontalAdvance(turnLine->text()), turnLine->width());
    EXPECT_EQ(turnLine->accessibleName(), "Turn 1 of 56: " + name + " to play");

    engine.NewGame_Click(std::vector<Seat>{{"Ann", std::nullopt}});
    window.refresh();
    EXPECT_EQ(shown("Turn"), "No game for several players is in play.");
    EXPECT_EQ(players().count(), 0);
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(window.chosenSeat(), std::nullopt);
}

TEST(Ranking, EqualScoresSharePlaceAndTheWinnerIsNamed)
{
    const std::vector<Seat> seats{{"Ann", std::nullopt}, {"Strong", "strong"}, {"Bob", std::nullopt}, {"Easy", "easy"}};
    struct Case {
        std::vector<Placing> ranking;
        std::vector<int> places;
        const char* headline;
    };
    const Case cases[] = {
        {{{1, 1100}, {0, 468}, {2, 468}, {3, 300}}, {1, 2, 2, 4}, "Strong wins with 1100 points."},
        {{{0, 468}, {2, 468}, {1, 400}, {3, 0}}, {1, 1, 3, 4}, "Ann and Bob share first place with 468 points."},
        {{{0, 5}, {1, 5}, {2, 5}, {3, 5}}, {1, 1, 1, 1}, "Ann, Strong, Bob and Easy share first place with 5 points."},
        {{{3, 300}, {7, 299}, {0, 200}}, {1, 2}, "Easy wins with 300 points."},  // a seat not at the table is left out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headline);
        const std::vector<RankingLine> ranked = rankingLines(seats, c.ranking);
        std::vector<int> places;
        for (const RankingLine& line : ranked) {
            places.push_back(line.place);
        }
        EXPECT_EQ(places, c.places);
        EXPECT_EQ(winnerHeadline(ranked), c.headline);
    }
    const std::vector<RankingLine> ranked = rankingLines(seats, cases[0].ranking);
    EXPECT_EQ(ranked[1], (RankingLine{2, "Ann", "Person", 468}));
    EXPECT_EQ(ranked[0].kind, "Computer: Strong");
    EXPECT_EQ(ranked[1].reading(), "Place 2, Ann, person, 468 points");
}

TEST(Ranking, TheWindowReadsEveryLineAndClosesOnEnterOrEsc)
{
    const std::vector<Seat> seats{{"Ann", std::nullopt}, {"Medium", "medium"}, {"Bob", std::nullopt}};
    const std::vector<Placing> ranking{{1, 846}, {0, 512}, {2, 512}};
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        RankingWindow window(seats, ranking);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        const QSignalSpy closed(&window, &RankingWindow::closed);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.windowTitle(), "Dakru - Ranking");
        const auto* headline = window.findChild<QLabel*>(QStringLiteral("Headline"));
        ASSERT_NE(headline, nullptr);
        EXPECT_EQ(headline->text(), "Medium wins with 846 points.");
        EXPECT_EQ(headline->accessibleName(), headline->text());
        auto* list = window.findChild<LineList*>(QStringLiteral("Ranking"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(lines(*list), (QStringList{"Place 1, Medium, computer: medium, 846 points",
                                             "Place 2, Ann, person, 512 points", "Place 2, Bob, person, 512 points"}));
        EXPECT_GE(list->height(), list->heightFor(3)) << "every line shows without scrolling";
        EXPECT_TRUE(list->hasFocus());

        QTest::keyClick(list, key);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(closed.count(), 1);
    }
}

}  // namespace
}  // namespace dakru::ui::table
