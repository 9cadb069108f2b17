#include "engine.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "reachable.h"
#include "row_value.h"

namespace dakru {
namespace {

constexpr Cue rollingCue(int dice)
{
    constexpr std::array<Cue, kDiceCount> cues{Cue::Dice1, Cue::Dice2, Cue::Dice3, Cue::Dice4, Cue::Dice5};
    return cues[dice - 1];
}

void checkRow(int row)
{
    if (row < 1 || row > kRowCount) {
        throw std::out_of_range("scoring rows are numbered 1 to 14");
    }
}

void checkDie(int n)
{
    if (n < 1 || n > kDiceCount) {
        throw std::out_of_range("dice are numbered 1 to 5");
    }
}

// The picture file of a die: "d" and its face, then "s.jpg" when held or
// ".jpg" when not. Made once: the dice are redrawn after every roll and hold,
// and on every totals tick between turns.
const std::string& pictureName(const Die& d)
{
    static const auto names = [] {
        std::array<std::array<std::string, 2>, 7> made;
        for (int face = 0; face <= 6; ++face) {
            const std::string stem = "d" + (face > 0 ? std::to_string(face) : std::string());
            made[face] = {stem + ".jpg", stem + "s.jpg"};
        }
        return made;
    }();
    return names[d.face.value_or(0)][d.held ? 1 : 0];
}

}  // namespace

Engine::Engine(Shell& shell, RandomSource& random) : shell_(shell), random_(random) {}

const Cell& Engine::cell(Column column, int row) const
{
    checkRow(row);
    return state_.cells[index(column)][row - 1];
}

const Die& Engine::die(int n) const
{
    checkDie(n);
    return state_.dice[n - 1];
}

std::optional<int> Engine::sum(Section section, Column column) const
{
    return sums_[index(section)][index(column)];
}

std::optional<int> Engine::total(Section section) const
{
    return totals_[index(section)];
}

void Engine::PlayCue(Cue cue)
{
    if (!soundOff_ || cue == Cue::FiveOfKind) {
        shell_.playCue(cue);
    }
}

void Engine::Form_Load()
{
    PlayCue(Cue::Intro);
    shell_.FrontBack(Cover::Front);
}

// Down is written from the top and Up from the bottom, so when their last
// cells and every Down\Up cell are written, only Call cells are left.
bool Engine::onlyCallCellsLeft() const
{
    if (!isWritten(Column::Down, row::Dakru) || !isWritten(Column::Up, 1)) {
        return false;
    }
    for (int row = 1; row <= kRowCount; ++row) {
        if (!isWritten(Column::DownUp, row)) {
            return false;
        }
    }
    return true;
}

void Engine::Roll_Click()
{
    if (kept_ || keptTable_) {
        // A game kept mid-turn comes back as it was left, its dice unthrown
        // again; only one kept between turns goes on with this roll.
        const GameState& kept = kept_ ? *kept_ : keptTable_->games[keptTable_->turn];
        const bool betweenTurns = kept.RollCount.value_or(0) == 0;
        resumeKeptGame();
        if (!betweenTurns) {
            return;
        }
    }
    if (calledRowNumber() <= 0 && state_.RollCount.value_or(0) == 1 && onlyCallCellsLeft()) {
        shell_.showMessage("You must place a call first !");
        return;
    }
    shell_.FrontBack(Cover::Back);
    if (state_.RollCount.value_or(0) == 3) {
        return;
    }
    state_.RollCount = state_.RollCount.value_or(0) + 1;
    undo_.reset();
    if (!state_.id) {
        state_.id = shell_.newGameId();
    }

    auto& dice = state_.dice;
    std::array<bool, kDiceCount> held{};
    std::transform(dice.begin(), dice.end(), held.begin(), [](const Die& d) { return d.held; });
    const auto released = static_cast<int>(std::count(held.begin(), held.end(), false));
    if (released > 0 && !soundOff_) {
        shell_.playCueAndWait(rollingCue(released));
    }

    std::array<int, kDiceCount> faces{};
    for (int n = 0; n < kDiceCount; ++n) {
        if (!dice[n].held) {
            const int face = std::clamp(static_cast<int>(random_.next() * 6.0f) + 1, 1, 6);
            dice[n].face = face;
            state_.DiceFaces[n] = face;
        }
        faces[n] = dice[n].face.value_or(0);
    }
    record_.roll(held, faces);

    for (int face = 1; face <= 6; ++face) {
        if (std::count(state_.DiceFaces.begin(), state_.DiceFaces.end(), face) > 4) {
            PlayCue(Cue::FiveOfKind);
        }
    }

    Kockep();
    Research();
}

void Engine::Kocka_Click(int n)
{
    checkDie(n);
    if (!state_.dice[0].face) {
        return;  // no roll yet in this turn
    }
    state_.dice[n - 1].held = !state_.dice[n - 1].held;
    PlayCue(Cue::Check);
}

void Engine::Kockap_Click(int n)
{
    Kocka_Click(n);
    Kockep();
}

void Engine::Kockep()
{
    for (int n = 1; n <= kDiceCount; ++n) {
        shell_.showDiePicture(n, pictureName(state_.dice[n - 1]));
    }
}

void Engine::write(Column column, int row)
{
    record_.write(column, row);
    PlayCue(Cue::ClickYellow);
    std::array<int, kDiceCount> faces{};
    std::transform(state_.dice.begin(), state_.dice.end(), faces.begin(),
                   [](const Die& d) { return d.face.value_or(0); });
    cellAt(column, row).value = RowValue(row, faces);
}

void Engine::Cell_Click(Column column, int row)
{
    checkRow(row);
    // A click on a marked cell writes it or places the call: either can be
    // taken back, when a person made it.
    if (cell(column, row).marked) {
        if (computerToPlay()) {
            undo_.reset();
        } else {
            undo_ = state_;
            undoSeat_ = seat_;
            undoBlanksSums_ = !grandTotal_ && !totalsBehind_;
        }
    }
    if (column != Column::Call) {
        if (cell(column, row).marked) {
            write(column, row);
            Rewind();
            passTurn();
        }
        return;
    }

    // The Call column: the called cell is written; a first click on a marked
    // cell places the call.
    if (cell(column, row).marked && calledRowNumber() == row && state_.RollCount.value_or(0) > 0) {
        write(column, row);
        state_.CalledRow = 0;
        Rewind();
        passTurn();
        return;
    }
    if (cell(column, row).marked) {
        if (row == row::Minimum || row == row::Maximum) {
            PlayCue(Cue::ClickYellow);
        }
        state_.CalledRow = row;
        record_.call(row);
        Rewind2();
    }
}

void Engine::Rewind()
{
    state_.RollCount = 0;
    for (Die& d : state_.dice) {
        d = Die{};
    }
    state_.DiceFaces.fill(0);
    for (auto& column : state_.cells) {
        for (Cell& c : column) {
            c.marked = false;
        }
    }
}

void Engine::Rewind2()
{
    for (int row = 1; row <= kRowCount; ++row) {
        if (calledRowNumber() != row) {
            unmark(Column::Call, row);
        }
    }
    for (const Column column : {Column::Down, Column::DownUp, Column::Up}) {
        for (int row = 1; row <= kRowCount; ++row) {
            unmark(column, row);
        }
    }
}

void Engine::markIfEmpty(Column column, int row)
{
    if (!isWritten(column, row)) {
        mark(column, row);
    }
}

void Engine::Research()
{
    for (int row = 1; row <= kRowCount; ++row) {
        if (!isWritten(Column::Call, row) && state_.RollCount.value_or(0) == 1) {
            mark(Column::Call, row);
        } else if (calledRowNumber() != row) {
            unmark(Column::Call, row);
        }
    }
    if (calledRowNumber() > 0) {
        Rewind2();
        return;
    }

    markIfEmpty(Column::Down, 1);
    for (int row = 1; row <= kRowCount; ++row) {
        markIfEmpty(Column::DownUp, row);
    }
    markIfEmpty(Column::Up, row::Dakru);
    for (int row = 2; row <= kRowCount; ++row) {
        if (isWritten(Column::Down, row - 1)) {
            markIfEmpty(Column::Down, row);
        }
    }
    for (int row = kRowCount - 1; row >= 1; --row) {
        if (isWritten(Column::Up, row + 1)) {
            markIfEmpty(Column::Up, row);
        }
    }
}

void Engine::Timer1()
{
    if (!state_.rollVisible) {
        return;
    }
    const int rolls = state_.RollCount.value_or(0);
    rollsLeft_ = rolls == 0 ? std::string() : std::to_string(rolls);
    zvanje_ = calledRowNumber() > 0 ? "CALL" : "";

    // Sums and the dice pictures follow the sheet only between turns. At
    // program start the roll count is still unset, so they stay blank until
    // the first turn ends or a new game starts.
    if (state_.RollCount == 0) {
        Kockep();
        showTotals();
    } else if (totalsBehind_) {
        showTotals();
    }
}

void Engine::showTotals()
{
    const Totals totals = computeTotals(state_.cells);
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            sums_[index(section)][index(column)] = totals.sums[index(section)][index(column)];
        }
        totals_[index(section)] = totals.sectionTotals[index(section)];
    }
    grandTotal_ = totals.grandTotal;
    totalsBehind_ = false;
}

