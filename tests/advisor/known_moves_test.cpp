// Positions whose best move is known, set up through the engine as a player would.

#include "advisor.h"
#include "harness.h"
#include "legal_cells.h"

namespace dakru::advisor {
namespace {

using test::Play;
using Holds = std::array<bool, kDiceCount>;

class KnownMoves : public ::testing::Test, protected Play {
protected:
    Advisor advisor;
    Advice advice()
    {
        const std::optional<Advice> a = advisor.advise(engine.gameState(), 100);
        EXPECT_TRUE(a.has_value());
        return a.value_or(Advice{{Action{}}});
    }
    // Follows a roll advice the way a player does: clicks the dice whose hold differs.
    void hold(const Holds& holds)
    {
        for (int n = 1; n <= kDiceCount; ++n) {
            if (engine.die(n).held != holds[n - 1])
                engine.Kockap_Click(n);
        }
    }
};

// Five sixes with the Dakru row open: 80 at once, whichever roll it is.
TEST_F(KnownMoves, FiveSixesGoIntoAnOpenDakruRow)
{
    roll({6, 6, 6, 6, 6});
    const Action first = advice().best();
    EXPECT_EQ(first.row, row::Dakru);
    EXPECT_NE(first.move, Move::Roll);
    if (first.move == Move::Write) {
        EXPECT_EQ(first.score, 80);
    }

    Play second;
    second.roll({1, 2, 3, 4, 6});
    second.roll({6, 6, 6, 6, 6});
    const std::optional<Advice> a = advisor.advise(second.engine.gameState());
    ASSERT_TRUE(a);
    EXPECT_EQ(a->best().move, Move::Write);
    EXPECT_EQ(a->best().row, row::Dakru);
    EXPECT_EQ(a->best().score, 80);
}

// A call on Small Straight binds the turn: keep the four of the straight and
// roll; with the straight there, write 35; after the third roll, write what
// it gives, 0 included.
TEST_F(KnownMoves, ACalledRowIsFinished)
{
    roll({1, 2, 3, 4, 6});
    click(Column::Call, row::SmallStraight);
    Advice a = advice();
    EXPECT_EQ(a.best().move, Move::Roll);
    EXPECT_EQ(a.best().hold, (Holds{true, true, true, true, false}));
    for (const Action& other : a.actions) {
        if (other.move != Move::Roll) {
            EXPECT_EQ(other.column, Column::Call);
            EXPECT_EQ(other.row, row::SmallStraight);
        }
    }

    hold(a.best().hold);
    roll({2});
    a = advice();
    EXPECT_EQ(a.best().move, Move::Roll);
    EXPECT_EQ(a.best().hold, (Holds{true, true, true, true, false}));
    hold(a.best().hold);
    roll({6});
    a = advice();
    ASSERT_EQ(a.actions.size(), 1u) << "after the third roll only the called cell is left";
    EXPECT_EQ(a.best().move, Move::Write);
    EXPECT_EQ(a.best().column, Column::Call);
    EXPECT_EQ(a.best().row, row::SmallStraight);
    EXPECT_EQ(a.best().score, 0);

    Play lucky;
    lucky.roll({1, 2, 3, 4, 6});
    lucky.click(Column::Call, row::SmallStraight);
    lucky.engine.Kockap_Click(1);
    lucky.engine.Kockap_Click(2);
    lucky.engine.Kockap_Click(3);
    lucky.engine.Kockap_Click(4);
    lucky.roll({5});
    const std::optional<Advice> done = advisor.advise(lucky.engine.gameState());
    ASSERT_TRUE(done);
    EXPECT_EQ(done->best().move, Move::Write);
    EXPECT_EQ(done->best().score, 35);
}

// With Down, Down\Up and Up full, the first roll must be followed by a call:
// nothing else is offered, and the call is on a row these dice serve.
TEST_F(KnownMoves, OnlyCallCellsLeftForcesACall)
{
    fill(3 * kRowCount);
    roll({5, 5, 5, 5, 5});
    const Advice a = advice();
    for (const Action& action : a.actions) {
        EXPECT_EQ(action.move, Move::Call);
    }
    EXPECT_EQ(a.best().row, row::Dakru);
    click(Column::Call, a.best().row);
    const Advice write = advice();
    EXPECT_EQ(write.best().move, Move::Write);
    EXPECT_EQ(write.best().score, 75);
}

// Face value says keep the sixes; the middle section says keep the ones. Two
// turns are left, for the ones and the sixes of Down\Up, whose bonus is made.
// With Maximum 30 and Minimum 5 each one is worth 25 more than its face.
TEST(KnownMove, KeepingOnesBeatsKeepingSixesForTheMiddleSection)
{
    const auto position = [](int minimum, int maximum) {
        GameState s;
        for (auto& column : s.cells) {
            for (Cell& cell : column) {
                cell.value = 0;
            }
        }
        auto& downUp = s.cells[index(Column::DownUp)];
        downUp[0].value.reset();
        downUp[5].value.reset();
        for (int row = 2; row <= 5; ++row) {
            downUp[row - 1].value = 5 * row;  // 70: the bonus is there already
        }
        downUp[row::Minimum - 1].value = minimum;
        downUp[row::Maximum - 1].value = maximum;
        const std::array<int, kDiceCount> faces{1, 1, 6, 6, 3};
        for (int n = 0; n < kDiceCount; ++n) {
            s.dice[n].face = faces[n];
            s.DiceFaces[n] = faces[n];
        }
        s.RollCount = 2;
        s.CalledRow = 0;
        const Marks marks = legalCells(s.cells, 2, 0);
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                s.cells[index(column)][row - 1].marked = marks[index(column)][row - 1];
            }
        }
        return s;
    };
    Advisor advisor;
    const std::optional<Advice> spread = advisor.advise(position(5, 30));
    ASSERT_TRUE(spread);
    EXPECT_EQ(spread->best().move, Move::Roll);
    EXPECT_EQ(spread->best().hold, (Holds{true, true, false, false, false}));
}

}  // namespace
}  // namespace dakru::advisor
