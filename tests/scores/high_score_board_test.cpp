#include "high_score_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "failing_disk.h"
#include "score_test_support.h"
#include "table_file.h"

namespace dakru::scores {
namespace {

using testing::kDescending;
using testing::readBytes;
using testing::TempFolder;
using Events = std::vector<std::string>;

// Records what the insertion asks of the player, the sound and the main window.
class BoardTest : public ::testing::Test {
protected:
    BoardTest()
        : board(file, InsertionServices{
                          .askName =
                              [this](const std::string& prompt, const std::string& offered) {
                                  events.push_back("prompt: " + prompt + (offered.empty() ? "" : " [" + offered + "]"));
                                  shownAtPrompt = board.shownEntries();
                                  if (auto action = std::exchange(whilePromptOpen, nullptr))
                                      action();
                                  return offered.empty() ? name : offered;
                              },
                          .showMessage = [this](const std::string& text) { events.push_back("message: " + text); },
                          .soundOff = [this] { return soundOff; },
                          .playScoreCue = [this](bool high) { events.push_back(high ? "ScoreHigh" : "ScoreNo"); },
                          .scoreTaking =
                              [this](int seat) {
                                  tableWhenTaken = readTable(file);
                                  seatsTaken.push_back(seat);
                              },
                          .hideRoll = [this] { events.push_back("hide Roll"); },
                          .labelsChanged = [] {},
                      })
    {
    }

    void startWith(const HighScoreTable& table)
    {
        ASSERT_TRUE(writeTable(file, table));
        board.reload();
        events.clear();
    }

    void finishGame(std::int16_t score)
    {
        board.handOver(score);
        board.SaveScore_Click();
    }

