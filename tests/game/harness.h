#pragma once

// A recording shell, fixed dice and a few moves that the engine tests share.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine.h"

namespace dakru::test {

// Every request the engine makes of the platform, in order, as one line each:
// "cue Check", "wait d2.wav", "message ...", "ask ...", "cover F", "cover B",
// "picture 3 d5s.jpg", "handover 468".
class RecordingShell final : public Shell {
public:
    std::vector<std::string> log;
    std::deque<bool> answers;              // scripted Yes (true) / No answers
    std::function<void()> whileCuePlaying;  // runs inside a synchronous cue
    std::function<void()> whileHandingOver;  // runs inside the hand-over, as a modal box would

    void playCue(Cue cue) override { log.push_back("cue " + std::string(cueFileName(cue))); }
    void playCueAndWait(Cue cue) override
    {
        log.push_back("wait " + std::string(cueFileName(cue)));
        if (whileCuePlaying) {
            whileCuePlaying();
        }
    }
    void showMessage(const std::string& text) override { log.push_back("message " + text); }
    bool askYesNo(const std::string& text) override
    {
        log.push_back("ask " + text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void FrontBack(Cover cover) override { log.push_back(cover == Cover::Front ? "cover F" : "cover B"); }
    void showDiePicture(int die, const std::string& fileName) override
    {
        log.push_back("picture " + std::to_string(die) + " " + fileName);
    }
    void handOverFinalScore(std::int16_t FinalScore) override
    {
        log.push_back("handover " + std::to_string(FinalScore));
        if (whileHandingOver) {
            whileHandingOver();
        }
    }

    std::vector<std::string> take() { return std::exchange(log, {}); }
};

// Dice whose faces are queued by the test: face f comes from r = (f - 0.5) / 6.
class FixedDice final : public RandomSource {
public:
    std::deque<int> faces;
    float next() override
    {
        if (faces.empty()) {
            ADD_FAILURE() << "a die was thrown that the test did not expect";
            return 0.0f;
        }
        const int face = faces.front();
        faces.pop_front();
        return (static_cast<float>(face) - 0.5f) / 6.0f;
    }
};

using Dice = std::vector<int>;

// Everything the player can see or that a rule reads, for before/after comparisons.
struct Snapshot {
    std::vector<std::optional<int>> values, sums;
    std::vector<bool> marks, held;
    std::vector<std::optional<int>> faces, diceFaces;
    std::optional<int> rollCount, calledRow, grandTotal;
    bool rollVisible;
    std::string rollsLeft, zvanje;
    bool operator==(const Snapshot&) const = default;
};

// The cells that may be written now.
inline std::vector<std::pair<Column, int>> yellow(const Engine& engine)
{
    std::vector<std::pair<Column, int>> cells;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (engine.cell(column, row).marked) {
                cells.emplace_back(column, row);
            }
        }
    }
    return cells;
}

inline Snapshot snapshot(const Engine& engine)
{
    Snapshot s{};
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            s.values.push_back(engine.cell(column, row).value);
            s.marks.push_back(engine.cell(column, row).marked);
        }
        for (const Section section : kSections) {
            s.sums.push_back(engine.sum(section, column));
        }
    }
    for (const Section section : kSections) {
        s.sums.push_back(engine.total(section));
    }
    for (int n = 1; n <= kDiceCount; ++n) {
        s.faces.push_back(engine.die(n).face);
        s.held.push_back(engine.die(n).held);
        s.diceFaces.push_back(engine.DiceFaces()[n - 1]);
    }
    s.rollCount = engine.RollCount();
    s.calledRow = engine.CalledRow();
    s.grandTotal = engine.grandTotal();
    s.rollVisible = engine.rollVisible();
    s.rollsLeft = engine.rollsLeftText();
    s.zvanje = engine.zvanjeText();
    return s;
}

class Game : public ::testing::Test {
protected:
    RecordingShell shell;
    FixedDice dice;
    Engine engine{shell, dice};

    // Rolls; the faces are those of the released dice, in die order.
    void roll(const Dice& faces)
    {
        dice.faces.assign(faces.begin(), faces.end());
        engine.Roll_Click();
        EXPECT_TRUE(dice.faces.empty()) << "fewer dice thrown than queued";
    }
    // One whole turn: a roll, then the cell (a call first in the Call column).
    void write(Column column, int row, const Dice& faces = {1, 1, 1, 1, 1})
    {
        roll(faces);
        if (column == Column::Call) {
            engine.Cell_Click(column, row);
        }
        engine.Cell_Click(column, row);
        ASSERT_TRUE(engine.cell(column, row).value) << "cell not written";
    }
    void click(Column column, int row) { engine.Cell_Click(column, row); }

    std::vector<std::pair<Column, int>> yellow() const { return test::yellow(engine); }
    std::optional<int> value(Column column, int row) const { return engine.cell(column, row).value; }
    Snapshot snapshot() const { return test::snapshot(engine); }
};

// A legal order for the whole sheet: Down from the top, Down\Up, Up from the
// bottom, then the Call column.
inline std::vector<std::pair<Column, int>> fillOrder()
{
    std::vector<std::pair<Column, int>> order;
    for (int row = 1; row <= kRowCount; ++row) order.emplace_back(Column::Down, row);
    for (int row = 1; row <= kRowCount; ++row) order.emplace_back(Column::DownUp, row);
    for (int row = kRowCount; row >= 1; --row) order.emplace_back(Column::Up, row);
    for (int row = 1; row <= kRowCount; ++row) order.emplace_back(Column::Call, row);
    return order;
}

}  // namespace dakru::test
