#include "entry_reading.h"

#include <gtest/gtest.h>

namespace dakru::scores {
namespace {

TEST(EntryReading, PlaceScoreAndNameAndDamagedEntriesAsTheyStand)
{
    const std::tuple<int, const char*, const char*> entries[] = {
        {0, "0960 - name", "1st, 0960, name"},
        {1, "", "2nd, empty"},
        {2, "0100 - Ann - Marie", "3rd, 0100, Ann - Marie"},
        {3, "12345 - Big", "4th, 12345, Big"},
        {4, "0050 - ", "5th, 0050"},
        {8, "09x0 - odd", "9th, 09x0 - odd"},
        {9, "garbage", "10th, garbage"},
    };
    for (const auto& [place, entry, reading] : entries) {
        EXPECT_EQ(entryReading(place, entry), reading) << entry;
    }
}

}  // namespace
}  // namespace dakru::scores
