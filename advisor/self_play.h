#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>

#include "game_record.h"
#include "players.h"
#include "random_source.h"
#include "sheet.h"

namespace dakru::advisor {

struct PlayedGame {
    Sheet sheet;                                                           // full
    std::array<std::array<int, kRowCount>, kColumnCount> writtenInTurn{};  // 1 to 56, per cell
    int finalScore = 0;
    int decisions = 0;
    GameRecord record;  // every roll, call and write, for the review
};

// The sheet of a played game after turn `turn` (0 to 56): the cells written by then.
Sheet sheetAfter(const PlayedGame& game, int turn);

// The dice of a seeded game: each face in the middle of its sixth of [0, 1).
class SeededDice final : public RandomSource {
public:
    explicit SeededDice(std::uint64_t seed) : engine_(seed) {}
    float next() override { return static_cast<float>(face_(engine_) - 1) / 6.0f + 1.0f / 12.0f; }

private:
    std::mt19937_64 engine_;
    std::uniform_int_distribution<int> face_{1, 6};
};

// Called with the time each decision took.
using DecisionClock = std::function<void(std::chrono::nanoseconds)>;

// One whole game on the rules engine, silent, with dice from `seed`: the same
// seed gives every player the same stream of dice. Throws std::logic_error
// when the player asks for something the game does not allow.
PlayedGame playGame(Player& player, std::uint64_t seed, const DecisionClock& clock = {});

}  // namespace dakru::advisor
