#include "harness.h"

namespace dakru::test {
namespace {

struct Written {
    int row;
    Dice dice;
};

struct Case {
    std::vector<Written> cells;
    int expected;
};

using Totals = Game;

// A fresh game whose Down\Up column is written in the given order, after one tick.
std::optional<int> sumAfter(const std::vector<Written>& cells, Section section)
{
    RecordingShell shell;
    FixedDice dice;
    Engine engine{shell, dice};
    for (const Written& w : cells) {
        dice.faces.assign(w.dice.begin(), w.dice.end());
        engine.Roll_Click();
        engine.Cell_Click(Column::DownUp, w.row);
        EXPECT_TRUE(engine.cell(Column::DownUp, w.row).value);
    }
    engine.Timer1();
    return engine.sum(section, Column::DownUp);
}

const Dice k5ones{1, 1, 1, 1, 1}, k3ones{1, 1, 1, 2, 2}, kNoOnes{2, 2, 2, 3, 3};
const Dice kSum28{6, 6, 6, 5, 5}, kSum7{1, 1, 1, 2, 2}, kSum10{1, 1, 2, 3, 3}, kSum12{2, 2, 2, 3, 3};

TEST_F(Totals, UpperBonusFromSixty)
{
    const Case cases[] = {
        // 5, 6, 9, 12, 15, 12: 59, no bonus
        {{{1, k5ones}, {2, {2, 2, 2, 1, 1}}, {3, {3, 3, 3, 1, 1}}, {4, {4, 4, 4, 1, 1}},
          {5, {5, 5, 5, 1, 1}}, {6, {6, 6, 1, 1, 1}}}, 59},
        // 0, 6, 9, 12, 15, 18: 60, bonus
        {{{1, kNoOnes}, {2, {2, 2, 2, 3, 3}}, {3, {3, 3, 3, 2, 2}}, {4, {4, 4, 4, 2, 2}},
          {5, {5, 5, 5, 2, 2}}, {6, {6, 6, 6, 2, 2}}}, 85},
        // 5, 8, 12, 16, 20 with row 6 empty: 61, bonus already
        {{{1, k5ones}, {2, {2, 2, 2, 2, 1}}, {3, {3, 3, 3, 3, 1}}, {4, {4, 4, 4, 4, 1}},
          {5, {5, 5, 5, 5, 1}}}, 86},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sumAfter(c.cells, Section::Upper), c.expected);
    }
}

TEST_F(Totals, MiddleSumIsMaximumLessMinimumTimesTheOnes)
{
    const Case cases[] = {
        {{{8, kSum28}, {7, kSum7}, {1, k3ones}}, 63},
        {{{8, kSum28}, {7, kSum7}}, 21},
        {{{8, kSum28}, {7, kSum7}, {1, kNoOnes}}, 0},  // ones written as "0"
        {{{8, kSum10}, {7, kSum12}}, 0},               // never below 0
        {{{8, kSum10}, {7, kSum12}, {1, k3ones}}, 0},
        {{{8, kSum28}}, 0},                            // Minimum still empty
        {{{7, kSum7}, {1, k5ones}}, 0},                // Maximum still empty
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sumAfter(c.cells, Section::Middle), c.expected) << "case " << (&c - cases);
    }
}

TEST_F(Totals, BlankUntilTheFirstTurnEndsThenEverySumShowsANumber)
{
    engine.Timer1();
    roll({6, 6, 6, 6, 6});
    engine.Timer1();
    EXPECT_EQ(engine.rollsLeftText(), "1");
    EXPECT_FALSE(engine.grandTotal());
    EXPECT_FALSE(engine.sum(Section::Upper, Column::Down));
    click(Column::DownUp, row::Dakru);
    EXPECT_FALSE(engine.grandTotal());  // only the tick rebuilds the sums
    engine.Timer1();
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            const bool lowerDownUp = section == Section::Lower && column == Column::DownUp;
            EXPECT_EQ(engine.sum(section, column), lowerDownUp ? 80 : 0);
        }
        EXPECT_EQ(engine.total(section), section == Section::Lower ? 80 : 0);
    }
    EXPECT_EQ(engine.grandTotal(), 80);
}

TEST_F(Totals, SectionTotalsAndTheGrandTotalAddUpOnOneTick)
{
    const auto order = fillOrder();
    const Dice dice[] = {{6, 6, 6, 5, 5}, {1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}, {4, 4, 4, 4, 1}, {3, 3, 3, 3, 3}};
    for (std::size_t i = 0; i < 50; ++i) write(order[i].first, order[i].second, dice[i % 5]);
    engine.Timer1();
    int grand = 0;
    for (const Section section : kSections) {
        int total = 0;
        for (const Column column : kColumns) total += engine.sum(section, column).value();
        EXPECT_EQ(engine.total(section), total);
        grand += total;
    }
    EXPECT_EQ(engine.grandTotal(), grand);
    EXPECT_GT(grand, 0);
}

TEST_F(Totals, RollsLeftAndCallDisplaysFollowOnTheTick)
{
    std::vector<std::pair<std::string, std::string>> shown;
    const auto tick = [&] {
        engine.Timer1();
        shown.emplace_back(engine.rollsLeftText(), engine.zvanjeText());
    };
    tick();
    roll({1, 2, 3, 4, 5});
    tick();
    click(Column::Call, row::SmallStraight);
    EXPECT_EQ(engine.zvanjeText(), "");  // the click itself never touches the display
    tick();
    roll({6, 6, 6, 6, 6});
    tick();
    roll({6, 6, 6, 6, 6});
    tick();
    click(Column::Call, row::SmallStraight);
    tick();
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{
                         {"", ""}, {"1", ""}, {"1", "CALL"}, {"2", "CALL"}, {"3", "CALL"}, {"", ""}}));
}

TEST_F(Totals, DicePicturesReloadOnTicksBetweenTurnsOnly)
{
    engine.Timer1();  // program start: the built-in blank pictures stay
    roll({1, 2, 3, 4, 5});
    shell.take();
    engine.Timer1();
    EXPECT_TRUE(shell.take().empty());
    click(Column::DownUp, 1);
    shell.take();
    engine.Timer1();
    engine.Timer1();
    EXPECT_EQ(shell.take().size(), 10u);
}

TEST_F(Totals, NothingChangesWhileRollIsHidden)
{
    write(Column::DownUp, row::Dakru, {2, 2, 2, 2, 2});
    engine.ScoreDealtWith();
    roll({1, 2, 3, 4, 5});
    const Snapshot before = snapshot();
    shell.take();
    engine.Timer1();
    engine.Timer2();
    EXPECT_TRUE(snapshot() == before);
    EXPECT_TRUE(shell.take().empty());
}

}  // namespace
}  // namespace dakru::test
