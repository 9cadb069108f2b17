// The three strengths of a computer player, on the same seeded dice: each
// plays where its name says, and the names and keys the setup and the files
// use stay put.

#include <gtest/gtest.h>

#include "self_play.h"
#include "strengths.h"

namespace dakru::advisor {
namespace {

class StrengthMean : public ::testing::TestWithParam<Strength> {};

// A few hundred games for the quick one, a hundred for the others (sd about
// 105, so a mean within 50 of its name is five standard errors wide). On the
// same dice, each strength above the easy one beats it in nearly every game.
TEST_P(StrengthMean, FallsNearTheScoreItIsNamedBy)
{
    const Strength strength = GetParam();
    const int games = strength == Strength::Easy ? 300 : 100;
    long total = 0;
    int winsOverEasy = 0;
    for (int g = 0; g < games; ++g) {
        const auto seed = static_cast<std::uint64_t>(7000 + g);
        const int score = playGame(*makePlayer(strength, seed), seed).finalScore;
        total += score;
        winsOverEasy += score > playGame(*makePlayer(Strength::Easy, seed), seed).finalScore ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(total) / games, describe(strength).typicalScore, 50) << describe(strength).name;
    if (strength != Strength::Easy) {
        EXPECT_GT(winsOverEasy, games * 95 / 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Strengths, StrengthMean, ::testing::ValuesIn(kStrengths),
                         [](const auto& info) { return std::string(describe(info.param).name); });

// Rising, far apart, each told apart by its name and its key; a key read back
// gives its strength, and nothing else is taken for one.
TEST(Strengths, NamesKeysAndScoresAreDistinctAndRising)
{
    for (std::size_t i = 0; i < kStrengths.size(); ++i) {
        const StrengthInfo& info = describe(kStrengths[i]);
        EXPECT_FALSE(info.name.empty());
        EXPECT_FALSE(info.description.empty());
        EXPECT_EQ(strengthFromKey(info.key), kStrengths[i]);
        if (i > 0) {
            const StrengthInfo& below = describe(kStrengths[i - 1]);
            EXPECT_GT(info.typicalScore, below.typicalScore + 200);
            EXPECT_NE(info.name, below.name);
        }
    }
    EXPECT_EQ(describe(Strength::Easy).key, "easy");
    EXPECT_EQ(describe(Strength::Medium).key, "medium");
    EXPECT_EQ(describe(Strength::Strong).key, "strong");
    for (const std::string_view unknown : {"", "Easy", "hard", "strong "}) {
        EXPECT_FALSE(strengthFromKey(unknown)) << unknown;
    }
}

// The medium player's slips come from its seed: the same seed plays the same
// game on the same dice, another seed another game.
TEST(Strengths, TheMediumPlayerIsFixedByItsSeed)
{
    const auto play = [](std::uint64_t playerSeed) {
        const std::unique_ptr<Player> player = makePlayer(Strength::Medium, playerSeed);
        return playGame(*player, 42);
    };
    const PlayedGame first = play(1);
    EXPECT_EQ(play(1).writtenInTurn, first.writtenInTurn);
    EXPECT_EQ(play(1).sheet, first.sheet);
    EXPECT_NE(play(2).writtenInTurn, first.writtenInTurn);
}

}  // namespace
}  // namespace dakru::advisor
