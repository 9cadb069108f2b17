// The history's games as the coach takes them: the filter of games played
// alone, the newest first, the n-th last game with a record, the sheet a game
// reached and the players at its table.

#include <gtest/gtest.h>

#include "history_support.h"
#include "recorded_games.h"

namespace dakru::history {
namespace {

// Games of a history in the order recorded: alone or at a table, with a
// record or without, one recorded late (kept aside in an earlier run).
std::vector<FinishedGame> mixedHistory()
{
    const struct {
        const char* endedAt;
        const char* table;
        bool record;
    } rows[] = {
        {"2026-12-01T10:00:00Z", "", false},                // 0: before records were kept
        {"2026-12-02T10:00:00Z", "you,easy,strong", true},  // 1
        {"2026-12-03T10:00:00Z", "", true},                 // 2
        {"2026-12-05T10:00:00Z", "person,you", true},       // 3
        {"2026-12-04T10:00:00Z", "", true},                 // 4: recorded after a later game
        {"2026-12-05T10:00:00Z", "", false},                // 5: the same second as 3, recorded after it
    };
    std::vector<FinishedGame> games;
    for (const auto& row : rows) {
        FinishedGame game = test::intactGame(static_cast<int>(games.size()));
        game.endedAt = row.endedAt;
        game.table = row.table;
        game.record = row.record ? "Dakru game record 1\n" : "";
        games.push_back(game);
    }
    return games;
}

std::vector<std::size_t> placesOf(const std::vector<FinishedGame>& chosen, const std::vector<FinishedGame>& all)
{
    std::vector<std::size_t> places;
    for (const FinishedGame& game : chosen) {
        places.push_back(static_cast<std::size_t>(std::find(all.begin(), all.end(), game) - all.begin()));
    }
    return places;
}

TEST(RecordedGames, TheFilterKeepsTheGamesPlayedAloneInTheirOrder)
{
    const std::vector<FinishedGame> games = mixedHistory();
    EXPECT_EQ(gamesOf(games, Players::All), games);
    EXPECT_EQ(placesOf(gamesOf(games, Players::Alone), games), (std::vector<std::size_t>{0, 2, 4, 5}));
    EXPECT_TRUE(gamesOf({games[1], games[3]}, Players::Alone).empty());

    const std::pair<const char*, int> tables[] = {{"", 1}, {"person,you", 2}, {"you,easy,person,strong", 4}};
    for (const auto& [table, players] : tables) {
        FinishedGame game;
        game.table = table;
        EXPECT_EQ(playersAt(game), players) << table;
        EXPECT_EQ(game.playedAlone(), players == 1) << table;
    }
}

// By the time each game ended; in the same second, the one recorded later first.
TEST(RecordedGames, TheNewestFirstAndTheNthLastWithARecord)
{
    const std::vector<FinishedGame> games = mixedHistory();
    EXPECT_EQ(newestFirst(games), (std::vector<std::size_t>{5, 3, 4, 2, 1, 0}));
    EXPECT_EQ(gamesWithRecord(games), 4);
    const std::pair<int, std::optional<std::size_t>> cases[] = {
        {1, 3}, {2, 4}, {3, 2}, {4, 1}, {5, std::nullopt}, {0, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto& [n, place] : cases) {
        EXPECT_EQ(nthLastWithRecord(games, n), place) << n;
    }
    EXPECT_EQ(nthLastWithRecord({games[0], games[5]}, 1), std::nullopt);
    EXPECT_EQ(nthLastWithRecord({}, 1), std::nullopt);
}

TEST(RecordedGames, TheSheetAGameReached)
{
    const FinishedGame game = test::intactGame(7);
    const Sheet sheet = sheetOf(game);
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const Cell& cell = sheet[static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)];
            EXPECT_EQ(cell.value, game.cell(row, column)) << row << ", " << column;
            EXPECT_FALSE(cell.marked);
        }
    }
    EXPECT_EQ(computeTotals(sheet).grandTotal, game.finalScore);
}

}  // namespace
}  // namespace dakru::history
