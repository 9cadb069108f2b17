// Plays many complete games with random dice and random choices, like a
// player who only ever clicks what the sheet offers, and checks the rules on
// every step.

#include <algorithm>
#include <random>

#include "harness.h"
#include "row_value.h"

namespace dakru::test {
namespace {

// The best sheet: per column the upper rows 5 x (1 + ... + 6) = 105 plus the
// bonus 25, the middle (30 - 5) x 5 = 125 (five 6s against five 1s, times five
// 1s), the lower rows 28 + 35 + 45 + 58 + 64 + 80 = 310; 565 a column.
constexpr int kBestScore = 4 * (105 + 25 + 125 + 310);

class SeededDice final : public RandomSource {
public:
    explicit SeededDice(std::mt19937& random) : random_(random) {}
    float next() override { return std::min(canonical_(random_), std::nextafter(1.0f, 0.0f)); }

private:
    std::mt19937& random_;
    std::uniform_real_distribution<float> canonical_{0.0f, 1.0f};
};

// What the sums of one column should show, from its cells alone.
std::array<int, kSectionCount> expectedSums(const Engine& engine, Column column)
{
    const auto v = [&](int row) { return engine.cell(column, row).value; };
    int upper = 0, lower = 0;
    for (int row = 1; row <= 6; ++row) upper += v(row).value_or(0);
    for (int row = row::ThreeOfKind; row <= row::Dakru; ++row) lower += v(row).value_or(0);
    int middle = 0;
    if (v(row::Minimum) && v(row::Maximum)) {
        middle = std::max(0, (*v(row::Maximum) - *v(row::Minimum)) * v(1).value_or(1));
    }
    return {upper >= 60 ? upper + 25 : upper, middle, lower};
}

class RandomGames : public ::testing::Test {
protected:
    std::mt19937 random{20240611};
    SeededDice dice{random};
    RecordingShell shell;
    Engine engine{shell, dice};
    int writes = 0;

    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    template <typename T>
    const T& pick(const std::vector<T>& from)
    {
        EXPECT_FALSE(from.empty());
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    }

    // A click on any cell: a black one must change nothing at all; a yellow
    // one either places a call or writes exactly that cell with its row's value.
    void click(Column column, int row)
    {
        const Snapshot before = snapshot(engine);
        std::array<int, kDiceCount> faces{};
        for (int n = 1; n <= kDiceCount; ++n) faces[n - 1] = engine.die(n).face.value_or(0);
        const bool yellow = engine.cell(column, row).marked;
        shell.take();
        engine.Cell_Click(column, row);
        Snapshot after = snapshot(engine);
        if (!yellow) {
            ASSERT_TRUE(after == before) << "a black cell reacted";
            ASSERT_TRUE(shell.log.empty());
            return;
        }
        if (!after.values[index(column) * kRowCount + row - 1]) {
            ASSERT_EQ(column, Column::Call);
            ASSERT_EQ(engine.CalledRow(), row);
            ASSERT_EQ(test::yellow(engine), (std::vector<std::pair<Column, int>>{{column, row}}));
            return;
        }
        ++writes;
        ASSERT_EQ(engine.cell(column, row).value, RowValue(row, faces));
        after.values[index(column) * kRowCount + row - 1].reset();
        ASSERT_EQ(after.values, before.values) << "another cell changed";
        ASSERT_TRUE(test::yellow(engine).empty());
        checkTick();
    }

    void checkTick()
    {
        engine.Timer1();
        int grand = 0;
        for (const Section section : kSections) {
            int total = 0;
            for (const Column column : kColumns) {
                const int expected = expectedSums(engine, column)[index(section)];
                ASSERT_EQ(engine.sum(section, column), expected);
                total += expected;
            }
            ASSERT_EQ(engine.total(section), total);
            grand += total;
        }
        ASSERT_EQ(engine.grandTotal(), grand);
    }

    void rollOrPlaceCall()
    {
        for (int n = 1; n <= kDiceCount; ++n) {
            if (chance(0.3)) engine.Kockap_Click(n);
        }
        shell.take();
        const Snapshot before = snapshot(engine);
        engine.Roll_Click();
        if (!shell.log.empty() && shell.log.front() == "message You must place a call first !") {
            std::vector<std::pair<Column, int>> calls = test::yellow(engine);
            ASSERT_TRUE(std::all_of(calls.begin(), calls.end(), [](auto c) { return c.first == Column::Call; }));
            const auto [column, row] = pick(calls);
            click(column, row);
            return;
        }
        for (int n = 1; n <= kDiceCount; ++n) {
            ASSERT_TRUE(engine.die(n).face >= 1 && engine.die(n).face <= 6);
            if (before.held[n - 1]) {
                ASSERT_EQ(engine.die(n).face, before.faces[n - 1]) << "a held die moved";
            }
        }
        checkMarks();
        ASSERT_FALSE(test::yellow(engine).empty()) << "a roll left nothing to write";
    }

    // After a roll: Down next from the top, Up next from the bottom, Down\Up
    // anywhere, Call only on the first roll; with a call, its cell alone.
    void checkMarks()
    {
        const int called = engine.CalledRow().value_or(0);
        const auto empty = [&](Column column, int row) { return !engine.cell(column, row).value; };
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                bool expected = empty(column, row);
                switch (column) {
                case Column::Down: expected &= row == 1 || !empty(column, row - 1); break;
                case Column::Up: expected &= row == kRowCount || !empty(column, row + 1); break;
                case Column::DownUp: break;
                case Column::Call: expected &= engine.RollCount() == 1; break;
                }
                if (called > 0) expected = column == Column::Call && row == called;
                ASSERT_EQ(engine.cell(column, row).marked, expected) << index(column) << " " << row;
            }
        }
    }

    void playTurn()
    {
        const int before = writes;
        if (chance(0.1)) engine.Kockap_Click(3);  // before the first roll: no effect
        rollOrPlaceCall();
        while (writes == before && !HasFatalFailure()) {
            if (chance(0.3)) {
                click(pick(std::vector(kColumns.begin(), kColumns.end())),
                      std::uniform_int_distribution(1, kRowCount)(random));
            } else if (engine.RollCount() < 3 && chance(0.5)) {
                rollOrPlaceCall();
            } else {
                const auto [column, row] = pick(test::yellow(engine));
                click(column, row);
            }
        }
    }
};

TEST_F(RandomGames, ThreeHundredCompleteGames)
{
    int lowest = kBestScore, highest = 0;
    for (int game = 0; game < 300 && !HasFatalFailure(); ++game) {
        writes = 0;
        if (chance(0.2)) engine.ToggleSound();
        while (writes < kCellCount && !HasFatalFailure()) {
            playTurn();
            shell.take();
            engine.Timer2();
            ASSERT_EQ(shell.log.empty(), writes < kCellCount) << "after " << writes << " writes";
        }
        ASSERT_EQ(writes, kCellCount);
        ASSERT_EQ(shell.log.size(), 2u);
        const int score = std::stoi(shell.log[1].substr(std::string("handover ").size()));
        EXPECT_EQ(score, engine.grandTotal());
        ASSERT_GE(score, 0);
        ASSERT_LE(score, kBestScore);
        lowest = std::min(lowest, score);
        highest = std::max(highest, score);

        engine.ScoreDealtWith();
        shell.answers.push_back(true);
        engine.NewGame_Click();
    }
    RecordProperty("lowest", lowest);
    RecordProperty("highest", highest);
}

}  // namespace
}  // namespace dakru::test
