// The review as the terminal prints it, line for line, on games whose figures
// are exact: only the last cell is left, so every expectation is the game's end.

#include <gtest/gtest.h>

#include "review_text.h"
#include "row_value.h"

namespace dakru::review {
namespace {

using Holds = std::array<bool, kDiceCount>;
constexpr Holds kThreeSixes{true, true, true, false, false};

// Every cell written as five 1s score it (413 in all), but Down\Up's Dakru cell.
GameState lastCellOpen()
{
    GameState state;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            state.cells[index(column)][row - 1].value = RowValue(row, {1, 1, 1, 1, 1});
        }
    }
    state.cells[index(Column::DownUp)][row::Dakru - 1].value.reset();
    state.RollCount = 0;
    state.CalledRow = 0;
    state.DiceFaces.fill(0);
    return state;
}

Sheet ending(const GameRecord& record, int dakru)
{
    Sheet sheet = record.start->cells;
    sheet[index(Column::DownUp)][row::Dakru - 1].value = dakru;
    return sheet;
}

std::string textOf(const GameRecord& record, const Sheet& sheet)
{
    advisor::Advisor advisor;
    const Reviewed reviewed = reviewGame(record, sheet, advisor);
    EXPECT_TRUE(reviewed.review) << reviewed.refusal;
    return reviewed.review ? reviewText(*reviewed.review) : std::string();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        out.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

// Four sixes and a one: a hint, 0 written in Dakru and taken back, then three
// sixes held twice and nothing made. Holding four sixes was worth 80 x 11/36
// = 24.44, three 80 x 121/1296 = 7.47: 16.98 lost. With three sixes and one
// roll left, holding them again is the best; the last write is forced.
TEST(ReviewText, AKnownGameLineForLine)
{
    GameRecord record = GameRecord::startingAt(lastCellOpen());
    record.roll({}, {6, 6, 6, 6, 1});
    record.hint();
    record.write(Column::DownUp, row::Dakru);
    record.undo();
    record.roll(kThreeSixes, {6, 6, 6, 2, 3});
    record.roll(kThreeSixes, {6, 6, 6, 4, 5});
    record.write(Column::DownUp, row::Dakru);
    const std::vector<std::string> expected{
        "A game of 413 points, reviewed against the advisor from turn 56: the turns before it were not recorded.",
        "Points lost: 17.0 in 2 decisions, 8.49 a decision; best decisions: 50.0 %.",
        "Grades: 1 best, 0 inaccuracies, 0 mistakes, 1 blunder (losing 0.25 points or more is an inaccuracy, 2.5 a "
        "mistake, 10 a blunder).",
        "Lost by kind: holds 17.0 in 2, calls 0.0 in 0, writes 0.0 in 0.",
        "Lost by column: Down 0.0, Down\\Up 17.0, Up 0.0, Call 0.0.",
        "Rows that lost most: Dakru (17.0).",
        "Hints shown: 1; undos: 1.",
        "",
        "Mistakes and blunders, with the expected final score after each move:",
        "Turn 56, roll 1, dice 6 6 6 6 1: Hold the three sixes and roll (420.5); best: Hold the four sixes and roll "
        "(437.4); 17.0 lost, blunder, after a hint",
    };
    EXPECT_EQ(lines(textOf(record, ending(record, 0))), expected);
}

TEST(ReviewText, AGameWithoutMistakesOrDecisions)
{
    GameRecord best = GameRecord::startingAt(lastCellOpen());
    best.roll({}, {6, 6, 6, 6, 1});
    best.roll({true, true, true, true, false}, {6, 6, 6, 6, 6});
    best.write(Column::DownUp, row::Dakru);
    const std::vector<std::string> bestLines = lines(textOf(best, ending(best, 80)));
    ASSERT_EQ(bestLines.size(), 8u);
    EXPECT_EQ(
        bestLines[0],
        "A game of 493 points, reviewed against the advisor from turn 56: the turns before it were not recorded.");
    EXPECT_EQ(bestLines[1], "Points lost: 0.0 in 2 decisions, 0.00 a decision; best decisions: 100.0 %.");
    EXPECT_EQ(bestLines[5], "Rows that lost most: none.");
    EXPECT_EQ(bestLines[7], "No mistakes or blunders.");

    // Taken up after the turn's third roll: the write left is forced.
    GameState thrown = lastCellOpen();
    thrown.RollCount = 3;
    for (int n = 0; n < kDiceCount; ++n) {
        thrown.dice[n].face = 2;
        thrown.DiceFaces[n] = 2;
    }
    GameRecord forced = GameRecord::startingAt(thrown);
    forced.write(Column::DownUp, row::Dakru);
    EXPECT_EQ(
        lines(textOf(forced, ending(forced, 60))),
        (std::vector<std::string>{"A game of 473 points, reviewed against the advisor from the middle of turn 56: "
                                  "the turns before it were not recorded.",
                                  "No decisions to review."}));
}

}  // namespace
}  // namespace dakru::review
