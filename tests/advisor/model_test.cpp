#include <gtest/gtest.h>

#include <numeric>

#include "model.h"
#include "self_play.h"
#include "totals.h"

namespace dakru::advisor {
namespace {

// A full sheet is worth exactly its final score: the model only guesses
// about empty cells.
TEST(SheetValuer, AFullSheetIsWorthItsGrandTotal)
{
    const SheetValuer valuer(learnedModel());
    GreedyPlayer greedy;
    AdvisorPlayer advisor;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        for (Player* player : {static_cast<Player*>(&greedy), static_cast<Player*>(&advisor)}) {
            const PlayedGame game = playGame(*player, seed);
            EXPECT_DOUBLE_EQ(valuer.sheet(game.sheet), computeTotals(game.sheet).grandTotal);
            EXPECT_EQ(game.finalScore, computeTotals(game.sheet).grandTotal);
        }
    }
}

// The middle section multiplies by the ones: the same Maximum and Minimum are
// worth five times as much with five ones as with one, and nothing with none
// (on top of the ones' own score, which may also bring the bonus nearer).
TEST(SheetValuer, TheOnesMultiplyTheMiddleSection)
{
    const SheetValuer valuer(learnedModel());
    std::array<Cell, kRowCount> column{};
    column[row::Maximum - 1].value = 28;
    column[row::Minimum - 1].value = 8;
    const auto withOnes = [&](int ones) {
        auto c = column;
        c[0].value = ones;
        return valuer.column(Column::DownUp, c, 40);
    };
    EXPECT_GE(withOnes(5) - withOnes(1), 4 * 20 + 4 - 1e-9);
    EXPECT_LE(withOnes(5) - withOnes(1), 4 * 20 + 4 + kUpperBonus);
    EXPECT_GE(withOnes(1) - withOnes(0), 20 + 1 - 1e-9);
    EXPECT_LE(withOnes(1) - withOnes(0), 20 + 1 + kUpperBonus);
}

// The shipped model: every cell in every phase has chances adding up to 1,
// and more empty cells never make the sheet worth less.
TEST(LearnedModel, ChancesAddUpAndEmptySheetsAreWorthMost)
{
    const Model model = learnedModel();
    for (const auto& phase : model.phases) {
        for (const auto& column : phase) {
            for (const auto& cell : column) {
                EXPECT_NEAR(std::accumulate(cell.begin(), cell.end(), 0.0), 1.0, 0.01);
            }
        }
    }
    const SheetValuer valuer(model);
    const double empty = valuer.sheet(Sheet{});
    EXPECT_GT(empty, 900);
    EXPECT_LT(empty, 1500);
}

}  // namespace
}  // namespace dakru::advisor
