#include "recorded_games.h"

#include <algorithm>
#include <numeric>

namespace dakru::history {

std::vector<FinishedGame> gamesOf(const std::vector<FinishedGame>& games, Players players)
{
    if (players == Players::All) {
        return games;
    }
    std::vector<FinishedGame> alone;
    std::copy_if(games.begin(), games.end(), std::back_inserter(alone),
                 [](const FinishedGame& game) { return game.playedAlone(); });
    return alone;
}

std::vector<std::size_t> newestFirst(const std::vector<FinishedGame>& games)
{
    std::vector<std::size_t> places(games.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    // The times are ISO 8601 in UTC, which sort as text.
    std::sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
        return games[a].endedAt != games[b].endedAt ? games[a].endedAt > games[b].endedAt : a > b;
    });
    return places;
}

std::optional<std::size_t> nthLastWithRecord(const std::vector<FinishedGame>& games, int n)
{
    if (n < 1) {
        return std::nullopt;
    }
    for (const std::size_t place : newestFirst(games)) {
        if (games[place].hasRecord() && --n == 0) {
            return place;
        }
    }
    return std::nullopt;
}

int gamesWithRecord(const std::vector<FinishedGame>& games)
{
    return static_cast<int>(
        std::count_if(games.begin(), games.end(), [](const FinishedGame& game) { return game.hasRecord(); }));
}

Sheet sheetOf(const FinishedGame& game)
{
    Sheet sheet{};
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            sheet[static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)].value = game.cell(row, column);
        }
    }
    return sheet;
}

int playersAt(const FinishedGame& game)
{
    return game.playedAlone() ? 1 : static_cast<int>(std::count(game.table.begin(), game.table.end(), ',')) + 1;
}

}  // namespace dakru::history
