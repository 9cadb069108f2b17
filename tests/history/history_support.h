#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "finished_game.h"

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
