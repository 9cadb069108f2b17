#include "game_check.h"

#include <array>
#include <bitset>

#include "row_value.h"
#include "sheet.h"
#include "totals.h"

namespace dakru::history {
namespace {

// No row scores more than five sixes and the Dakru bonus.
constexpr int kHighestValue = 80;
using Scorable = std::array<std::bitset<kHighestValue + 1>, kRows>;  // [row - 1][value]

// Every value each row can score: 0, and what every throw of five dice gives there.
Scorable scorableValues()
{
    Scorable scorable{};
    std::array<int, kDiceCount> faces{};
    for (int throwNumber = 0; throwNumber < 6 * 6 * 6 * 6 * 6; ++throwNumber) {
        int rest = throwNumber;
        for (int& face : faces) {
            face = rest % 6 + 1;
            rest /= 6;
        }
        for (int row = 1; row <= kRows; ++row) {
            scorable[static_cast<std::size_t>(row - 1)].set(static_cast<std::size_t>(RowValue(row, faces)));
        }
    }
    for (auto& row : scorable) {
        row.set(0);
    }
    return scorable;
}

}  // namespace

bool intact(const FinishedGame& game)
{
    static const Scorable scorable = scorableValues();
    Sheet sheet{};
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int value = game.cell(row, column);
            if (value < 0 || value > kHighestValue
                || !scorable[static_cast<std::size_t>(row - 1)].test(static_cast<std::size_t>(value))) {
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
