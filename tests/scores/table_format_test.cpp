#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "score_test_support.h"
#include "table_file.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(TableFile, GoldenBytesAndRoundTrip)
{
    TempFolder folder;
    const auto file = folder / "dakru.dhs";
    const HighScoreTable table{"0234 - Ann",
                               "0200 - Ren\xC3\xA9",                           // é is one byte, 0xE9
                               "0190 - \xE2\x82\xAC\xD0\x96\xF0\x9F\x98\x80",  // € 0x80, Ж and 😀 lack one
                               "0180 - \xC3\xA9"
                               "bcdefghijklmnopqrstuvwXYZ",  // cut at 30 characters, not bytes
                               "0170 - a\r\nb",
                               "0160 - "};
    ASSERT_TRUE(writeTable(file, table));
    EXPECT_EQ(readBytes(file),
              "nnA - 4320\r\n"
              "\xE9neR - 0020\r\n"
              "??\x80 - 0910\r\n"
              "wvutsrqponmlkjihgfedcb\xE9 - 0810\r\n"
              "b??a - 0710\r\n"
              " - 0610\r\n"
              "\r\n\r\n\r\n\r\n");

    HighScoreTable expected = table;
    expected[2] = "0190 - \xE2\x82\xAC??";
    expected[3] =
        "0180 - \xC3\xA9"
        "bcdefghijklmnopqrstuvw";
    expected[4] = "0170 - a??b";
    EXPECT_EQ(readTable(file), expected);
}

// A rewrite gives back every byte a line can hold, the five the code page
// leaves undefined among them, so an insertion changes no other player's entry.
TEST(TableFile, EveryByteSurvivesARewrite)
{
    std::string file;
    std::string line;
    int lines = 0;
    for (int b = 0; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        line.push_back(static_cast<char>(b));
        if (line.size() == kStoredLength || b == 255) {
            file += line + "\r\n";
            line.clear();
            ++lines;
        }
    }
    for (; lines < kEntryCount; ++lines)
        file += "\r\n";

    TempFolder folder;
    writeBytes(folder / "old.dhs", file);
    const HighScoreTable table = readTable(folder / "old.dhs");
    EXPECT_NE(table[5].find("\xC5\xBE\xC2\x9D\xC5\x93"), std::string::npos) << "0x9D reads as U+009D";
    for (const std::string& entry : table)
        EXPECT_EQ(entry.find("\xEF\xBF\xBD"), std::string::npos) << "no byte is lost to U+FFFD";
    ASSERT_TRUE(writeTable(folder / "new.dhs", table));
    EXPECT_EQ(readBytes(folder / "new.dhs"), file);
}

TEST(TableFile, DamagedFilesReadAsEmptyPlacesAndNothingIsLost)
{
    const struct {
        const char* name;
        std::optional<std::string> bytes;
        HighScoreTable expected;
    } cases[] = {
        {"missing", std::nullopt, {}},
        {"short, last line unended", "nnA - 0090\r\nboB - 0080", {"0900 - Ann", "0800 - Bob"}},
        {"line feeds alone, blank line", "nnA - 0090\n\nboB - 0080\n", {"0900 - Ann", "", "0800 - Bob"}},
        {"carriage returns alone",
         "nnA - 0090\rboB - 0080\r\rdE - 0070",
         {"0900 - Ann", "0800 - Bob", "", "0700 - Ed"}},
        {"all three line ends mixed", "a\r\nb\nc\rd\r\r\ne", {"a", "b", "c", "d", "", "e"}},
        {"long line gives its first 30", "wvutsrqponmlkjihgfedcba - 1000MORE\r\n", {"0001 - abcdefghijklmnopqrstuvw"}},
        {"not a score, kept as text", "\x01zz\r\n", {"zz\x01"}},
        {"beyond the tenth ignored",
         "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n01\r\n",
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.bytes)
            writeBytes(folder / "dakru.dhs", *c.bytes);
        EXPECT_EQ(readTable(folder / "dakru.dhs"), c.expected) << c.name;
    }
}

