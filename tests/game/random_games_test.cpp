// Many complete games with random dice and random choices, by a player who
// also clicks black cells, with every write and the game end checked.

#include <algorithm>
#include <random>

#include "harness.h"

namespace dakru::test {
namespace {

// The best sheet, per column: rows 1 to 6 at 5 x (1 + ... + 6) = 105 plus the
// bonus 25; the middle (30 - 5) x 5 = 125 (five 6s, five 1s, five 1s); the
// lower rows 28 + 35 + 45 + 58 + 64 + 80 = 310. Nothing is ever negative.
constexpr int kBestScore = 4 * (105 + 25 + 125 + 310);

class RandomGames : public ::testing::Test {
protected:
    std::mt19937 random{20240611};
    FixedDice dice;
    RecordingShell shell;
    Engine engine{shell, dice};

    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    std::pair<Column, int> pick(const Cells& cells)
    {
        return cells.at(std::uniform_int_distribution<std::size_t>(0, cells.size() - 1)(random));
    }
    std::optional<int> value(Column column, int row) const { return engine.cell(column, row).value; }
    int writtenCells() const
    {
        int written = 0;
        for (const auto& [column, row] : fillOrder())
            written += value(column, row).has_value();
        return written;
    }

    // A black cell changes nothing; a yellow one places a call or fills exactly one empty cell.
    void click(Column column, int row)
    {
        const std::string before = state(engine);
        const bool marked = engine.cell(column, row).marked;
        const int written = writtenCells();
        engine.Cell_Click(column, row);
        if (!marked) {
            ASSERT_EQ(state(engine), before) << "a black cell reacted";
        } else if (value(column, row)) {
            ASSERT_EQ(writtenCells(), written + 1);
            checkSums();
        }
    }

    // After a tick every sum matches its cells, the totals their sums.
    void checkSums()
    {
        engine.Timer1();
        std::array<int, kSectionCount> totals{};
        for (const Column column : kColumns) {
            const auto v = [&](int row) { return value(column, row).value_or(0); };
            int upper = 0, middle = 0, lower = 0;
            for (int row = 1; row <= 6; ++row)
                upper += v(row);
            for (int row = row::ThreeOfKind; row <= row::Dakru; ++row)
                lower += v(row);
            if (value(column, row::Minimum) && value(column, row::Maximum)) {
                middle = std::max(0, (v(row::Maximum) - v(row::Minimum)) * value(column, 1).value_or(1));
            }
            const std::array sums{upper + (upper >= 60 ? 25 : 0), middle, lower};
            for (const Section section : kSections) {
                ASSERT_EQ(engine.sum(section, column), sums[index(section)]);
                totals[index(section)] += sums[index(section)];
            }
        }
        for (const Section section : kSections)
            ASSERT_EQ(engine.total(section), totals[index(section)]);
        ASSERT_EQ(engine.grandTotal(), totals[0] + totals[1] + totals[2]);
    }

    // Rolls with random holds (a second roll may be refused until a call is
    // placed) and clicks on yellow or any cells, until one cell is written.
    void playTurn()
    {
        const int before = writtenCells();
        // A turn that never ends shows at the game end, which then never comes.
        for (int step = 0; step < 1000 && writtenCells() == before && !HasFatalFailure(); ++step) {
            const int rolls = engine.RollCount().value_or(0);
            if (rolls == 0 || (rolls < 3 && chance(0.4))) {
                for (int n = 1; n <= kDiceCount; ++n) {
                    if (chance(0.3))
                        engine.Kockap_Click(n);
                }
                dice.faces.resize(kDiceCount);
                for (int& face : dice.faces)
                    face = std::uniform_int_distribution(1, 6)(random);
                engine.Roll_Click();
            } else {
                const Cells marked = yellow(engine);
                const auto [column, row] = pick(marked.empty() || chance(0.3) ? fillOrder() : marked);
                click(column, row);
            }
        }
    }
};

TEST_F(RandomGames, ThreeHundredCompleteGames)
{
    for (int game = 0; game < 300 && !HasFatalFailure(); ++game) {
        for (int turn = 1; turn <= kCellCount && !HasFatalFailure(); ++turn) {
            playTurn();
            shell.take();
            engine.Timer2();
            ASSERT_EQ(shell.log.empty(), turn < kCellCount) << "the game-end watch after " << turn << " writes";
        }
        const int score = engine.grandTotal().value_or(-1);
        ASSERT_EQ(shell.log, (Log{"cover F", "handover " + std::to_string(score)}));
        ASSERT_TRUE(score >= 0 && score <= kBestScore) << score;
        engine.ScoreDealtWith();
        engine.NewGame_Click();
    }
}

}  // namespace
}  // namespace dakru::test
