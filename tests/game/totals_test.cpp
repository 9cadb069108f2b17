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
    for (const auto& [row, faces] : c.cells) p.write(Column::DownUp, row, faces);
    p.engine.Timer1();
    return p.engine.sum(section, Column::DownUp);
}

TEST_F(Totals, UpperBonusFromSixty)
{
    const Case cases[] = {
        {{{1, {1, 1, 1, 1, 1}}, {2, {2, 2, 2, 1, 1}}, {3, {3, 3, 3, 1, 1}}, {4, {4, 4, 4, 1, 1}},
          {5, {5, 5, 5, 1, 1}}, {6, {6, 6, 1, 1, 1}}}, 59},  // 5 6 9 12 15 12
        {{{1, {2, 2, 2, 3, 3}}, {2, {2, 2, 2, 3, 3}}, {3, {3, 3, 3, 2, 2}}, {4, {4, 4, 4, 2, 2}},
          {5, {5, 5, 5, 2, 2}}, {6, {6, 6, 6, 2, 2}}}, 85},  // 0 6 9 12 15 18
        {{{1, {1, 1, 1, 1, 1}}, {2, {2, 2, 2, 2, 1}}, {3, {3, 3, 3, 3, 1}}, {4, {4, 4, 4, 4, 1}},
          {5, {5, 5, 5, 5, 1}}}, 86},  // 5 8 12 16 20, row 6 still empty
    };
    for (const Case& c : cases) EXPECT_EQ(sumAfter(c, Section::Upper), c.expected);
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
    for (const Case& c : cases) EXPECT_EQ(sumAfter(c, Section::Middle), c.expected) << "case " << (&c - cases);
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
    EXPECT_FALSE(engine.grandTotal());
    click(Column::Call, row::Dakru);
    EXPECT_FALSE(engine.grandTotal());  // only the tick rebuilds the sums
    tick();
    EXPECT_EQ(shown, (std::vector<std::string>{"/", "1/", "1/CALL", "2/CALL", "3/CALL", "/"}));
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            const bool written = section == Section::Lower && column == Column::Call;
            EXPECT_EQ(engine.sum(section, column), written ? 80 : 0);
        }
        EXPECT_EQ(engine.total(section), section == Section::Lower ? 80 : 0);
    }
    EXPECT_EQ(engine.grandTotal(), 80);
}

}  // namespace
}  // namespace dakru::test
