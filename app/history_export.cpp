#include "history_export.h"

#include <cstdio>

#include "csv_export.h"
#include "history_database.h"

namespace dakru::app {

int exportHistory(const std::filesystem::path& playerFolder, const std::filesystem::path& csvFile)
{
    std::optional<history::HistoryDatabase> database =
        history::HistoryDatabase::open(playerFolder / history::HistoryDatabase::kFileName);
    if (!database) {
        return 1;  // the reason is on standard error already
    }
    const std::vector<history::FinishedGame> games = database->games();
    if (const std::optional<std::string> failure = history::writeTextFile(csvFile, history::toCsv(games))) {
        std::fprintf(stderr, "dakru: cannot write %s: %s\n", csvFile.string().c_str(), failure->c_str());
        return 1;
    }
    std::printf("%zu %s written to %s\n", games.size(), games.size() == 1 ? "game" : "games", csvFile.string().c_str());
    return 0;
}

}  // namespace dakru::app