int Engine::filledCells() const
{
    return writtenCells(state_.cells);
}

void Engine::Timer2()
{
    // The high-score side may keep a modal box open inside the hand-over while
    // the timers go on ticking; a tick nested in it must not hand over again.
    if (!state_.rollVisible || handingOver_) {
        return;
    }
    if (everySheetFull()) {
        handOver();
    }
}

bool Engine::everySheetFull() const
{
    if (filledCells() != kCellCount) {
        return false;
    }
    for (std::size_t seat = 0; seat < games_.size(); ++seat) {
        if (static_cast<int>(seat) != seat_ && writtenCells(games_[seat].cells) != kCellCount) {
            return false;
        }
    }
    return true;
}

// The turn goes to the next player whose sheet still has room: players take
// whole turns in order, so the last write of the last player fills the last sheet.
void Engine::passTurn()
{
    if (!tableGame()) {
        return;
    }
    const int seats = static_cast<int>(table_.size());
    for (int step = 1; step < seats; ++step) {
        const int next = (seat_ + step) % seats;
        if (writtenCells(games_[next].cells) < kCellCount) {
            games_[seat_] = std::exchange(state_, games_[next]);
            records_[seat_] = std::exchange(record_, std::move(records_[next]));
            seat_ = next;
            totalsBehind_ = true;
            return;
        }
    }
}

