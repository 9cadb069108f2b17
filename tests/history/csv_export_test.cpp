// The CSV export of a known history, byte for byte, and its file.
#include "csv_export.h"

#include <gtest/gtest.h>

#include "history_support.h"

namespace dakru::history::test {
namespace {

constexpr const char* kHeader =
    "ended_at,seconds_played,final_score,assisted,version,"
    "row1_down,row1_down_up,row1_up,row1_call,row2_down,row2_down_up,row2_up,row2_call,"
    "row3_down,row3_down_up,row3_up,row3_call,row4_down,row4_down_up,row4_up,row4_call,"
    "row5_down,row5_down_up,row5_up,row5_call,row6_down,row6_down_up,row6_up,row6_call,"
    "minimum_down,minimum_down_up,minimum_up,minimum_call,maximum_down,maximum_down_up,maximum_up,maximum_call,"
    "three_of_kind_down,three_of_kind_down_up,three_of_kind_up,three_of_kind_call,"
    "small_straight_down,small_straight_down_up,small_straight_up,small_straight_call,"
    "large_straight_down,large_straight_down_up,large_straight_up,large_straight_call,"
    "full_house_down,full_house_down_up,full_house_up,full_house_call,"
    "poker_down,poker_down_up,poker_up,poker_call,dakru_down,dakru_down_up,dakru_up,dakru_call,"
    "upper_sum_down,upper_sum_down_up,upper_sum_up,upper_sum_call,"
    "middle_sum_down,middle_sum_down_up,middle_sum_up,middle_sum_call,"
    "lower_sum_down,lower_sum_down_up,lower_sum_up,lower_sum_call,damaged,table\r\n";

TEST(CsvExport, EmptyHistoryIsTheHeaderAlone)
{
    EXPECT_EQ(toCsv({}), kHeader);
}

TEST(CsvExport, KnownHistoryByteForByte)
{
    FinishedGame quoted = sampleGame(1);
    quoted.version = "say \"hi\", 2";
    const std::string expected =
        std::string(kHeader) +
        "2026-12-01T10:00:00Z,600,500,1,1.6.6,"
        "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,"
        "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,"
        "0,1,2,3,10,11,12,13,20,21,22,23,1,\r\n"
        "2026-12-02T10:01:00Z,601,501,0,\"say \"\"hi\"\", 2\","
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,"
        "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,"
        "1,2,3,4,11,12,13,14,21,22,23,24,1,\"you,medium\"\r\n";
    quoted.table = "you,medium";
    EXPECT_EQ(toCsv({sampleGame(0), quoted}), expected);
}

// Rows are marked, not left out: an intact game's damaged field is 0, a
// damaged one's 1, and both keep every value as it was read.
TEST(CsvExport, DamagedRowsAreKeptAndMarked)
{
    FinishedGame damaged = intactGame(2);
    damaged.finalScore = 2147483647;
    const std::string csv = toCsv({intactGame(1), damaged});
    const std::size_t firstRow = csv.find("\r\n") + 2;
    const std::size_t secondRow = csv.find("\r\n", firstRow) + 2;
    EXPECT_EQ(csv.substr(secondRow - 5, 5), ",0,\r\n");
    EXPECT_EQ(csv.substr(csv.size() - 5), ",1,\r\n");
    EXPECT_NE(csv.find(",2147483647,", secondRow), std::string::npos);
}

}  // namespace
}  // namespace dakru::history::test
