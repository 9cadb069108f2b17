// How the learned model travels as text in the generated source: each table
// to its unit, and the whole model unchanged from the learner to the game.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "corrections.h"
#include "model.h"
#include "model_codec.h"

namespace dakru::advisor {
namespace {

constexpr double kQuarters = 4;

TEST(ModelCodec, ATableIsReadBackToTheUnit)
{
    struct Case {
        std::size_t entry;
        float value;
        float read;
    };
    const std::vector<Case> cases{
        {0, 1.0f, 1.0f},
        {1, -0.3f, -0.25f},
        {2, 0.1f, 0.0f},  // rounds to 0: left out
        {3, 0.13f, 0.25f},
        {200, -53.9f, -54.0f},
        {201, 2.26f, 2.25f},
        {70'000, 1000.0f, 1000.0f},
        {corrections::kSize - 1, -0.125f, -0.25f},
    };
    std::vector<float> tables(corrections::kSize, 0.0f);
    for (const Case& c : cases) {
        tables[c.entry] = c.value;
    }
    const std::string text = encodeTable(tables, kQuarters);
    EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"),
              std::string::npos);
    const std::vector<float> read = decodeTable(text, corrections::kSize, kQuarters);
    ASSERT_EQ(read.size(), tables.size());
    std::size_t notZero = 0;
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(read[c.entry], c.read) << "entry " << c.entry;
        notZero += c.read != 0 ? 1 : 0;
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(read.begin(), read.end(), [](float v) { return v != 0; })),
              notZero);
    EXPECT_EQ(decodeTable(encodeTable(std::vector<float>(10, 0.0f), kQuarters), 10, kQuarters),
              std::vector<float>(10, 0.0f));
}

TEST(ModelCodec, TextItDidNotWriteIsRefused)
{
    std::vector<float> tables(100, 0.0f);
    tables[99] = 3.0f;
    const std::string good = encodeTable(tables, kQuarters);
    ASSERT_NO_THROW(decodeTable(good, 100, kQuarters));
    for (const std::string& bad : {good + "!", good.substr(0, 1), std::string("////"), std::string("gA")}) {
        EXPECT_THROW(decodeTable(bad, 100, kQuarters), std::invalid_argument) << bad;
    }
    EXPECT_THROW(decodeTable(good, 99, kQuarters), std::invalid_argument) << "an entry past the tables";
}

TEST(ModelCodec, TheLearnedModelComesBackAsItWasPacked)
{
    const Model model = learnedModel();
    const PackedModel packed = packModel(model);
    const Model read = unpackModel(packed.chances, packed.means, packed.corrections);
    EXPECT_EQ(read.phases, model.phases);
    EXPECT_EQ(read.means, model.means);
    EXPECT_EQ(read.corrections, model.corrections);
}

TEST(ModelCodec, AModelIsPackedToItsUnits)
{
    Model model;
    model.phases[0][0][0][3] = 0.25;        // a chance, to 1/10,000
    model.phases[8][3][13][80] = 0.123456;  // the last score of the last cell
    model.phases[4][2][6][10] = 0.00004;    // too rare to count
    model.means[0][0][0][0] = 2.345;        // a mean, to 1/100
    model.means[8][3][13][kWaits - 1] = 71.5;
    model.corrections.assign(corrections::kSize, 0.0f);
    model.corrections[5] = -3.3f;  // a correction, to the quarter point
    const PackedModel packed = packModel(model);
    const Model read = unpackModel(packed.chances, packed.means, packed.corrections);
    EXPECT_NEAR(read.phases[0][0][0][3], 0.25, 1e-7);
    EXPECT_NEAR(read.phases[8][3][13][80], 0.1235, 1e-7);
    EXPECT_EQ(read.phases[4][2][6][10], 0.0);
    EXPECT_NEAR(read.means[0][0][0][0], 2.35, 1e-6);
    EXPECT_NEAR(read.means[8][3][13][kWaits - 1], 71.5, 1e-6);
    EXPECT_FLOAT_EQ(read.corrections[5], -3.25f);
    // The chances' text read as the means: an entry past the means' table.
    EXPECT_THROW(unpackModel(packed.chances, packed.chances, packed.corrections), std::invalid_argument);
    EXPECT_THROW(unpackModel(packed.chances, packed.means, "////"), std::invalid_argument);
}

}  // namespace
}  // namespace dakru::advisor
