// The legal cells as a pure function of the sheet, the roll count and the
// call agree with the marks the engine paints, roll after roll, in whole games.

#include <random>

#include "harness.h"
#include "legal_cells.h"

namespace dakru::test {
namespace {

Marks marksOf(const Engine& engine)
{
    Marks marks{};
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row)
            marks[index(column)][row - 1] = engine.cell(column, row).marked;
    }
    return marks;
}

TEST(LegalCells, AgreeWithTheEnginesMarksAfterEveryRoll)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        Play p;
        int rolls = 0;
        while (yellow(p.engine).size() < kCellCount && rolls < 20 * kCellCount) {
            p.dice.faces.clear();
            for (int n = 0; n < kDiceCount; ++n)
                p.dice.faces.push_back(std::uniform_int_distribution(1, 6)(random));
            p.engine.Roll_Click();
            ++rolls;
            const GameState& s = p.engine.gameState();
            ASSERT_EQ(marksOf(p.engine), legalCells(s.cells, s.RollCount.value_or(0), s.CalledRow.value_or(0)))
                << "seed " << seed << ", roll " << rolls;
            const Cells order = fillOrder();  // Down, Down\Up and Up come before Call
            EXPECT_EQ(onlyCallCellsLeft(s.cells),
                      std::all_of(order.begin(), order.begin() + 3 * kRowCount,
                                  [&](auto c) { return p.value(c.first, c.second).has_value(); }));
            // Hold a random die, then write or call in a random marked cell now and then.
            p.engine.Kocka_Click(std::uniform_int_distribution(1, kDiceCount)(random));
            const Cells cells = yellow(p.engine);
            if (!cells.empty() && (s.RollCount == 3 || std::bernoulli_distribution(0.4)(random))) {
                const auto [column, row] =
                    cells[std::uniform_int_distribution<std::size_t>(0, cells.size() - 1)(random)];
                p.click(column, row);
            }
            int written = 0;
            for (const auto& [column, row] : fillOrder())
                written += p.value(column, row).has_value();
            if (written == kCellCount)
                break;
        }
    }
}

}  // namespace
}  // namespace dakru::test
