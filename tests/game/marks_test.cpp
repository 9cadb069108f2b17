#include <algorithm>

#include "harness.h"
#include "row_value.h"

namespace dakru::test {
namespace {

using Cells = std::vector<std::pair<Column, int>>;

class Marks : public Game {
protected:
    std::size_t countIn(Column column) const
    {
        const Cells cells = yellow();
        return static_cast<std::size_t>(
            std::count_if(cells.begin(), cells.end(), [&](const auto& c) { return c.first == column; }));
    }
    // The single yellow cell of a column, or 0 when there is none.
    int markedRow(Column column) const
    {
        EXPECT_LE(countIn(column), 1u);
        for (const auto& [c, row] : yellow()) {
            if (c == column) return row;
        }
        return 0;
    }
    void fill(std::size_t cells)
    {
        const auto order = fillOrder();
        for (std::size_t i = 0; i < cells; ++i) write(order[i].first, order[i].second);
    }
};

TEST_F(Marks, EmptySheetFirstRollThirtyCellsSecondRollSixteen)
{
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(yellow().size(), 30u);
    EXPECT_EQ(countIn(Column::Call), 14u);
    EXPECT_EQ(countIn(Column::DownUp), 14u);
    EXPECT_EQ(markedRow(Column::Down), 1);
    EXPECT_EQ(markedRow(Column::Up), row::Dakru);
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(yellow().size(), 16u);
    EXPECT_EQ(countIn(Column::Call), 0u);
}

// Down after 6 is Minimum, Up after Minimum is 6, Large Straight between Small
// Straight and Full house both ways, a full column marks nothing.
TEST_F(Marks, DownAndUpChainsStepOverTheSumRows)
{
    for (int written = 0; written <= kRowCount; ++written) {
        RecordingShell s;
        FixedDice d;
        Engine e{s, d};
        for (int i = 0; i < written; ++i) {
            for (const auto& [column, row] : {std::pair{Column::Down, 1 + i}, {Column::Up, kRowCount - i}}) {
                d.faces = {2, 2, 2, 2, 2};  // "0" in most rows: still written
                e.Roll_Click();
                e.Cell_Click(column, row);
            }
        }
        d.faces = {1, 1, 1, 1, 1};
        e.Roll_Click();
        int down = 0, up = 0;
        for (int row = 1; row <= kRowCount; ++row) {
            if (e.cell(Column::Down, row).marked) down = down ? -1 : row;
            if (e.cell(Column::Up, row).marked) up = up ? -1 : row;
        }
        EXPECT_EQ(down, written < kRowCount ? written + 1 : 0) << written << " Down cells written";
        EXPECT_EQ(up, written < kRowCount ? kRowCount - written : 0) << written << " Up cells written";
    }
}

TEST_F(Marks, ZeroCountsAsWritten)
{
    write(Column::Down, 1, {2, 3, 4, 5, 6});
    EXPECT_EQ(value(Column::Down, 1), 0);
    roll({1, 1, 1, 1, 1});
    EXPECT_EQ(markedRow(Column::Down), 2);
    EXPECT_FALSE(engine.cell(Column::Down, 1).marked);
}

TEST_F(Marks, FullDownUpColumnMarksNothing)
{
    for (int row = 1; row <= kRowCount; ++row) write(Column::DownUp, row);
    roll({1, 1, 1, 1, 1});
    roll({1, 1, 1, 1, 1});
    EXPECT_EQ(yellow(), (Cells{{Column::Down, 1}, {Column::Up, row::Dakru}}));
}

TEST_F(Marks, OnlyCallCellsLeft)
{
    fill(42);
    write(Column::Call, 4);
    roll({1, 1, 1, 1, 1});
    EXPECT_EQ(yellow().size(), 13u);
    EXPECT_EQ(countIn(Column::Call), 13u);
    EXPECT_FALSE(engine.cell(Column::Call, 4).marked);
}

TEST_F(Marks, PlacingACallLeavesOnlyThatCell)
{
    roll({1, 2, 3, 4, 5});
    shell.take();
    click(Column::Call, row::SmallStraight);
    EXPECT_EQ(yellow(), (Cells{{Column::Call, row::SmallStraight}}));
    EXPECT_EQ(engine.CalledRow(), row::SmallStraight);
    EXPECT_EQ(engine.RollCount(), 1);
    EXPECT_FALSE(value(Column::Call, row::SmallStraight));
    EXPECT_TRUE(shell.take().empty());  // silent, no redraw
    for (int n = 0; n < 2; ++n) {
        roll({6, 6, 6, 6, 6});
        EXPECT_EQ(yellow(), (Cells{{Column::Call, row::SmallStraight}}));
    }
    // The straight is not there after the third roll: the call is written as "0".
    click(Column::Call, row::SmallStraight);
    EXPECT_EQ(value(Column::Call, row::SmallStraight), 0);
    EXPECT_EQ(engine.CalledRow(), 0);
}

TEST_F(Marks, PlacingPlaysTheClickCueOnlyOnMinimumAndMaximum)
{
    for (int row = 1; row <= kRowCount; ++row) {
        roll({6, 6, 6, 5, 5});
        shell.take();
        click(Column::Call, row);
        const bool cue = row == row::Minimum || row == row::Maximum;
        EXPECT_EQ(shell.take(), cue ? std::vector<std::string>{"cue ClickYellow.wav"}
                                    : std::vector<std::string>{})
            << "row " << row;
        // Writing at once with the same dice plays the cue and ends the turn.
        click(Column::Call, row);
        EXPECT_EQ(shell.take(), std::vector<std::string>{"cue ClickYellow.wav"});
        EXPECT_EQ(value(Column::Call, row), RowValue(row, {6, 6, 6, 5, 5}));
        EXPECT_TRUE(yellow().empty());
        EXPECT_EQ(engine.RollCount(), 0);
        EXPECT_EQ(engine.CalledRow(), 0);
    }
}

TEST_F(Marks, ACallCannotBeWithdrawnOrMoved)
{
    roll({3, 3, 3, 2, 2});
    click(Column::Call, 3);
    const Snapshot before = snapshot();
    shell.take();
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (column != Column::Call || row != 3) click(column, row);
        }
    }
    EXPECT_TRUE(snapshot() == before);
    EXPECT_TRUE(shell.take().empty());
}

