#pragma once

// A recording shell, fixed dice and the moves of a player, shared by the engine tests.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine.h"

namespace dakru::test {

using Log = std::vector<std::string>;
using Dice = std::vector<int>;
using Cells = std::vector<std::pair<Column, int>>;

// Every request made of the platform, in order, one line each: "cue Check.wav",
// "wait d2.wav", "message ...", "ask ...", "cover F", "picture 3 d5s.jpg", "handover 468".
class RecordingShell final : public Shell {
public:
    Log log;
    bool answer = true;                      // to every Yes/No question
    std::function<void()> whileCuePlaying;   // runs inside a synchronous cue
    std::function<void()> whileHandingOver;  // runs inside the hand-over, as a modal box would

    void playCue(Cue cue) override { log.push_back("cue " + std::string(cueFileName(cue))); }
    void playCueAndWait(Cue cue) override
    {
        log.push_back("wait " + std::string(cueFileName(cue)));
        if (whileCuePlaying)
            whileCuePlaying();
    }
    void showMessage(const std::string& text) override { log.push_back("message " + text); }
    bool askYesNo(const std::string& text) override
    {
        log.push_back("ask " + text);
        return answer;
    }
    void FrontBack(Cover cover) override { log.push_back(cover == Cover::Front ? "cover F" : "cover B"); }
    void showDiePicture(int die, const std::string& file) override
    {
        log.push_back("picture " + std::to_string(die) + " " + file);
    }
    void handOverFinalScore(std::int16_t FinalScore) override
    {
        log.push_back("handover " + std::to_string(FinalScore));
        if (whileHandingOver)
            whileHandingOver();
    }
    // Kept apart from the log, which follows what the player sees and hears.
    void recordFinishedGame(const GameState& game, const GameRecord& record, const std::vector<Seat>& table,
                            int seat) override
    {
        finished.push_back(game);
        finishedRecords.push_back(record);
        finishedSeats.push_back(table.empty() ? "alone" : table[static_cast<std::size_t>(seat)].name);
    }
    void handOverTable(const std::vector<Placing>& ranking) override
    {
        std::string line = "ranking";
        for (const Placing& placing : ranking)
            line += " " + std::to_string(placing.seat) + ":" + std::to_string(placing.score);
        log.push_back(line);
        if (whileHandingOver)
            whileHandingOver();
    }
    std::vector<GameState> finished;
    std::vector<GameRecord> finishedRecords;
    std::vector<std::string> finishedSeats;  // the player of each finished game, "alone" for one player
    // 1, 2, ...: the same in every run.
    GameId newGameId() override { return {0, ++ids}; }
    std::uint64_t ids = 0;
    Log take() { return std::exchange(log, {}); }
};

// Dice queued by the test: face f comes from r = (f - 0.5) / 6.
class FixedDice final : public RandomSource {
public:
    std::deque<int> faces;
    float next() override
    {
        const int face = faces.at(0);  // throws when a die is thrown that the test did not queue
        faces.pop_front();
        return (static_cast<float>(face) - 0.5f) / 6.0f;
    }
};

// A legal order for the whole sheet: Down from the top, Down\Up, Up from the bottom, Call.
inline Cells fillOrder()
{
    Cells order;
    for (int row = 1; row <= kRowCount; ++row)
        order.emplace_back(Column::Down, row);
    for (int row = 1; row <= kRowCount; ++row)
        order.emplace_back(Column::DownUp, row);
    for (int row = kRowCount; row >= 1; --row)
        order.emplace_back(Column::Up, row);
    for (int row = 1; row <= kRowCount; ++row)
        order.emplace_back(Column::Call, row);
    return order;
}

// The cells that may be written now, in fillOrder().
inline Cells yellow(const Engine& engine)
{
    Cells cells = fillOrder();
    std::erase_if(cells, [&](auto c) { return !engine.cell(c.first, c.second).marked; });
    return cells;
}

// All the state a rule reads or the player sees, as one comparable text.
inline std::string state(const Engine& e)
{
    std::ostringstream out;
    const auto put = [&](std::optional<int> v) { out << (v ? std::to_string(*v) : "-") << ' '; };
    for (const auto& [column, row] : fillOrder()) {
        put(e.cell(column, row).value);
        out << e.cell(column, row).marked;
    }
    for (const Section section : kSections) {
        for (const Column column : kColumns)
            put(e.sum(section, column));
        put(e.total(section));
    }
    for (int n = 1; n <= kDiceCount; ++n) {
        put(e.die(n).face);
        put(e.DiceFaces()[n - 1]);
        out << e.die(n).held;
    }
    for (const std::optional<int> v : {e.RollCount(), e.CalledRow(), e.grandTotal()})
        put(v);
    out << e.rollVisible() << e.soundOff() << " '" << e.rollsLeftText() << "' '" << e.zvanjeText() << "'";
    return out.str();
}

// One game on the recording shell with queued dice, and the moves of a player.
struct Play {
    RecordingShell shell;
    FixedDice dice;
    Engine engine{shell, dice};

    // A roll; the faces are those of the released dice, in die order.
    void roll(const Dice& faces)
    {
        dice.faces.assign(faces.begin(), faces.end());
        engine.Roll_Click();
        EXPECT_TRUE(dice.faces.empty()) << "fewer dice thrown than queued";
    }
    // A whole turn: a roll, then the cell (in the Call column a call first).
    void write(Column column, int row, const Dice& faces = {1, 1, 1, 1, 1})
    {
        roll(faces);
        if (column == Column::Call)
            click(column, row);
        click(column, row);
        ASSERT_TRUE(value(column, row)) << "cell not written";
    }
    // The first cells of fillOrder(), each with five 1s: a full column then
    // scores 5 + 0 + (13 + 44 + 55) = 117, the full sheet 468.
    void fill(std::size_t cells)
    {
        const Cells order = fillOrder();
        for (std::size_t i = 0; i < cells; ++i)
            write(order[i].first, order[i].second);
    }
    void click(Column column, int row) { engine.Cell_Click(column, row); }
    std::optional<int> value(Column column, int row) const { return engine.cell(column, row).value; }
};

class Game : public ::testing::Test, protected Play {};

}  // namespace dakru::test
