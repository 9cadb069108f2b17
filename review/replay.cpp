#include "replay.h"

#include <optional>

#include "engine.h"
#include "reachable.h"
#include "row_value.h"

namespace dakru::review {
namespace {

// Nobody watches a replay. A box the game shows can only be a refused roll.
class SilentShell final : public Shell {
public:
    std::string message;

    void playCue(Cue) override {}
    void playCueAndWait(Cue) override {}
    void showMessage(const std::string& text) override { message = text; }
    bool askYesNo(const std::string&) override { return false; }
    void FrontBack(Cover) override {}
    void showDiePicture(int, const std::string&) override {}
    void handOverFinalScore(std::int16_t) override {}
    void recordFinishedGame(const GameState&, const GameRecord&, const std::vector<Seat>&, int) override {}
    void handOverTable(const std::vector<Placing>&) override {}
};

// The faces a recorded roll showed, for the dice it throws, in die order.
class RecordedDice final : public RandomSource {
public:
    std::vector<int> faces;
    std::size_t thrown = 0;

    float next() override
    {
        const int face = thrown < faces.size() ? faces[thrown] : 1;
        ++thrown;
        return (static_cast<float>(face) - 0.5f) / 6.0f;
    }
};

const char* columnName(Column column)
{
    switch (column) {
    case Column::Down: return "Down";
    case Column::DownUp: return "Down\\Up";
    case Column::Up: return "Up";
    case Column::Call: return "Call";
    }
    return "";
}

std::string cellName(Column column, int row)
{
    return std::string(columnName(column)) + " row " + std::to_string(row);
}

std::string valueText(const std::optional<int>& value)
{
    return value ? std::to_string(*value) : std::string("nothing");
}

class Replayer {
public:
    Replayer() { engine_.setSoundOff(true); }

    std::optional<std::string> begin(const std::optional<GameState>& start)
    {
        if (!start) {
            return std::nullopt;
        }
        if (!reachable(*start)) {
            return "a start no play can reach";
        }
        engine_.OfferKeptGame(*start);
        // Taken up mid-turn, the game comes back without a roll; between
        // turns, the first recorded roll takes it up.
        if (start->RollCount.value_or(0) > 0) {
            engine_.Roll_Click();
        }
        return std::nullopt;
    }

    std::optional<std::string> play(const RecordedEvent& event)
    {
        switch (event.move) {
        case RecordedMove::Roll: return roll(event);
        case RecordedMove::Call: return call(event.row);
        case RecordedMove::Write: return write(event.column, event.row);
        case RecordedMove::Undo: return undo();
        case RecordedMove::Hint:
            ++result_.hintsShown;
            hinted_ = hinted_ || decidable(now());
            return std::nullopt;
        }
        return std::nullopt;
    }

    std::optional<std::string> end(const Sheet& finalSheet) const
    {
        const Sheet reached = now().cells;
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                const std::optional<int>& value = reached[index(column)][row - 1].value;
                const std::optional<int>& wanted = finalSheet[index(column)][row - 1].value;
                if (value != wanted) {
                    return "the record leaves " + valueText(value) + " in " + cellName(column, row) + ", the game has "
                           + valueText(wanted);
                }
            }
        }
        return std::nullopt;
    }

    Replay take() { return std::move(result_); }

private:
    // The game as the player has it: a kept game waiting for its first roll counts.
    GameState now() const
    {
        return engine_.keptGameWaiting() ? engine_.gameToKeep().value_or(GameState{}) : engine_.gameState();
    }

    // A position with something to choose: dice thrown and cells left.
    static bool decidable(const GameState& state)
    {
        return state.RollCount.value_or(0) > 0 && writtenCells(state.cells) < kCellCount;
    }

    void choose(const GameState& position, const advisor::Action& action)
    {
        if (decidable(position)) {
            result_.choices.push_back({position, action, hinted_});
        }
        hinted_ = false;
    }

