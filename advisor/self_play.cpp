#include "self_play.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>

#include "engine.h"
#include "totals.h"

namespace dakru::advisor {
namespace {

// The game with nobody watching: no sound, no pictures, and every question
// about a new game answered No. A message means the move was refused.
class QuietShell final : public Shell {
public:
    void playCue(Cue) override {}
    void playCueAndWait(Cue) override {}
    void showMessage(const std::string& text) override { throw std::logic_error("refused: " + text); }
    bool askYesNo(const std::string&) override { return false; }
    void FrontBack(Cover) override {}
    void showDiePicture(int, const std::string&) override {}
    void handOverFinalScore(std::int16_t) override {}
    void recordFinishedGame(const GameState&, const GameRecord&, const std::vector<Seat>&, int) override {}
    void handOverTable(const std::vector<Placing>&) override {}
};

int filled(const Sheet& sheet)
{
    int n = 0;
    for (const auto& column : sheet) {
        for (const Cell& c : column) {
            n += c.value ? 1 : 0;
        }
    }
    return n;
}

void carryOut(Engine& engine, const Action& action, GameRecord& record)
{
    const GameState& state = engine.gameState();
    if (action.move == Move::Roll) {
        const int before = state.RollCount.value_or(0);
        for (int n = 1; n <= kDiceCount; ++n) {
            if (state.dice[n - 1].face && state.dice[n - 1].held != action.hold[n - 1]) {
                engine.Kocka_Click(n);
            }
        }
        std::array<bool, kDiceCount> held{};
        std::transform(state.dice.begin(), state.dice.end(), held.begin(), [](const Die& d) { return d.held; });
        engine.Roll_Click();
        if (state.RollCount.value_or(0) != before + 1) {
            throw std::logic_error("a roll the game does not allow");
        }
        std::array<int, kDiceCount> faces{};
        std::transform(state.dice.begin(), state.dice.end(), faces.begin(), [](const Die& d) { return *d.face; });
        record.roll(held, faces);
        return;
    }
    if (!state.cells[index(action.column)][action.row - 1].marked) {
        throw std::logic_error("a cell that is not marked: column " + std::to_string(index(action.column)) + ", row "
                               + std::to_string(action.row));
    }
    engine.Cell_Click(action.column, action.row);
    const bool done = action.move == Move::Call ? state.CalledRow == action.row
                                                : state.cells[index(action.column)][action.row - 1].value.has_value();
    if (!done) {
        throw std::logic_error(action.move == Move::Call ? "a call that was not placed"
                                                         : "a write that did not happen");
    }
    if (action.move == Move::Call) {
        record.call(action.row);
    } else {
        record.write(action.column, action.row);
    }
}

}  // namespace

Sheet sheetAfter(const PlayedGame& game, int turn)
{
    Sheet sheet{};
    for (int c = 0; c < kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            if (game.writtenInTurn[c][r] <= turn) {
                sheet[c][r].value = game.sheet[c][r].value;
            }
        }
    }
    return sheet;
}

PlayedGame playGame(Player& player, std::uint64_t seed, const DecisionClock& clock)
{
    QuietShell shell;
    SeededDice dice(seed);
    Engine engine(shell, dice);
    engine.setSoundOff(true);
    PlayedGame game;
    // A turn takes at most three rolls, a call and a write.
    const int limit = kCellCount * 5;
    while (filled(engine.gameState().cells) < kCellCount) {
        if (++game.decisions > limit) {
            throw std::logic_error("the game does not advance");
        }
        const auto start = std::chrono::steady_clock::now();
        const Action action = player.decide(engine.gameState());
        if (clock) {
            clock(std::chrono::steady_clock::now() - start);
        }
        carryOut(engine, action, game.record);
        const Sheet& sheet = engine.gameState().cells;
        const int turn = filled(sheet);
        for (int c = 0; c < kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                if (sheet[c][r].value && game.writtenInTurn[c][r] == 0) {
                    game.writtenInTurn[c][r] = turn;
                }
            }
        }
    }
    game.sheet = engine.gameState().cells;
    game.finalScore = computeTotals(game.sheet).grandTotal;
    return game;
}

}  // namespace dakru::advisor
