#include "table_file.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

HighScoreTable sampleTable()
{
    return {"0900 - Ann", "0800 - Ren\xC3\xA9", "0700 - \xD0\x96uk", "0600 - abcdefghijklmnopqrstuvwXYZ",
            "0500 - ",    "0400 - E",          "0300 - F",         "0200 - G",
            "0100 - H",   ""};
}

TEST(WriteTable, WritesTenReversedCp1252LinesEndedByCrLf)
{
    TempFolder folder;
    const auto file = folder / "dakru.dhs";
    ASSERT_TRUE(writeTable(file, sampleTable()));
    EXPECT_EQ(readBytes(file),
              "nnA - 0090\r\n"
              "\xE9neR - 0080\r\n"
              "ku? - 0070\r\n"
              "wvutsrqponmlkjihgfedcba - 0060\r\n"
              " - 0050\r\n"
              "E - 0040\r\n"
              "F - 0030\r\n"
              "G - 0020\r\n"
              "H - 0010\r\n"
              "\r\n");
    EXPECT_FALSE(std::filesystem::exists(temporaryFileFor(file)));
}

TEST(WriteTable, RoundTripsUpToTheThirtyCharacterCut)
{
    TempFolder folder;
    const auto file = folder / "dakru.dhs";
    HighScoreTable expected = sampleTable();
    expected[2] = "0700 - ?uk";
    expected[3] = "0600 - abcdefghijklmnopqrstuvw";
    ASSERT_TRUE(writeTable(file, sampleTable()));
    EXPECT_EQ(readTable(file), expected);
}

TEST(WriteTable, ReplacesALongerOldFileWhole)
{
    TempFolder folder;
    const auto file = folder / "dakru.dhs";
    writeBytes(file, std::string(500, 'x'));
    HighScoreTable table;
    table.fill("0001 - a");
    ASSERT_TRUE(writeTable(file, table));
    EXPECT_EQ(readBytes(file).size(), 10u * 10u);
}

TEST(WriteTable, FailureLeavesTheOldFileWhole)
{
    TempFolder folder;
    const auto file = folder / "dakru.dhs";
    const std::string old = "nnA - 0090\r\n";
    writeBytes(file, old);
    // A folder in the way of the temporary file makes the write fail.
    std::filesystem::create_directory(temporaryFileFor(file));
    writeBytes(temporaryFileFor(file) / "keep", "x");

    EXPECT_FALSE(writeTable(file, sampleTable()));
    EXPECT_EQ(readBytes(file), old);
    EXPECT_TRUE(std::filesystem::exists(temporaryFileFor(file) / "keep"));
}

TEST(WriteTable, FailsInAMissingFolder)
{
    TempFolder folder;
    EXPECT_FALSE(writeTable(folder / "no-such-folder" / "dakru.dhs", sampleTable()));
}

TEST(ReadTable, DamagedFilesReadAsEmptyPlaces)
{
    const struct {
        const char* name;
        std::string bytes;
        HighScoreTable expected;
    } cases[] = {
        {"empty file", "", {}},
        {"three lines", "nnA - 0090\r\nboB - 0080\r\nyaK - 0070\r\n",
         {"0900 - Ann", "0800 - Bob", "0700 - Kay"}},
        {"last line without an end", "nnA - 0090\r\nboB - 0080", {"0900 - Ann", "0800 - Bob"}},
        {"line feeds alone", "nnA - 0090\nboB - 0080\n", {"0900 - Ann", "0800 - Bob"}},
        {"blank lines in between", "nnA - 0090\r\n\r\nboB - 0080\r\n", {"0900 - Ann", "", "0800 - Bob"}},
        {"garbage kept as text", "\x01\x02zz\r\n", {"zz\x02\x01"}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        writeBytes(folder / "dakru.dhs", c.bytes);
        EXPECT_EQ(readTable(folder / "dakru.dhs"), c.expected) << c.name;
    }
}

TEST(ReadTable, MissingFileOrAFolderReadsAsAnEmptyTable)
{
    TempFolder folder;
    EXPECT_EQ(readTable(folder / "dakru.dhs"), HighScoreTable{});
    EXPECT_EQ(readTable(folder.path()), HighScoreTable{});
}

TEST(ReadTable, LinesBeyondTheTenthAreIgnored)
{
    TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 12; ++i)
        bytes += "0" + std::to_string(i) + "00\r\n";
    writeBytes(folder / "dakru.dhs", bytes);
    const HighScoreTable table = readTable(folder / "dakru.dhs");
    EXPECT_EQ(table[0], "0000");
    EXPECT_EQ(table[9], "0090");
}

TEST(ShippedTable, HoldsTenEntriesInDescendingOrder)
{
    const std::string bytes = readBytes(DAKRU_SHIPPED_TABLE);
    int lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 10);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 10) << "every line ends with CR LF";

    const HighScoreTable table = readTable(DAKRU_SHIPPED_TABLE);
    for (int k = 0; k < kEntryCount; ++k) {
        ASSERT_TRUE(entryScore(table[k])) << table[k];
        EXPECT_EQ(table[k].substr(4, 3), " - ");
        EXPECT_GT(table[k].size(), 7u) << "every entry has a name";
        if (k > 0) {
            EXPECT_GT(*entryScore(table[k - 1]), *entryScore(table[k]));
        }
    }
}

}  // namespace
}  // namespace dakru::scores