    std::optional<std::string> roll(const RecordedEvent& event)
    {
        const GameState position = now();
        const int rolls = position.RollCount.value_or(0);
        if (rolls >= 3) {
            return std::string("a fourth roll in a turn");
        }
        dice_.faces.clear();
        dice_.thrown = 0;
        for (int n = 0; n < kDiceCount; ++n) {
            if (event.faces[n] < 1 || event.faces[n] > 6) {
                return "die " + std::to_string(n + 1) + " shows " + std::to_string(event.faces[n]);
            }
            if (!event.held[n]) {
                dice_.faces.push_back(event.faces[n]);
            } else if (rolls == 0) {
                return "die " + std::to_string(n + 1) + " held before the turn's first roll";
            } else if (position.dice[n].face != event.faces[n]) {
                return "held die " + std::to_string(n + 1) + " changed its face";
            }
        }
        advisor::Action action;
        action.hold = event.held;
        choose(position, action);
        if (rolls > 0) {
            for (int n = 0; n < kDiceCount; ++n) {
                if (position.dice[n].held != event.held[n]) {
                    engine_.Kocka_Click(n + 1);
                }
            }
        }
        shell_.message.clear();
        engine_.Roll_Click();
        if (!shell_.message.empty()) {
            return "the game refused the roll: " + shell_.message;
        }
        const GameState& after = engine_.gameState();
        bool asRecorded = after.RollCount.value_or(0) == rolls + 1 && dice_.thrown == dice_.faces.size();
        for (int n = 0; n < kDiceCount; ++n) {
            asRecorded = asRecorded && after.dice[n].face == event.faces[n];
        }
        return asRecorded ? std::nullopt : std::optional<std::string>("the roll did not come out as recorded");
    }

    std::optional<std::string> call(int row)
    {
        const GameState position = now();
        if (row < 1 || row > kRowCount || position.CalledRow.value_or(0) != 0
            || !position.cells[index(Column::Call)][row - 1].marked) {
            return "a call on row " + std::to_string(row) + ", which may not be called now";
        }
        advisor::Action action;
        action.move = advisor::Move::Call;
        action.column = Column::Call;
        action.row = row;
        choose(position, action);
        engine_.Cell_Click(Column::Call, row);
        if (engine_.gameState().CalledRow != row) {
            return "the call on row " + std::to_string(row) + " was not placed";
        }
        return std::nullopt;
    }

    std::optional<std::string> write(Column column, int row)
    {
        const GameState position = now();
        const bool open = row >= 1 && row <= kRowCount && position.cells[index(column)][row - 1].marked
                          && (column != Column::Call || position.CalledRow.value_or(0) == row);
        if (!open) {
            return "a write into " + cellName(column, row) + ", which may not be written now";
        }
        advisor::Action action;
        action.move = advisor::Move::Write;
        action.column = column;
        action.row = row;
        std::array<int, kDiceCount> faces{};
        for (int n = 0; n < kDiceCount; ++n) {
            faces[n] = position.dice[n].face.value_or(0);
        }
        action.score = RowValue(row, faces);
        choose(position, action);
        engine_.Cell_Click(column, row);
        if (!engine_.gameState().cells[index(column)][row - 1].value) {
            return "the write into " + cellName(column, row) + " did not happen";
        }
        return std::nullopt;
    }

    std::optional<std::string> undo()
    {
        // Only a write or a call is taken back, and each is a choice.
        if (!engine_.canUndo() || result_.choices.empty()) {
            return std::string("an undo with nothing to take back");
        }
        engine_.Undo();
        hinted_ = result_.choices.back().hinted;
        result_.choices.pop_back();
        ++result_.undos;
        return std::nullopt;
    }

    SilentShell shell_;
    RecordedDice dice_;
    Engine engine_{shell_, dice_};
    Replay result_;
    bool hinted_ = false;
};

}  // namespace

Replay replay(const GameRecord& record, const Sheet& finalSheet)
{
    Replayer replayer;
    const auto refused = [](std::string why) {
        Replay refusal;
        refusal.refusal = std::move(why);
        return refusal;
    };
    if (std::optional<std::string> why = replayer.begin(record.start)) {
        return refused(*why);
    }
    for (std::size_t i = 0; i < record.events.size(); ++i) {
        if (std::optional<std::string> why = replayer.play(record.events[i])) {
            return refused("event " + std::to_string(i + 1) + ": " + *why);
        }
    }
    if (std::optional<std::string> why = replayer.end(finalSheet)) {
        return refused(*why);
    }
    return replayer.take();
}

}  // namespace dakru::review