const GameState& Engine::gameOf(int seat) const
{
    return seat == seat_ || !tableGame() ? state_ : games_.at(static_cast<std::size_t>(seat));
}

std::optional<TableGames> Engine::tableToKeep() const
{
    if (keptTable_) {
        return keptTable_;
    }
    if (!tableGame() || !state_.rollVisible) {
        return std::nullopt;
    }
    TableGames table{table_, games_, records_, seat_};
    table.games[seat_] = state_;
    table.records[seat_] = record_;
    return table;
}

void Engine::OfferKeptTable(TableGames kept)
{
    const auto seats = kept.seats.size();
    if (seats < 2 || kept.games.size() != seats || kept.records.size() != seats || kept.turn < 0
        || kept.turn >= static_cast<int>(seats)) {
        return;
    }
    // Over once every person's score has gone to the table.
    bool scoresLeft = false;
    for (std::size_t seat = 0; seat < seats; ++seat) {
        scoresLeft = scoresLeft || (kept.seats[seat].person() && !kept.games[seat].scoreTaken);
    }
    if (!scoresLeft || !kept.games[kept.turn].rollVisible) {
        return;
    }
    kept_.reset();
    keptTable_ = std::move(kept);
}

void Engine::handOver()
{
    handingOver_ = true;
    undo_.reset();
    shell_.FrontBack(Cover::Front);
    if (tableGame()) {
        handOverTable();
        handingOver_ = false;
        return;
    }
    shell_.recordFinishedGame(state_, record_, {}, 0);
    if (state_.assisted) {
        // Fair play: the table holds only scores the player made alone.
        shell_.showMessage("The computer helped in this game, so its score does not go into the table.");
        ScoreDealtWith();
    } else {
        // Computed from the full sheet rather than read off the grand-total
        // display, which may not have caught up with the last write yet.
        shell_.handOverFinalScore(static_cast<std::int16_t>(computeTotals(state_.cells).grandTotal));
    }
    handingOver_ = false;
}

// Every person's game goes to the history, and the ranking to the windows,
// which enter each person's score in the table.
void Engine::handOverTable()
{
    games_[seat_] = state_;
    records_[seat_] = record_;
    std::vector<Placing> ranking;
    for (int seat = 0; seat < static_cast<int>(table_.size()); ++seat) {
        const GameState& game = games_[seat];
        if (table_[seat].person()) {
            shell_.recordFinishedGame(game, records_[seat], table_, seat);
        }
        ranking.push_back({seat, computeTotals(game.cells).grandTotal});
    }
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const Placing& a, const Placing& b) { return a.score > b.score; });
    shell_.handOverTable(ranking);
}

void Engine::HintShown()
{
    record_.hint();
    if (state_.RollCount.value_or(0) > 0) {
        state_.assisted = true;
    }
}