    TempFolder folder;
    std::filesystem::path file = folder / "dakru.dhs";
    std::optional<HighScoreTable> tableWhenTaken;  // the file as the score was declared taken
    std::vector<int> seatsTaken;
    HighScoreBoard board;
    Events events;
    HighScoreTable shownAtPrompt;
    std::string name = "Zed";
    bool soundOff = false;
    std::function<void()> whilePromptOpen;
};

TEST_F(BoardTest, PlacedScoreMovesTheLowerEntriesDownAndRewritesTheFile)
{
    const struct {
        std::int16_t score;
        int place;
        std::string message;
    } cases[] = {
        {901, 0, "Congratiulations ! You are the 1st one"},
        {900, 1, "Congratiulations ! You are the 2nd one"},  // a tie with the best
        {51, 9, "You are the last one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        startWith(kDescending);
        finishGame(c.score);

        HighScoreTable expected = kDescending;
        std::copy_backward(expected.begin() + c.place, expected.end() - 1, expected.end());
        EXPECT_EQ(shownAtPrompt, expected) << "moved before the prompt, old text still at the place";
        EXPECT_EQ(tableWhenTaken, kDescending) << "the score is declared taken before the file is written";
        expected[c.place] = ScoreText(c.score) + " - Zed";
        EXPECT_EQ(board.shownEntries(), expected);
        EXPECT_EQ(readTable(file), expected);
        EXPECT_EQ(events, (Events{"prompt: " + c.message + "\r\nEnter your name", "ScoreHigh", "hide Roll"}));
        EXPECT_FALSE(board.scorePending());
    }
}

TEST_F(BoardTest, NoPlaceAsksNothingLeavesTheFileUntouchedAndCuesScoreNoWhenSoundIsOn)
{
    for (const bool off : {false, true}) {
        soundOff = off;
        startWith(kDescending);
        const auto stamp = std::filesystem::last_write_time(file) - std::chrono::hours(1);
        std::filesystem::last_write_time(file, stamp);

        finishGame(50);
        EXPECT_EQ(events, (off ? Events{"hide Roll"} : Events{"ScoreNo", "hide Roll"}));
        EXPECT_EQ(std::filesystem::last_write_time(file), stamp) << "not even rewritten";
        EXPECT_FALSE(board.scorePending());
    }
}

TEST_F(BoardTest, CancelledPromptGivesAnEmptyNameAndSoundOffMutesScoreHigh)
{
    name.clear();
    soundOff = true;
    startWith({"0900 - A", "0800 - B", "0007 - C"});
    finishGame(5);
    EXPECT_EQ(events, (Events{"prompt: You are the 4th one\r\nEnter your name", "hide Roll"}));
    EXPECT_EQ(readBytes(file), "A - 0090\r\nB - 0080\r\nC - 7000\r\n - 5000\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(BoardTest, FailedWriteKeepsTheOldFileTellsThePlayerAndEndsThePendingState)
{
    startWith(kDescending);
    const std::string before = readBytes(file);
    // A folder in the way of the temporary file makes the write fail.
    std::filesystem::create_directory(temporaryFileFor(file));
    testing::writeBytes(temporaryFileFor(file) / "keep", "x");

    finishGame(1000);
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(events, (Events{"prompt: Congratiulations ! You are the 1st one\r\nEnter your name",
                              "message: " + std::string(kNotSavedMessage), "hide Roll"}));
    EXPECT_FALSE(board.scorePending());
}

// A full or failing disk at each step of the write: the old table stays
// whole, and the player hears that the score is not saved, and what to do
// when the disk is full.
TEST_F(BoardTest, AFullOrFailingDiskAtAnyStepKeepsTheOldTable)
{
    using storage::testing::FailingDisk;
    for (const std::error_code error : {storage::testing::kNoSpace, storage::testing::kIoError}) {
        for (int step = 1; step <= 3; ++step) {
            SCOPED_TRACE(error.message() + " at step " + std::to_string(step));
            startWith(kDescending);
            const std::string before = readBytes(file);
            const FailingDisk disk(step, error);
            finishGame(1000);
            EXPECT_EQ(readBytes(file), before);
            const std::string advice = error == storage::testing::kNoSpace ? std::string(kDiskFullAdvice) : "";
            ASSERT_EQ(events.size(), 3U);
            EXPECT_EQ(events[1], "message: " + std::string(kNotSavedMessage) + advice);
            EXPECT_FALSE(board.scorePending());
        }
    }
}

// The end of a game for several players: each person's score in turn, best
// first, ranked against the table as the entry before left it, the prompt
// offering the player's name; Roll is hidden once, after the last.
TEST_F(BoardTest, ATablesScoresAreEnteredOneAfterAnotherBestFirst)
{
    startWith(kDescending);
    board.handOver({{850, "Ann", 2}, {850, "Bob", 0}, {10, "Cy", 3}});
    board.SaveScore_Click();
    EXPECT_EQ(events, (Events{"prompt: Congratiulations ! You are the 2nd one\r\nEnter your name [Ann]", "ScoreHigh",
                              "prompt: Congratiulations ! You are the 3rd one\r\nEnter your name [Bob]", "ScoreHigh",
                              "ScoreNo", "hide Roll"}));
    EXPECT_EQ(seatsTaken, (std::vector<int>{2, 0}));
    EXPECT_EQ(readTable(file)[1], "0850 - Ann");
    EXPECT_EQ(readTable(file)[2], "0850 - Bob");
    EXPECT_FALSE(board.scorePending());
}

// Two copies of the game on one file: the second enters its score while the
// first one's prompt is open. The first keeps the place message of its own
// activation, its entry goes where it ranks in the table as it is now, and
// the player is told when that is not the place promised.
TEST_F(BoardTest, TwoGamesEndingTogetherBothKeepTheirEntries)
{
    const struct {
        std::int16_t first, second;
        HighScoreTable expected;
        Events events;
    } cases[] = {
        {650,
         750,
         {"0900 - A", "0800 - B", "0750 - Other", "0700 - C", "0650 - Zed", "0600 - D", "0500 - E", "0400 - F",
          "0300 - G", "0200 - H"},
         {"prompt: You are the 4th one\r\nEnter your name", "ScoreHigh", "message: " + placeTakenMessage(4),
          "hide Roll"}},
        // The other score took the last place this one was offered.
        {51,
         60,
         {"0900 - A", "0800 - B", "0700 - C", "0600 - D", "0500 - E", "0400 - F", "0300 - G", "0200 - H", "0100 - I",
          "0060 - Other"},
         {"prompt: You are the last one\r\nEnter your name", "ScoreNo", "message: " + placeTakenMessage(std::nullopt),
          "hide Roll"}},
        // A score below this one's came in: the place stays, and nothing more is said.
        {650,
         550,
         {"0900 - A", "0800 - B", "0700 - C", "0650 - Zed", "0600 - D", "0550 - Other", "0500 - E", "0400 - F",
          "0300 - G", "0200 - H"},
         {"prompt: You are the 4th one\r\nEnter your name", "ScoreHigh", "hide Roll"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        startWith(kDescending);
        HighScoreBoard other(file,
                             InsertionServices{
                                 .askName = [](const std::string&, const std::string&) { return std::string("Other"); },
                                 .showMessage = [](const std::string&) {},
                                 .soundOff = [] { return true; },
                                 .playScoreCue = [](bool) {},
                                 .scoreTaking = [](int) {},
                                 .hideRoll = [] {},
                                 .labelsChanged = [] {},
                             });
        other.reload();
        whilePromptOpen = [&] {
            other.handOver(c.second);
            other.SaveScore_Click();
        };
        finishGame(c.first);
        EXPECT_EQ(readTable(file), c.expected);
        EXPECT_EQ(board.shownEntries(), c.expected);
        EXPECT_EQ(events, c.events);
    }
}

}  // namespace
}  // namespace dakru::scores
