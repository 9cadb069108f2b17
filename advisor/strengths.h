#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "players.h"

namespace dakru::advisor {

// How well a computer player at the table plays.
enum class Strength { Easy, Medium, Strong };
inline constexpr std::array<Strength, 3> kStrengths{Strength::Easy, Strength::Medium, Strength::Strong};

struct StrengthInfo {
    std::string_view name;         // as the setup shows it
    std::string_view description;  // one line under the name: what to expect
    std::string_view key;          // in files: never changes once written
    int typicalScore = 0;          // the mean over many games, rounded
};

const StrengthInfo& describe(Strength strength);
std::optional<Strength> strengthFromKey(std::string_view key);

// The player of a strength. The seed fixes its choices where it has any, so
// that the same seed and the same dice play the same game.
std::unique_ptr<Player> makePlayer(Strength strength, std::uint64_t seed);

// The Medium player's temperature, in points of expected final score: a move
// that costs 3 points is taken a third as often as the best (e^-1), one that
// costs 15 points almost never. Set so that the mean lands near 850.
inline constexpr double kMediumTemperature = 3.0;

}  // namespace dakru::advisor
