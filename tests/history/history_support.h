#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "finished_game.h"
#include "totals.h"

namespace dakru::history::test {

// A finished game whose values all follow from n, so that every game of a test
// is different and can be recognised when read back.
inline FinishedGame sampleGame(int n)
{
    FinishedGame game;
    game.endedAt = "2026-12-" + std::string(n % 28 < 9 ? "0" : "") + std::to_string(n % 28 + 1)
                   + "T10:" + std::string(n % 60 < 10 ? "0" : "") + std::to_string(n % 60) + ":00Z";
    game.secondsPlayed = 600 + n;
    game.finalScore = 500 + n;
    for (int i = 0; i < kCells; ++i) {
        game.cells[static_cast<std::size_t>(i)] = (n + i) % 31;
    }
    for (int section = 0; section < kSections; ++section) {
        for (int column = 0; column < kColumns; ++column) {
            game.sectionSums[static_cast<std::size_t>(section)][static_cast<std::size_t>(column)] =
                n + 10 * section + column;
        }
    }
    game.assisted = n % 3 == 0;
    game.version = "1.6.6";
    return game;
}

// The section sums and the score the game's cells make, by the rules.
inline void withTotals(FinishedGame& game)
{
    Sheet sheet{};
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            sheet[static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)].value = game.cell(row, column);
        }
    }
    const Totals totals = computeTotals(sheet);
    for (int section = 0; section < kSections; ++section) {
        for (int column = 0; column < kColumns; ++column) {
            game.sectionSums[static_cast<std::size_t>(section)][static_cast<std::size_t>(column)] =
                totals.sums[static_cast<std::size_t>(section)][static_cast<std::size_t>(column)];
        }
    }
    game.finalScore = totals.grandTotal;
}

// A game the rules can give, different for each n, with its sums and score
// made by the rules, and an identity of its own.
inline FinishedGame intactGame(int n)
{
    FinishedGame game = sampleGame(n);
    for (int column = 0; column < kColumns; ++column) {
        const int f = (n + column) % 6 + 1;  // a face
        const int other = f % 6 + 1;         // another
        const std::array<int, kRows> rows{1 * (f % 6),
                                          2 * (f % 3),
                                          3 * (f % 4),
                                          4 * (f % 2),
                                          5 * (f % 5),
                                          6 * (f % 6),
                                          5 + f,
                                          20 + f,
                                          3 * f + 10,
                                          column % 2 == 0 ? 35 : 0,
                                          n % 2 == 0 ? 45 : 0,
                                          3 * f + 2 * other + 30,
                                          4 * f + 40,
                                          column == 3 ? 0 : 5 * f + 50};
        for (int row = 1; row <= kRows; ++row) {
            game.cells[static_cast<std::size_t>((row - 1) * kColumns + column)] =
                rows[static_cast<std::size_t>(row - 1)];
        }
    }
    withTotals(game);
    char id[33];
    std::snprintf(id, sizeof id, "%032x", n + 1);
    game.gameId = id;
    return game;
}

// A folder of its own for each test, removed afterwards.
class HistoryFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path()
                  / ("dakru-history-" + std::string(info->test_suite_name()) + "-" + info->name() + "-"
                     + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path file() const { return folder_ / "history.sqlite"; }

    std::filesystem::path folder_;
};

}  // namespace dakru::history::test
