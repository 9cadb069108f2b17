#include "game_check.h"

#include "reachable.h"
#include "sheet.h"
#include "totals.h"

namespace dakru::history {

bool intact(const FinishedGame& game)
{
    Sheet sheet{};
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int value = game.cell(row, column);
            // A 0 is a crossed-out row, in Minimum and Maximum too.
            if (value != 0 && !rowCanScore(row, value)) {
                return false;
            }
            sheet[static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)].value = value;
        }
    }
    const Totals totals = computeTotals(sheet);
    for (std::size_t section = 0; section < game.sectionSums.size(); ++section) {
        for (std::size_t column = 0; column < game.sectionSums[section].size(); ++column) {
            if (totals.sums[section][column] != game.sectionSums[section][column]) {
                return false;
            }
        }
    }
    return totals.grandTotal == game.finalScore;
}

CheckedGames checked(std::vector<FinishedGame> games)
{
    CheckedGames result;
    result.intact.reserve(games.size());
    for (FinishedGame& game : games) {
        if (intact(game)) {
            result.intact.push_back(std::move(game));
        } else {
            ++result.damaged;
        }
    }
    return result;
}

}  // namespace dakru::history