TEST(Ranking, ScoresPlacesAndPadding)
{
    for (const auto& [entry, score] :
         std::initializer_list<std::pair<std::string, std::optional<int>>>{{"0999 - Ann", 999},
                                                                           {"0005", 5},
                                                                           {"", std::nullopt},
                                                                           {"12", std::nullopt},
                                                                           {"12a4 - x", std::nullopt},
                                                                           {" 123 - x", std::nullopt}})
        EXPECT_EQ(entryScore(entry), score) << '"' << entry << '"';

    HighScoreTable table = testing::kDescending;
    table[7] = "oops";
    EXPECT_EQ(findPlace(table, 0), 7) << "a damaged entry is passed by every score";
    EXPECT_EQ(findPlace(HighScoreTable{}, 0), 0);

    EXPECT_EQ(ScoreText(5), "0005");
    EXPECT_EQ(ScoreText(87), "0087");
    EXPECT_EQ(ScoreText(1234), "1234");
    EXPECT_EQ(namePrompt(2), "Congratiulations ! You are the 3rd one\r\nEnter your name");
}

// Only what ten entries can need is read, whatever the file holds: a line is
// cut while it is read, and nothing beyond the read limit is looked at.
TEST(TableFile, HugeFilesAreReadOnlyAsFarAsTheTableNeeds)
{
    TempFolder folder;
    const auto file = folder / "dakru.dhs";
    writeBytes(file, "nnA - 0090\r\n");
    // Four gigabytes of one line of zero bytes, sparse: no disk space taken.
    std::filesystem::resize_file(file, std::uintmax_t{4} << 30);
    HighScoreTable expected{"0900 - Ann", std::string(kStoredLength, '\0')};
    EXPECT_EQ(readTable(file), expected);

    writeBytes(file, std::string(kReadLimit - 2, 'x') + "\r\nboB - 0080\r\n");
    expected = {std::string(kStoredLength, 'x')};
    EXPECT_EQ(readTable(file), expected) << "the line beyond the read limit is not read";
}

// A link is written through and stays a link; the table keeps its permissions;
// a temporary file left by a killed write is reused; no lock is left behind.
TEST(TableFile, WritesGoThroughLinksAndLeaveNothingBehind)
{
    namespace fs = std::filesystem;
    TempFolder here, there;
    const auto names = [](const TempFolder& folder) {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            found.insert(entry.path().filename().string());
        return found;
    };
    const auto real = there / "kept.dhs";
    const auto permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    writeBytes(real, "old\r\n");
    fs::permissions(real, permissions);
    writeBytes(there / "kept.dhs.tmp", "left by a killed write");
    fs::create_symlink(real, here / "dakru.dhs");
    fs::create_symlink("dakru.dhs", here / "again.dhs");
    ASSERT_EQ(temporaryFileFor(here / "again.dhs"), there / "kept.dhs.tmp");

    ASSERT_TRUE(writeTable(here / "again.dhs", testing::kDescending));
    EXPECT_EQ(readTable(real), testing::kDescending);
    EXPECT_EQ(fs::status(real).permissions(), permissions);
    EXPECT_TRUE(fs::is_symlink(here / "dakru.dhs"));
    EXPECT_TRUE(fs::is_symlink(here / "again.dhs"));
    EXPECT_EQ(names(there), std::set<std::string>{"kept.dhs"});
    EXPECT_EQ(names(here), (std::set<std::string>{"dakru.dhs", "again.dhs"}));

    // A link to a file not made yet makes the file and stays a link.
    fs::create_symlink("new.dhs", there / "dangling.dhs");
    ASSERT_TRUE(writeTable(there / "dangling.dhs", testing::kDescending));
    EXPECT_TRUE(fs::is_symlink(there / "dangling.dhs"));
    EXPECT_EQ(readTable(there / "new.dhs"), testing::kDescending);
}

// The table shipped beside the program is read and written back byte for byte.
TEST(ShippedTable, TenEntriesBestFirstInTheFileFormat)
{
    TempFolder folder;
    const HighScoreTable table = readTable(DAKRU_SHIPPED_TABLE);
    ASSERT_TRUE(writeTable(folder / "dakru.dhs", table));
    EXPECT_EQ(readBytes(folder / "dakru.dhs"), readBytes(DAKRU_SHIPPED_TABLE));
    for (int k = 0; k < kEntryCount; ++k) {
        ASSERT_TRUE(entryScore(table[k])) << table[k];
        EXPECT_TRUE(k == 0 || *entryScore(table[k - 1]) > *entryScore(table[k]));
    }
}

}  // namespace
}  // namespace dakru::scores
