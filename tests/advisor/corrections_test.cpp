// The learned corrections: where a sheet's entries lie in the tables, and that
// a turn's plan values every write as the corrected model values the sheet it
// leaves.

#include <gtest/gtest.h>

#include <map>

#include "corrections.h"
#include "dice_tables.h"
#include "self_play.h"
#include "turn_plan.h"

namespace dakru::advisor {
namespace {

// The sheets of a few advisor games before the first turn and after every
// turn, with their empty cells.
std::vector<std::pair<Sheet, int>> sheetsOfGames(int games)
{
    AdvisorPlayer player;
    std::vector<std::pair<Sheet, int>> sheets;
    for (int g = 1; g <= games; ++g) {
        const PlayedGame game = playGame(player, 40 + g);
        for (int turn = 0; turn <= kCellCount; ++turn) {
            sheets.emplace_back(sheetAfter(game, turn), kCellCount - turn);
        }
    }
    return sheets;
}

// Every entry lies inside the tables and belongs to one slot only: no two
// things a sheet is corrected for share an entry. Which cells are empty, not
// what they hold, decides the sheet's own entries.
TEST(Corrections, EntriesLieInsideTheTablesAndNeverShareASlot)
{
    std::map<int, int> slotOf;
    for (const auto& [sheet, empty] : sheetsOfGames(3)) {
        const auto entries = corrections::sheetEntries(sheet, empty);
        for (int slot = 0; slot < corrections::kSheetEntries; ++slot) {
            const int e = entries[slot];
            if (e == corrections::kNone) {
                continue;
            }
            ASSERT_GE(e, 0);
            ASSERT_LT(e, corrections::kSize);
            const auto [it, added] = slotOf.emplace(e, slot);
            EXPECT_EQ(it->second, slot) << "entry " << e;
        }
        Sheet zeroes = sheet;
        for (auto& column : zeroes) {
            for (Cell& c : column) {
                c.value = c.value ? std::optional<int>(0) : std::nullopt;
            }
        }
        EXPECT_EQ(corrections::patternEntries(zeroes, empty), corrections::patternEntries(sheet, empty));
    }
    EXPECT_GT(slotOf.size(), 500u);

    // A full sheet has nothing left to correct.
    const auto sheets = sheetsOfGames(1);
    const auto& [full, none] = sheets.back();
    ASSERT_EQ(none, 0);
    for (const int e : corrections::sheetEntries(full, 0)) {
        EXPECT_EQ(e, corrections::kNone);
    }
}

// The plan works a write out from the change to one column and to the empty
// cells; it must come to what the whole sheet is worth after that write.
TEST(Corrections, APlanValuesEveryWriteAsTheSheetItLeaves)
{
    const Model model = learnedModel();
    ASSERT_FALSE(model.corrections.empty());
    const SheetValuer valuer(model);
    const DiceTables& dice = DiceTables::get();
    const auto sheets = sheetsOfGames(1);
    for (const int turn : {0, 9, 23, 40, 55}) {
        const auto& [sheet, empty] = sheets[turn];
        const TurnPlan plan(valuer, sheet);
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                if (sheet[index(column)][row - 1].value) {
                    continue;
                }
                for (const int t : {0, 77, 251}) {
                    Sheet after = sheet;
                    after[index(column)][row - 1].value = dice.rowValue(row, t);
                    EXPECT_NEAR(plan.write(column, row, t), valuer.sheet(after), 1e-6)
                        << "turn " << turn << ", column " << index(column) << ", row " << row;
                }
            }
        }
    }
}

}  // namespace
}  // namespace dakru::advisor
