#include "strengths.h"

namespace dakru::advisor {
namespace {

// The typical scores are the benchmark's means over 10,000 games, to the nearest ten.
constexpr std::array<StrengthInfo, kStrengths.size()> kInfo{{
    {"Easy", "Takes the best score it sees at once: about 480 a game.", "easy", 480},
    {"Medium", "Plays well, with a slip now and then: about 850 a game.", "medium", 850},
    {"Strong", "Plays as the hint does, the computer's best: about 1,170 a game.", "strong", 1170},
}};

}  // namespace

const StrengthInfo& describe(Strength strength)
{
    return kInfo[static_cast<std::size_t>(strength)];
}

std::optional<Strength> strengthFromKey(std::string_view key)
{
    for (const Strength s : kStrengths) {
        if (describe(s).key == key) {
            return s;
        }
    }
    return std::nullopt;
}

std::unique_ptr<Player> makePlayer(Strength strength, std::uint64_t seed)
{
    switch (strength) {
    case Strength::Easy: return std::make_unique<GreedyPlayer>();
    case Strength::Medium: return std::make_unique<SamplingAdvisorPlayer>(seed, kMediumTemperature);
    case Strength::Strong: return std::make_unique<AdvisorPlayer>();
    }
    return nullptr;
}

}  // namespace dakru::advisor
