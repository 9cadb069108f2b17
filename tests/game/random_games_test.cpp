// Many complete games with random dice and random choices, by a player who
// also clicks black cells, with the rules checked on every step.

#include <algorithm>
#include <random>

#include "harness.h"
#include "row_value.h"

namespace dakru::test {
namespace {

// The best sheet, per column: rows 1 to 6 at 5 x (1 + ... + 6) = 105 plus the
// bonus 25; the middle (30 - 5) x 5 = 125 (five 6s, five 1s, five 1s); the
// lower rows 28 + 35 + 45 + 58 + 64 + 80 = 310. Nothing is ever negative.
constexpr int kBestScore = 4 * (105 + 25 + 125 + 310);

class SeededDice final : public RandomSource {
public:
    explicit SeededDice(std::mt19937& random) : random_(random) {}
    float next() override { return std::min(uniform_(random_), std::nextafter(1.0f, 0.0f)); }

private:
    std::mt19937& random_;
    std::uniform_real_distribution<float> uniform_{0.0f, 1.0f};
};

class RandomGames : public ::testing::Test {
protected:
    std::mt19937 random{20240611};
    SeededDice dice{random};
    RecordingShell shell;
    Engine engine{shell, dice};
    int writes = 0;

    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    int upTo(int n) { return std::uniform_int_distribution(1, n)(random); }
    std::pair<Column, int> pick(const Cells& cells)
    {
        return cells.at(static_cast<std::size_t>(upTo(static_cast<int>(cells.size())) - 1));
    }
    std::optional<int> value(Column column, int row) const { return engine.cell(column, row).value; }

    // A black cell changes nothing; a yellow one places a call or writes its row's value.
    void click(Column column, int row)
    {
        const std::string before = state(engine);
        std::array<int, kDiceCount> faces{};
        for (int n = 1; n <= kDiceCount; ++n) faces[n - 1] = engine.die(n).face.value_or(0);
        const bool marked = engine.cell(column, row).marked;
        shell.take();
        engine.Cell_Click(column, row);
        if (!marked) {
            ASSERT_EQ(state(engine), before) << "a black cell reacted";
            ASSERT_TRUE(shell.log.empty());
        } else if (!value(column, row)) {
            ASSERT_EQ(yellow(engine), (Cells{{Column::Call, row}})) << "only the call stays yellow";
        } else {
            ++writes;
            const Cells all = fillOrder();
            ASSERT_EQ(std::count_if(all.begin(), all.end(), [&](auto c) { return value(c.first, c.second); }), writes)
                << "a write must fill exactly one empty cell";
            ASSERT_EQ(value(column, row), RowValue(row, faces));
            ASSERT_TRUE(yellow(engine).empty());
            checkSums();
        }
    }

    // After a tick every sum matches its cells, the totals their sums.
    void checkSums()
    {
        engine.Timer1();
        int grand = 0;
        for (const Section section : kSections) {
            int total = 0;
            for (const Column column : kColumns) {
                const auto v = [&](int row) { return value(column, row); };
                int sum = 0;
                if (section == Section::Upper) {
                    for (int row = 1; row <= 6; ++row) sum += v(row).value_or(0);
                    sum += sum >= 60 ? 25 : 0;
                } else if (section == Section::Lower) {
                    for (int row = row::ThreeOfKind; row <= row::Dakru; ++row) sum += v(row).value_or(0);
                } else if (v(row::Minimum) && v(row::Maximum)) {
                    sum = std::max(0, (*v(row::Maximum) - *v(row::Minimum)) * v(1).value_or(1));
                }
                ASSERT_EQ(engine.sum(section, column), sum);
                total += sum;
            }
            ASSERT_EQ(engine.total(section), total);
            grand += total;
        }
        ASSERT_EQ(engine.grandTotal(), grand);
    }

    // Down next from the top, Up next from the bottom, Down\Up anywhere, Call
    // only after the first roll; with a call, its cell alone.
    void checkMarks()
    {
        const int called = engine.CalledRow().value_or(0);
        for (const auto& [column, row] : fillOrder()) {
            bool expected = !value(column, row);
            if (column == Column::Down) expected &= row == 1 || value(column, row - 1);
            if (column == Column::Up) expected &= row == kRowCount || value(column, row + 1);
            if (column == Column::Call) expected &= engine.RollCount() == 1;
            if (called > 0) expected = column == Column::Call && row == called;
            ASSERT_EQ(engine.cell(column, row).marked, expected) << index(column) << " " << row;
        }
    }

    void holdSomeAndRoll()
    {
        for (int n = 1; n <= kDiceCount; ++n) {
            if (chance(0.3)) engine.Kockap_Click(n);
        }
        const std::string before = state(engine);
        std::vector<std::optional<int>> heldFaces;
        for (int n = 1; n <= kDiceCount; ++n) heldFaces.push_back(engine.die(n).held ? engine.die(n).face : 0);
        shell.take();
        engine.Roll_Click();
        if (!shell.log.empty() && shell.log.front() == "message You must place a call first !") {
            ASSERT_EQ(state(engine), before);
            const Cells calls = yellow(engine);
            ASSERT_TRUE(std::all_of(calls.begin(), calls.end(), [](auto c) { return c.first == Column::Call; }));
            const auto [column, row] = pick(calls);
            click(column, row);  // as a player would: place the call
            return;
        }
        for (int n = 1; n <= kDiceCount; ++n) {
            ASSERT_TRUE(engine.die(n).face >= 1 && engine.die(n).face <= 6);
            ASSERT_TRUE(heldFaces[n - 1] == 0 || engine.die(n).face == heldFaces[n - 1]) << "a held die moved";
        }
        checkMarks();
        ASSERT_FALSE(yellow(engine).empty()) << "a roll left nothing to write";
    }

    void playTurn()
    {
        const int before = writes;
        if (chance(0.1)) engine.Kockap_Click(upTo(kDiceCount));  // before the first roll: no effect
        holdSomeAndRoll();
        while (writes == before && !HasFatalFailure()) {
            if (chance(0.3)) {
                const auto [column, row] = pick(fillOrder());  // any cell, often a black one
                click(column, row);
            } else if (engine.RollCount() < 3 && chance(0.5)) {
                holdSomeAndRoll();
            } else {
                const auto [column, row] = pick(yellow(engine));
                click(column, row);
            }
        }
    }
};

TEST_F(RandomGames, ThreeHundredCompleteGames)
{
    for (int game = 0; game < 300 && !HasFatalFailure(); ++game) {
        writes = 0;
        if (chance(0.2)) engine.ToggleSound();
        while (writes < kCellCount && !HasFatalFailure()) {
            playTurn();
            shell.take();
            engine.Timer2();
            ASSERT_EQ(shell.log.empty(), writes < kCellCount) << "after " << writes << " writes";
        }
        ASSERT_EQ(shell.log.size(), 2u);
        const int score = std::stoi(shell.log[1].substr(std::string("handover ").size()));
        EXPECT_EQ(score, engine.grandTotal());
        ASSERT_GE(score, 0);
        ASSERT_LE(score, kBestScore);

        engine.ScoreDealtWith();
        shell.answers.push_back(true);
        engine.NewGame_Click();
    }
}

}  // namespace
}  // namespace dakru::test