TEST_F(Marks, BlackCellsAndWrittenCellsIgnoreClicks)
{
    write(Column::DownUp, 5, {5, 5, 1, 2, 3});
    const Snapshot idle = snapshot();
    click(Column::DownUp, 6);  // nothing is yellow between turns
    roll({1, 1, 1, 1, 1});
    const Snapshot rolled = snapshot();
    shell.take();
    click(Column::DownUp, 5);   // written
    click(Column::Down, 2);     // black: Down 1 still empty
    click(Column::Up, 1);       // black: Up starts at Dakru
    EXPECT_TRUE(shell.take().empty());
    EXPECT_TRUE(snapshot() == rolled);
    EXPECT_EQ(idle.values, rolled.values);
    EXPECT_EQ(value(Column::DownUp, 5), 10);
}

TEST_F(Marks, ForcedCallOnlyOnTheSecondRollWhenOnlyCallCellsAreLeft)
{
    fill(41);  // Up row 1 still empty: no roll is refused
    roll({1, 1, 1, 1, 1});
    roll({1, 1, 1, 1, 1});
    roll({1, 1, 1, 1, 1});
    click(Column::Up, 1);

    shell.take();
    roll({2, 2, 2, 2, 2});  // first roll: allowed, marks only Call cells
    EXPECT_EQ(yellow().size(), 14u);
    const Snapshot before = snapshot();
    shell.take();
    engine.Roll_Click();
    EXPECT_EQ(shell.take(), std::vector<std::string>{"message You must place a call first !"});
    EXPECT_TRUE(snapshot() == before);

    click(Column::Call, 9);
    roll({3, 3, 3, 4, 4});  // second roll, call active
    roll({3, 3, 3, 4, 4});  // third roll
    EXPECT_EQ(engine.RollCount(), 3);
    click(Column::Call, 9);
    EXPECT_EQ(value(Column::Call, 9), 19);
}

}  // namespace
}  // namespace dakru::test
