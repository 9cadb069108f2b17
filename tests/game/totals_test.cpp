#include "harness.h"

namespace dakru::test {
namespace {

using Totals = Game;

struct Case {
    std::vector<std::pair<int, Dice>> cells;  // Down\Up rows written in this order, with these dice
    int expected;
};

std::optional<int> sumAfter(const Case& c, Section section)
{
    Play p;
    for (const auto& [row, faces] : c.cells)
        p.write(Column::DownUp, row, faces);
    p.engine.Timer1();
    return p.engine.sum(section, Column::DownUp);
}

TEST_F(Totals, UpperBonusFromSixty)
{
    const Dice sixes{6, 6, 6, 6, 6}, fives{5, 5, 5, 5, 5}, ones{1, 1, 1, 1, 1}, fourOnes{1, 1, 1, 1, 2};
    const Case cases[] = {
        {{{6, sixes}, {5, fives}, {1, fourOnes}}, 59},                   // 30 + 25 + 4: no bonus
        {{{6, sixes}, {5, fives}, {1, ones}}, 85},                       // 30 + 25 + 5, and the bonus
        {{{5, fives}, {4, {4, 4, 4, 4, 4}}, {3, {3, 3, 3, 3, 3}}}, 85},  // row 6 still empty
    };
    for (const Case& c : cases)
        EXPECT_EQ(sumAfter(c, Section::Upper), c.expected) << "case " << (&c - cases);
}

TEST_F(Totals, MiddleSumIsMaximumLessMinimumTimesTheOnesNeverBelowZero)
{
    const Dice sum28{6, 6, 6, 5, 5}, sum7{1, 1, 1, 2, 2}, sum10{1, 1, 2, 3, 3}, sum12{2, 2, 2, 3, 3};
    const Dice threeOnes{1, 1, 1, 2, 2}, noOnes{2, 2, 2, 3, 3};
    const Case cases[] = {
        {{{8, sum28}, {7, sum7}, {1, threeOnes}}, 63},
        {{{8, sum28}, {7, sum7}}, 21},
        {{{8, sum28}, {7, sum7}, {1, noOnes}}, 0},
        {{{8, sum10}, {7, sum12}}, 0},
        {{{8, sum10}, {7, sum12}, {1, threeOnes}}, 0},
        {{{8, sum28}, {1, threeOnes}}, 0},  // Minimum still empty
        {{{7, sum7}}, 0},                   // Maximum still empty
    };
    for (const Case& c : cases)
        EXPECT_EQ(sumAfter(c, Section::Middle), c.expected) << "case " << (&c - cases);
}

// The tick shows the rolls and the call at once; the sums only between turns,
// and not at all before the first turn ends.
TEST_F(Totals, TheTickShowsRollsAndCallAndTheSumsFromTheFirstTurnEnd)
{
    std::vector<std::string> shown;
    const auto tick = [&] {
        engine.Timer1();
        shown.push_back(engine.rollsLeftText() + "/" + engine.zvanjeText());
    };
    tick();
    roll({1, 2, 3, 4, 5});
    tick();
    click(Column::Call, row::Dakru);
    EXPECT_EQ(engine.zvanjeText(), "");  // the click itself never touches the display
    tick();
    roll({6, 6, 6, 6, 6});
    tick();
    roll({6, 6, 6, 6, 6});
    tick();
    click(Column::Call, row::Dakru);
    EXPECT_FALSE(engine.grandTotal());  // blank until the first turn ends, then only the tick rebuilds the sums
    tick();
    EXPECT_EQ(shown, (std::vector<std::string>{"/", "1/", "1/CALL", "2/CALL", "3/CALL", "/"}));
    EXPECT_EQ(engine.sum(Section::Upper, Column::Down), 0);  // a number now, where nothing is written
    EXPECT_EQ(engine.grandTotal(), 80);
}

}  // namespace
}  // namespace dakru::test
