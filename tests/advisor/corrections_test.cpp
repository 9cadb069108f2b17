// The learned corrections: where a sheet's entries lie in the tables, how the
// tables travel as text, and that a turn's plan values every write as the
// corrected model values the sheet it leaves.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "corrections.h"
#include "corrections_codec.h"
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

TEST(CorrectionsCodec, WhatIsWrittenIsReadBackToTheQuarterPoint)
{
    struct Case {
        std::size_t entry;
        float value;
        float read;
    };
    const std::vector<Case> cases{
        {0, 1.0f, 1.0f},
        {1, -0.3f, -0.25f},
        {2, 0.1f, 0.0f},  // left out: it moves nothing
        {3, 0.13f, 0.25f},
        {200, -53.9f, -54.0f},
        {201, 2.26f, 2.25f},
        {70'000, 1000.0f, 1000.0f},
        {corrections::kSize - 1, -0.125f, -0.25f},
    };
    std::vector<float> tables(corrections::kSize, 0.0f);
    for (const Case& c : cases) {
        tables[c.entry] = c.value;
    }
    const std::string text = encodeCorrections(tables);
    EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"),
              std::string::npos);
    const std::vector<float> read = decodeCorrections(text, corrections::kSize);
    ASSERT_EQ(read.size(), tables.size());
    std::size_t notZero = 0;
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(read[c.entry], c.read) << "entry " << c.entry;
        notZero += c.read != 0 ? 1 : 0;
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(read.begin(), read.end(), [](float v) { return v != 0; })),
              notZero);
    EXPECT_EQ(decodeCorrections(encodeCorrections(std::vector<float>(10, 0.0f)), 10), std::vector<float>(10, 0.0f));
}

TEST(CorrectionsCodec, TextItDidNotWriteIsRefused)
{
    std::vector<float> tables(100, 0.0f);
    tables[99] = 3.0f;
    const std::string good = encodeCorrections(tables);
    ASSERT_NO_THROW(decodeCorrections(good, 100));
    for (const std::string& bad : {good + "!", good.substr(0, 1), std::string("////"), std::string("gA")}) {
        EXPECT_THROW(decodeCorrections(bad, 100), std::invalid_argument) << bad;
    }
    EXPECT_THROW(decodeCorrections(good, 99), std::invalid_argument) << "an entry past the tables";
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
