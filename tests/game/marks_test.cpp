#include "harness.h"
#include "row_value.h"

namespace dakru::test {
namespace {

using Marks = Game;

// With n cells written in Down from the top and in Up from the bottom, a roll
// marks the next ones, every Down\Up cell and, on the first roll only, every
// Call cell: on the empty sheet 30 cells, then 16. Down after 6 is Minimum, Up
// after Minimum is 6, Large Straight lies between Small Straight and Full house
// both ways, a full column marks nothing. Five 2s write "0" in most rows, which
// counts as written.
TEST_F(Marks, FirstAndSecondRollAlongTheDownAndUpChains)
{
    for (int written = 0; written <= kRowCount; ++written) {
        Play p;
        for (int i = 0; i < written; ++i) {
            p.write(Column::Down, 1 + i, {2, 2, 2, 2, 2});
            p.write(Column::Up, kRowCount - i, {2, 2, 2, 2, 2});
        }
        Cells secondRoll;
        if (written < kRowCount)
            secondRoll.emplace_back(Column::Down, written + 1);
        for (int row = 1; row <= kRowCount; ++row)
            secondRoll.emplace_back(Column::DownUp, row);
        if (written < kRowCount)
            secondRoll.emplace_back(Column::Up, kRowCount - written);
        Cells firstRoll = secondRoll;
        for (int row = 1; row <= kRowCount; ++row)
            firstRoll.emplace_back(Column::Call, row);
        p.roll({1, 1, 1, 1, 1});
        EXPECT_EQ(yellow(p.engine), firstRoll) << written << " written";
        p.roll({1, 1, 1, 1, 1});
        EXPECT_EQ(yellow(p.engine), secondRoll) << written << " written";
    }
}

TEST_F(Marks, ACallLeavesOnlyItsCellUntilItIsWrittenAndCannotBeWithdrawn)
{
    roll({1, 2, 3, 4, 6});
    click(Column::Call, row::SmallStraight);
    EXPECT_EQ(yellow(engine), (Cells{{Column::Call, row::SmallStraight}}));
    EXPECT_EQ(engine.RollCount(), 1);
    EXPECT_FALSE(value(Column::Call, row::SmallStraight));
    for (int n = 0; n < 2; ++n) {
        roll({6, 6, 6, 6, 6});
        EXPECT_EQ(yellow(engine), (Cells{{Column::Call, row::SmallStraight}}));
    }
    const std::string before = state(engine);
    shell.take();
    for (const auto& [column, row] : fillOrder()) {
        if (column != Column::Call || row != row::SmallStraight)
            click(column, row);
    }
    EXPECT_EQ(state(engine), before);
    EXPECT_TRUE(shell.take().empty());
    click(Column::Call, row::SmallStraight);  // no straight after the third roll: "0"
    EXPECT_EQ(value(Column::Call, row::SmallStraight), 0);
    EXPECT_EQ(engine.CalledRow(), 0);
}

TEST_F(Marks, PlacingACallSoundsOnlyOnMinimumAndMaximumWritingItAlways)
{
    for (int row = 1; row <= kRowCount; ++row) {
        roll({6, 6, 6, 5, 5});
        shell.take();
        click(Column::Call, row);
        const bool cue = row == row::Minimum || row == row::Maximum;
        EXPECT_EQ(shell.take(), cue ? Log{"cue ClickYellow.wav"} : Log{}) << "row " << row;
        click(Column::Call, row);  // written at once, with the same dice
        EXPECT_EQ(shell.take(), Log{"cue ClickYellow.wav"});
        EXPECT_EQ(value(Column::Call, row), RowValue(row, {6, 6, 6, 5, 5}));
    }
}

TEST_F(Marks, ACallIsForcedOnlyOnTheSecondRollWhenOnlyCallCellsAreLeft)
{
    fill(41);  // Up row 1 still empty: no roll is refused
    for (int n = 0; n < 3; ++n)
        roll({1, 1, 1, 1, 1});
    click(Column::Up, 1);

    roll({2, 2, 2, 2, 2});  // the first roll is allowed and marks only the Call cells
    EXPECT_EQ(yellow(engine).size(), 14u);
    EXPECT_EQ(yellow(engine).front(), std::pair(Column::Call, 1));
    const std::string before = state(engine);
    shell.take();
    engine.Roll_Click();
    EXPECT_EQ(shell.take(), Log{"message You must place a call first !"});
    EXPECT_EQ(state(engine), before);

    click(Column::Call, row::ThreeOfKind);
    roll({3, 3, 3, 4, 4});  // second and third roll with the call
    roll({3, 3, 3, 4, 4});
    EXPECT_EQ(engine.RollCount(), 3);
}

}  // namespace
}  // namespace dakru::test
