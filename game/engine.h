#pragma once

#include <array>
#include <optional>
#include <string>

#include "game_record.h"
#include "game_state.h"
#include "random_source.h"
#include "seat.h"
#include "sheet.h"
#include "shell.h"
#include "totals.h"

namespace dakru {

// The rules of the game and the whole game state of the main window. The
// windows draw what it holds and forward the player's actions and the two
// timer ticks to it; everything the rules need from the platform goes through
// the Shell.
class Engine {
public:
    Engine(Shell& shell, RandomSource& random);

    // The main window has opened: the intro cue, then the cover to the front.
    void Form_Load();

    // What the player does.
    void Roll_Click();
    void Kocka_Click(int die);                // hold or release die 1 to 5; no redraw
    void Kockap_Click(int die);               // a click on the picture: hold, then Kockep
    void Cell_Click(Column column, int row);  // any of the 56 writable cells, row 1 to 14
    // After the player's yes, a new game; `table` gives its players when it
    // is for several (one person alone plays the described game), else the
    // players of the last game play again.
    void NewGame_Click(std::optional<std::vector<Seat>> table = std::nullopt);
    void ToggleSound();          // the S key
    void setSoundOff(bool off);  // the switch as the player left it last time

    // Ctrl+Z: takes back the last write or call, as long as no roll has been
    // made since and the game-end hand-over has not started. One step only.
    void Undo();
    bool canUndo() const { return undo_.has_value(); }

    // A game kept from the last run. The start looks as always; the first
    // roll press brings this game back instead of the fresh one, exactly as it
    // was left, and rolls only when it was kept between turns. A new game drops
    // it, after handing over the score of a full sheet not yet dealt with. A
    // game whose score the table had already taken is over, and not offered.
    // Its record goes on from where it was kept; without one (a game kept by
    // a version that did not record) the record starts from the position.
    void OfferKeptGame(const GameState& kept, std::optional<GameRecord> record = std::nullopt);
    bool keptGameWaiting() const { return kept_ || keptTable_; }
    // What to keep on disk now: the kept game still waiting, or the game in
    // progress; nothing before the first roll of a fresh game or once the
    // score has been dealt with. The record goes with it.
    std::optional<GameState> gameToKeep() const;
    const GameRecord& recordToKeep() const { return kept_ ? keptRecord_ : record_; }

    // Every decision of the game in play, for the review once it is over.
    const GameRecord& record() const { return record_; }

    // A game for several players. Each takes whole turns in order, on a sheet
    // of their own: the state above is always that of the player whose turn
    // it is, and passes to the next once a write ends the turn. Only a
    // person's write or call can be taken back.
    bool tableGame() const { return !table_.empty(); }
    const std::vector<Seat>& table() const { return table_; }
    int seatToPlay() const { return seat_; }
    bool computerToPlay() const { return tableGame() && !table_[seat_].person(); }
    const GameState& gameOf(int seat) const;
    // The whole table to keep on disk, as gameToKeep does for one player;
    // nothing for a game alone.
    std::optional<TableGames> tableToKeep() const;
    // A table kept from the last run, taken up like a kept game at the first roll press.
    void OfferKeptTable(TableGames kept);

    // A hint has been shown, and goes on the record. One shown for a decision
    // (the holds, a call or a write after a roll: the roll that opens a turn is
    // no choice) makes the game assisted until a new game, whatever is taken back.
    void HintShown();
    bool assisted() const { return state_.assisted; }

    // The totals tick (every 500 ms) and the game-end watch (every 5000 ms).
    void Timer1();
    void Timer2();

    // From the high-score side.
    // The score (of the player in `seat`, at a table) is about to go into the
    // table of the ten best: never again, whatever follows.
    void ScoreTaken(int seat = 0);
    void ScoreDealtWith();  // the finished game's score has been dealt with: hides Roll
    void BlankRollsLeft();  // the high-score window blanks the roll counter when activated

    // Plays a cue unless the sound is switched off; the five-of-a-kind cue
    // plays regardless. Every cue of the main and About windows goes through here.
    void PlayCue(Cue cue);

    // The main window's routines.
    void Research();
    void Rewind();
    void Rewind2();
    void Kockep();

    // The state, for the windows to draw.
    const GameState& gameState() const { return state_; }
    const Cell& cell(Column column, int row) const;
    const Die& die(int n) const;  // die 1 to 5
    const std::array<std::optional<int>, kDiceCount>& DiceFaces() const { return state_.DiceFaces; }
    std::optional<int> RollCount() const { return state_.RollCount; }
    std::optional<int> CalledRow() const { return state_.CalledRow; }
    bool rollVisible() const { return state_.rollVisible; }
    bool soundOff() const { return soundOff_; }

    // The displays: what the last totals tick wrote, empty until first written.
    std::optional<int> sum(Section section, Column column) const;
    std::optional<int> total(Section section) const;
    std::optional<int> grandTotal() const { return grandTotal_; }
    const std::string& rollsLeftText() const { return rollsLeft_; }
    const std::string& zvanjeText() const { return zvanje_; }

private:
    Shell& shell_;
    RandomSource& random_;

    Cell& cellAt(Column column, int row) { return state_.cells[index(column)][row - 1]; }
    bool isWritten(Column column, int row) const { return state_.cells[index(column)][row - 1].value.has_value(); }
    void mark(Column column, int row) { cellAt(column, row).marked = true; }
    void markIfEmpty(Column column, int row);
    void unmark(Column column, int row) { cellAt(column, row).marked = false; }
    bool onlyCallCellsLeft() const;
    int calledRowNumber() const { return state_.CalledRow.value_or(0); }
    int filledCells() const;
    void write(Column column, int row);
    void passTurn();
    bool everySheetFull() const;
    void handOver();
    void handOverTable();
    void takeUpKept();
    void resumeKeptGame();
    void showTotals();

    GameState state_;
    std::optional<GameState> undo_;  // the state before the last write or call
    bool undoBlanksSums_ = false;    // the sums were blank when undo_ was taken
    std::optional<GameState> kept_;  // from the last run, until the first roll
    GameRecord record_;
    GameRecord keptRecord_;
    // A game for several: the players, and each one's game and record (the
    // one whose turn it is lives in state_ and record_ meanwhile).
    std::vector<Seat> table_;  // empty for one player alone
    std::vector<GameState> games_;
    std::vector<GameRecord> records_;
    int seat_ = 0;
    int undoSeat_ = 0;  // whose write or call undo_ takes back
    std::optional<TableGames> keptTable_;
    bool soundOff_ = false;
    bool handingOver_ = false;   // inside the game-end hand-over
    bool totalsBehind_ = false;  // the sheet went back under the sums: the next tick rebuilds them

    std::array<std::array<std::optional<int>, kColumnCount>, kSectionCount> sums_{};
    std::array<std::optional<int>, kSectionCount> totals_{};
    std::optional<int> grandTotal_;
    std::string rollsLeft_;
    std::string zvanje_;
};

}  // namespace dakru