void Engine::NewGame_Click(std::optional<std::vector<Seat>> table)
{
    // A kept game that was finished but never handed over is handed over now,
    // as the game in play would be.
    const bool keptFull = kept_ ? writtenCells(kept_->cells) == kCellCount
                                : keptTable_ && std::ranges::all_of(keptTable_->games, [](const GameState& game) {
                                      return writtenCells(game.cells) == kCellCount;
                                  });
    if (keptFull) {
        takeUpKept();
        undo_.reset();
        totalsBehind_ = true;
        Kockep();
    }
    // A finished score is never lost: a full sheet not yet handed over goes to
    // the high-score side first, and only the next new game clears it.
    if (state_.rollVisible && everySheetFull()) {
        if (!handingOver_) {
            handOver();
        }
        return;
    }
    if (!shell_.askYesNo("Are you sure you want to play a New Game?")) {
        return;
    }
    shell_.FrontBack(Cover::Back);
    for (auto& column : state_.cells) {
        for (Cell& c : column) {
            c.value.reset();
        }
    }
    sums_[index(Section::Lower)][index(Column::Down)].reset();
    state_.CalledRow = 0;
    state_.rollVisible = true;
    state_.assisted = false;
    state_.id.reset();
    state_.scoreTaken = false;
    record_ = {};
    keptRecord_ = {};
    undo_.reset();
    kept_.reset();
    keptTable_.reset();
    Rewind();
    Rewind2();
    if (table) {
        table_ = table->size() > 1 ? std::move(*table) : std::vector<Seat>{};
    }
    // Every player starts from the same empty sheet; the first one plays first.
    seat_ = 0;
    games_.assign(table_.size(), state_);
    records_.assign(table_.size(), {});
}

void Engine::ToggleSound()
{
    soundOff_ = !soundOff_;
}

void Engine::setSoundOff(bool off)
{
    soundOff_ = off;
}

void Engine::Undo()
{
    if (!undo_) {
        return;
    }
    // A write passed the turn on: it comes back to the player who wrote.
    if (undoSeat_ != seat_) {
        games_[seat_] = std::exchange(state_, games_[undoSeat_]);
        records_[seat_] = std::exchange(record_, std::move(records_[undoSeat_]));
        seat_ = undoSeat_;
    }
    const bool assisted = state_.assisted;  // a hint seen stays seen
    state_ = *std::exchange(undo_, std::nullopt);
    record_.undo();
    state_.assisted = state_.assisted || assisted;
    // Sums that were still blank before the write (the program's first turn) stay blank.
    if (undoBlanksSums_) {
        for (auto& section : sums_) {
            section.fill(std::nullopt);
        }
        totals_.fill(std::nullopt);
        grandTotal_.reset();
    }
    totalsBehind_ = !undoBlanksSums_;
    Kockep();
}

void Engine::OfferKeptGame(const GameState& kept, std::optional<GameRecord> record)
{
    // Its score went to the table before the last run ended: the game is over.
    if (kept.scoreTaken || !kept.rollVisible) {
        return;
    }
    kept_ = kept;
    keptTable_.reset();
    keptRecord_ = record ? std::move(*record) : GameRecord::startingAt(kept);
    // Kept before games had an identity: it takes one now, for its results.
    if (!kept_->id) {
        kept_->id = shell_.newGameId();
    }
}

// The kept game takes the place of the fresh one, and the sheet comes out from
// under the cover with the dice as they were left, so that the player sees the
// position before any further roll. Its sums show from the next tick on, once
// it has a score to sum.
void Engine::takeUpKept()
{
    if (keptTable_) {
        TableGames kept = *std::exchange(keptTable_, std::nullopt);
        table_ = std::move(kept.seats);
        seat_ = kept.turn;
        state_ = kept.games[seat_];
        record_ = std::move(kept.records[seat_]);
        games_ = std::move(kept.games);
        records_ = std::move(kept.records);
        return;
    }
    table_.clear();
    games_.clear();
    records_.clear();
    seat_ = 0;
    state_ = *std::exchange(kept_, std::nullopt);
    record_ = std::exchange(keptRecord_, {});
}

void Engine::resumeKeptGame()
{
    takeUpKept();
    undo_.reset();
    totalsBehind_ = filledCells() > 0;
    shell_.FrontBack(Cover::Back);
    Kockep();
}

std::optional<GameState> Engine::gameToKeep() const
{
    if (kept_) {
        return kept_;
    }
    if (keptTable_ || tableGame() || !state_.rollVisible || (filledCells() == 0 && state_.RollCount.value_or(0) == 0)) {
        return std::nullopt;
    }
    return state_;
}

void Engine::ScoreTaken(int seat)
{
    if (!tableGame() || seat == seat_) {
        state_.scoreTaken = true;
    }
    if (tableGame()) {
        games_.at(static_cast<std::size_t>(seat)).scoreTaken = true;
    }
}

void Engine::ScoreDealtWith()
{
    state_.rollVisible = false;
    for (GameState& game : games_) {
        game.rollVisible = false;
    }
}

void Engine::BlankRollsLeft()
{
    rollsLeft_.clear();
}

}  // namespace dakru
