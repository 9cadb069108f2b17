#include "entry_text.h"

#include <gtest/gtest.h>

namespace dakru::scores {
namespace {

TEST(StoredLine, IsTheEntryReversedInTheCodePage)
{
    const struct {
        const char* name;
        std::string entry;
        std::string line;
    } cases[] = {
        {"plain", "0234 - Ann", "nnA - 4320"},
        {"empty place", "", ""},
        {"accent is one byte", "0100 - Ren\xC3\xA9", "\xE9neR - 0010"},
        {"euro sign", "0100 - \xE2\x82\xAC", "\x80 - 0010"},
        {"outside the code page", "0100 - \xD0\x96\xF0\x9F\x98\x80", "?? - 0010"},
        {"thirty characters kept", "0001 - abcdefghijklmnopqrstuvw", "wvutsrqponmlkjihgfedcba - 1000"},
        {"cut after thirty", "0001 - abcdefghijklmnopqrstuvwXYZ", "wvutsrqponmlkjihgfedcba - 1000"},
        {"line break in a name", "0001 - a\r\nb", "b??a - 1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedLine(c.entry), c.line) << c.name;
}

TEST(StoredLine, CutCountsCharactersNotBytes)
{
    // 7 characters of head and 23 two-byte characters: 30 characters, 53 bytes.
    std::string name;
    for (int i = 0; i < 25; ++i)
        name += "\xC3\xA9";
    const std::string line = storedLine("0001 - " + name);
    EXPECT_EQ(line, std::string(23, '\xE9') + " - 1000");
    EXPECT_EQ(entryFromLine(line), "0001 - " + name.substr(0, 46));
}

TEST(EntryFromLine, TurnsTheFirstThirtyCharactersBack)
{
    EXPECT_EQ(entryFromLine("nnA - 4320"), "0234 - Ann");
    EXPECT_EQ(entryFromLine("\xE9neR - 0010"), "0100 - Ren\xC3\xA9");
    EXPECT_EQ(entryFromLine("\x81"), "\xEF\xBF\xBD");
    // A longer line contributes its first thirty characters only.
    EXPECT_EQ(entryFromLine("wvutsrqponmlkjihgfedcba - 1000EXTRA"), "0001 - abcdefghijklmnopqrstuvw");
}

TEST(EntryScore, FourLeadingDigitsOrNone)
{
    const struct {
        std::string entry;
        std::optional<int> score;
    } cases[] = {
        {"0999 - Ann", 999}, {"1234 - ", 1234}, {"0000 - Zero", 0}, {"0005", 5},
        {"", std::nullopt},  {"12", std::nullopt}, {"12a4 - x", std::nullopt},
        {" 123 - x", std::nullopt}, {"-123 - x", std::nullopt}, {"abcd", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(entryScore(c.entry), c.score) << '"' << c.entry << '"';
}

HighScoreTable descending()
{
    return {"0900 - A", "0800 - B", "0700 - C", "0600 - D", "0500 - E",
            "0400 - F", "0300 - G", "0200 - H", "0100 - I", "0050 - J"};
}

TEST(FindPlace, StrictlyGreaterWinsTiesGoBelow)
{
    const struct {
        const char* name;
        int score;
        std::optional<int> place;
    } cases[] = {
        {"best", 901, 0},
        {"tie with the best", 900, 1},
        {"between", 750, 2},
        {"tie with the ninth", 100, 9},
        {"last", 51, 9},
        {"tie with the last", 50, std::nullopt},
        {"below all", 3, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findPlace(descending(), c.score), c.place) << c.name;
}

TEST(FindPlace, DamagedOrEmptyEntriesArePassedByEveryScore)
{
    HighScoreTable table = descending();
    table[4] = "garbage";
    EXPECT_EQ(findPlace(table, 0), 4);
    EXPECT_EQ(findPlace(HighScoreTable{}, 0), 0);
}

TEST(ScoreText, PadsToFourDigits)
{
    EXPECT_EQ(ScoreText(5), "0005");
    EXPECT_EQ(ScoreText(0), "0000");
    EXPECT_EQ(ScoreText(87), "0087");
    EXPECT_EQ(ScoreText(999), "0999");
    EXPECT_EQ(ScoreText(1234), "1234");
    EXPECT_EQ(ScoreText(12345), "12345");
    EXPECT_EQ(EntryText(5, "Ann"), "0005 - Ann");
    EXPECT_EQ(EntryText(87, ""), "0087 - ");
}

TEST(NamePrompt, PlaceMessageThenTheRequest)
{
    EXPECT_EQ(namePrompt(0), "Congratiulations ! You are the 1st one\r\nEnter your name");
    EXPECT_EQ(namePrompt(1), "Congratiulations ! You are the 2nd one\r\nEnter your name");
    EXPECT_EQ(namePrompt(2), "Congratiulations ! You are the 3rd one\r\nEnter your name");
    EXPECT_EQ(namePrompt(3), "You are the 4th one\r\nEnter your name");
    EXPECT_EQ(namePrompt(8), "You are the 9th one\r\nEnter your name");
    EXPECT_EQ(namePrompt(9), "You are the last one\r\nEnter your name");
}

}  // namespace
}  // namespace dakru::scores
