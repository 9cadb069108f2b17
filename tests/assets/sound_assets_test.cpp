#include "cue.h"
#include "wav_test_util.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace dakru {
namespace {

namespace fs = std::filesystem;

fs::path soundFile(Cue cue)
{
    return fs::path(DAKRU_ASSETS_DIR) / "Sounds" / std::string(cueFileName(cue));
}

class CueFile : public testing::TestWithParam<Cue> {};

TEST_P(CueFile, IsMonoPcmDecodableNormalisedAndFaded)
{
    const fs::path file = soundFile(GetParam());
    std::string why;
    const auto wav = test::readWav(file, why);
    ASSERT_TRUE(wav) << file << ": " << why;
    EXPECT_EQ(wav->formatTag, 1) << "PCM";
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->bitsPerSample, 16);
    EXPECT_EQ(wav->sampleRate, 22050u);
    ASSERT_FALSE(wav->samples.empty());

    int peak = 0;
    for (const std::int16_t s : wav->samples)
        peak = std::max(peak, std::abs(int(s)));
    EXPECT_GE(peak, 32767 * 3 / 10) << "too quiet, or silent";
    // No click where the sound starts or stops.
    EXPECT_LE(std::abs(int(wav->samples.front())), 330);
    EXPECT_LE(std::abs(int(wav->samples.back())), 330);

    // And SDL, which plays it, reads it the same way.
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV(file.string().c_str(), &spec, &buffer, &length), nullptr) << SDL_GetError();
    EXPECT_EQ(spec.freq, 22050);
    EXPECT_EQ(spec.channels, 1);
    EXPECT_EQ(spec.format, AUDIO_S16LSB);
    EXPECT_EQ(length, wav->samples.size() * 2);
    SDL_FreeWAV(buffer);
}

INSTANTIATE_TEST_SUITE_P(Assets, CueFile, testing::ValuesIn(kAllCues),
                         [](const testing::TestParamInfo<Cue>& info) {
                             std::string name(cueFileName(info.param));
                             return "cue_" + name.substr(0, name.find('.'));
                         });

TEST(SoundAssets, RattlesGrowWithTheNumberOfDice)
{
    const Cue rattles[] = {Cue::Dice1, Cue::Dice2, Cue::Dice3, Cue::Dice4, Cue::Dice5};
    double previous = 0.0;
    for (const Cue cue : rattles) {
        std::string why;
        const auto wav = test::readWav(soundFile(cue), why);
        ASSERT_TRUE(wav) << cueFileName(cue) << ": " << why;
        EXPECT_GT(wav->seconds(), previous) << cueFileName(cue);
        previous = wav->seconds();
    }
    std::string why;
    // The game waits for the rattle on every roll: short for one die, under a
    // second for five.
    EXPECT_NEAR(test::readWav(soundFile(Cue::Dice1), why)->seconds(), 0.3, 0.1);
    EXPECT_NEAR(test::readWav(soundFile(Cue::Dice5), why)->seconds(), 0.9, 0.15);
}

TEST(SoundAssets, AllAssetsTogetherStaySmall)
{
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(DAKRU_ASSETS_DIR))
        if (entry.is_regular_file())
            total += entry.file_size();
    EXPECT_LT(total, 2u * 1024 * 1024);
}

}  // namespace
}  // namespace dakru
