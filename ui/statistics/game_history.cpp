#include "game_history.h"

#include "history_database.h"
#include "totals.h"
#include "version.h"

namespace dakru::ui::statistics {
namespace {

bool sheetFull(const GameState& state)
{
    for (const auto& column : state.cells) {
        for (const Cell& cell : column) {
            if (!cell.value) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

history::FinishedGame finishedGame(const GameState& state, int secondsPlayed, std::string endedAt)
{
    history::FinishedGame game;
    game.endedAt = std::move(endedAt);
    game.secondsPlayed = secondsPlayed;
    std::size_t i = 0;
    for (int row = 1; row <= kRowCount; ++row) {
        for (const Column column : kColumns) {
            game.cells[i++] = state.cells[index(column)][row - 1].value.value_or(0);
        }
    }
    const Totals totals = computeTotals(state.cells);
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            game.sectionSums[index(section)][index(column)] = totals.sums[index(section)][index(column)];
        }
    }
    game.finalScore = totals.grandTotal;
    game.assisted = state.assisted;
    game.version =
        std::to_string(version::major) + '.' + std::to_string(version::minor) + '.' + std::to_string(version::revision);
    return game;
}

GameHistory::GameHistory(std::filesystem::path file) : file_(std::move(file)) {}

void GameHistory::follow(const GameState& state)
{
    if (recorded_ && !sheetFull(state)) {
        recorded_ = false;
        started_.reset();
    }
    if (!recorded_ && !started_ && state.RollCount.value_or(0) > 0) {
        started_ = std::chrono::steady_clock::now();
    }
}

void GameHistory::handedOver(const GameState& state)
{
    if (recorded_ || file_.empty() || !sheetFull(state)) {
        return;
    }
    // Marked first: the high-score side's boxes let the hand-over come again
    // before this one has finished.
    recorded_ = true;
    const auto now = std::chrono::steady_clock::now();
    const auto played = started_ ? std::chrono::duration_cast<std::chrono::seconds>(now - *started_).count() : 0;
    started_.reset();
    if (std::optional<history::HistoryDatabase> database = history::HistoryDatabase::open(file_)) {
        database->record(
            finishedGame(state, static_cast<int>(played), history::isoUtc(std::chrono::system_clock::now())));
    }
}

std::optional<std::vector<history::FinishedGame>> GameHistory::games() const
{
    if (file_.empty()) {
        return std::nullopt;
    }
    std::optional<history::HistoryDatabase> database = history::HistoryDatabase::open(file_);
    if (!database) {
        return std::nullopt;
    }
    return database->games();
}

}  // namespace dakru::ui::statistics
