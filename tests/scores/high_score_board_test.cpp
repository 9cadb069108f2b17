#include "high_score_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "table_file.h"
#include "temp_folder.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;

HighScoreTable descending()
{
    return {"0900 - A", "0800 - B", "0700 - C", "0600 - D", "0500 - E",
            "0400 - F", "0300 - G", "0200 - H", "0100 - I", "0050 - J"};
}

// Records what the insertion asks of the window, the player and the sound.
class BoardTest : public ::testing::Test {
protected:
    BoardTest()
        : board(file, InsertionServices{
                          .askName = [this](const std::string& prompt) {
                              events.push_back("prompt: " + prompt);
                              labelsAtPrompt = board.shownEntries();
                              // Once: a nested insertion would otherwise recurse.
                              if (auto action = std::exchange(whilePromptOpen, nullptr))
                                  action();
                              return name;
                          },
                          .showMessage = [this](const std::string& text) { events.push_back("message: " + text); },
                          .soundOff = [this] { return soundOff; },
                          .playScoreCue = [this](bool placed) {
                              events.push_back(placed ? "cue: ScoreHigh" : "cue: ScoreNo");
                          },
                          .hideRoll = [this] { events.push_back("hide Roll"); },
                          .labelsChanged = [this] { ++labelChanges; },
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
    HighScoreBoard board;
    std::vector<std::string> events;
    HighScoreTable labelsAtPrompt;
    std::function<void()> whilePromptOpen;
    std::string name = "Zed";
    bool soundOff = false;
    int labelChanges = 0;
};

TEST_F(BoardTest, PlacesAScoreMovingTheLowerEntriesDown)
{
    const struct {
        const char* name;
        std::int16_t score;
        int place;
        const char* message;
    } cases[] = {
        {"1st", 901, 0, "Congratiulations ! You are the 1st one"},
        {"2nd on a tie with the best", 900, 1, "Congratiulations ! You are the 2nd one"},
        {"5th", 550, 4, "You are the 5th one"},
        {"10th", 51, 9, "You are the last one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(descending());
        finishGame(c.score);

        HighScoreTable expected = descending();
        for (int k = kEntryCount - 1; k > c.place; --k)
            expected[k] = expected[k - 1];
        HighScoreTable whileAsking = expected;
        expected[c.place] = ScoreText(c.score) + " - Zed";

        EXPECT_EQ(labelsAtPrompt, whileAsking) << "moved before the prompt, old text still at the place";
        EXPECT_EQ(board.shownEntries(), expected);
        EXPECT_EQ(readTable(file), expected);
        EXPECT_EQ(events, (std::vector<std::string>{std::string("prompt: ") + c.message + "\r\nEnter your name",
                                                    "cue: ScoreHigh", "hide Roll"}));
        EXPECT_FALSE(board.scorePending());
    }
}

TEST_F(BoardTest, NoPlaceLeavesTheFileUntouched)
{
    startWith(descending());
    const auto before = std::filesystem::last_write_time(file);
    const std::string bytes = readBytes(file);
    std::filesystem::last_write_time(file, before - std::chrono::hours(1));

    finishGame(50);

    EXPECT_EQ(events, (std::vector<std::string>{"cue: ScoreNo", "hide Roll"}));
    EXPECT_EQ(readBytes(file), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(file), before - std::chrono::hours(1)) << "not rewritten";
    EXPECT_EQ(board.shownEntries(), descending());
    EXPECT_FALSE(board.scorePending());
}

TEST_F(BoardTest, SoundOffSilencesBothCues)
{
    soundOff = true;
    startWith(descending());
    finishGame(50);
    board.handOver(1000);
    board.SaveScore_Click();
    EXPECT_EQ(events, (std::vector<std::string>{"hide Roll", "prompt: Congratiulations ! You are the 1st one\r\n"
                                                              "Enter your name",
                                                "hide Roll"}));
}

TEST_F(BoardTest, CancelledPromptStoresTheScoreWithAnEmptyName)
{
    name.clear();
    startWith({"0900 - A", "0800 - B", "0007 - C"});
    finishGame(5);
    EXPECT_EQ(board.shownEntries()[3], "0005 - ");
    EXPECT_EQ(readBytes(file), "A - 0090\r\nB - 0080\r\nC - 7000\r\n - 5000\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(BoardTest, MissingFileIsCreatedOnTheFirstPlacedScore)
{
    board.reload();
    finishGame(0);
    EXPECT_EQ(readBytes(file), "deZ - 0000\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(BoardTest, NothingHappensWithoutAPendingScore)
{
    startWith(descending());
    board.SaveScore_Click();
    EXPECT_TRUE(events.empty());

    finishGame(1000);
    events.clear();
    board.SaveScore_Click();
    EXPECT_TRUE(events.empty()) << "a second activation inserts nothing";
}

TEST_F(BoardTest, RankingUsesTheTableAsReadNotTheShownEntries)
{
    startWith(descending());
    finishGame(1000);
    events.clear();
    // Not reloaded in between: the new 1000 is not in the read copy yet.
    finishGame(950);
    EXPECT_EQ(board.shownEntries()[0], "0950 - Zed");
    EXPECT_EQ(board.shownEntries()[1], "1000 - Zed");
    EXPECT_EQ(board.shownEntries()[2], "0900 - A");
}

TEST_F(BoardTest, FailedWriteKeepsTheOldFileTellsThePlayerAndEndsThePendingState)
{
    startWith(descending());
    const std::string before = readBytes(file);
    std::filesystem::create_directory(temporaryFileFor(file));
    testing::writeBytes(temporaryFileFor(file) / "keep", "x");

    finishGame(1000);

    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(events, (std::vector<std::string>{"prompt: Congratiulations ! You are the 1st one\r\nEnter your name",
                                                "message: " + std::string(kNotSavedMessage), "hide Roll"}));
    EXPECT_FALSE(board.scorePending());
}

TEST_F(BoardTest, InsertsAtMostOnceWhenEnteredAgainWhileThePromptIsOpen)
{
    startWith(descending());
    whilePromptOpen = [&] {
        // The game-end watch hands the same game over again and the window is
        // activated again, all inside the prompt's event loop.
        board.handOver(1000);
        board.reload();
        board.SaveScore_Click();
    };
    finishGame(1000);

    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("prompt"); }),
              1);
    EXPECT_EQ(events.back(), "hide Roll");
    EXPECT_EQ(board.shownEntries()[0], "1000 - Zed");
    EXPECT_EQ(board.shownEntries()[1], "0900 - A") << "the reload did not undo the moved entries";
    EXPECT_EQ(readTable(file)[1], "0900 - A");
    EXPECT_FALSE(board.scorePending()) << "the repeated hand-over left nothing pending";

    events.clear();
    board.reload();
    board.SaveScore_Click();
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace dakru::scores
