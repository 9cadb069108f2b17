#include "history_review.h"

#include <cstdio>

#include "advisor.h"
#include "game_check.h"
#include "history_database.h"
#include "history_export.h"
#include "history_reading.h"
#include "recorded_games.h"
#include "review_text.h"
#include "stored_record.h"

namespace dakru::app {
namespace {

void say(const std::string& line)
{
    std::fprintf(stderr, "dakru: %s\n", line.c_str());
}

// "ended 2026-12-07T01:30:00Z, 1043 points, played alone"
std::string describe(const history::FinishedGame& game)
{
    const int players = history::playersAt(game);
    return "ended " + game.endedAt + ", " + std::to_string(game.finalScore) + " points, "
           + (players == 1 ? std::string("played alone") : "played at a table of " + std::to_string(players));
}

}  // namespace

std::string countedBack(int n)
{
    if (n == 1) {
        return "last";
    }
    const int tens = n % 100;
    const char* suffix = "th";
    if (tens < 11 || tens > 13) {
        switch (n % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return std::to_string(n) + suffix + " last";
}

int printReview(const std::filesystem::path& playerFolder, int n, std::chrono::milliseconds wait)
{
    const std::filesystem::path historyFile = playerFolder / history::HistoryDatabase::kFileName;
    const history::HistoryContents contents = history::readHistory(historyFile, {wait});
    if (contents.error) {
        say(historyTroubleLine(historyFile, *contents.error));
        return 1;
    }
    // Damaged rows are left out, as the statistics leave them out.
    const std::vector<history::FinishedGame> games = history::checked(contents.games).intact;
    const int recorded = history::gamesWithRecord(games);
    const std::optional<std::size_t> place = history::nthLastWithRecord(games, n);
    if (!place) {
        if (games.empty()) {
            say("no game has been played to the end yet, so there is none to review");
        } else if (recorded == 0) {
            say("no game in the history has a record of its decisions to review (games played before Dakru kept "
                "them have none)");
        } else {
            say("there is no " + countedBack(n) + " game to review: "
                + (recorded == 1 ? std::string("1 game has a record of its decisions")
                                 : std::to_string(recorded) + " games have a record of their decisions"));
        }
        return 1;
    }
    const history::FinishedGame& game = games[*place];
    advisor::Advisor advisor;
    const review::Reviewed reviewed = review::reviewStored(game.record, history::sheetOf(game), advisor);
    if (!reviewed.review) {
        say("the game that " + describe(game) + " cannot be reviewed: " + reviewed.refusal);
        return 1;
    }
    const std::string text = "The " + countedBack(n) + " game with a record, " + describe(game) + ".\n"
                             + review::reviewText(*reviewed.review);
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace dakru::app
