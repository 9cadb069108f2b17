#include "cue.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace dakru {
namespace {

namespace fs = std::filesystem;

fs::path soundFile(Cue cue)
{
    return fs::path(DAKRU_ASSETS_DIR) / "Sounds" / std::string(cueFileName(cue));
}

// A cue's file as SDL, which plays it, decodes it; no samples when it cannot.
struct Sound {
    SDL_AudioSpec format{};
    std::vector<std::int16_t> samples;
};

Sound decode(Cue cue)
{
    Sound sound;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(soundFile(cue).string().c_str(), &sound.format, &buffer, &length)) {
        const auto* first = reinterpret_cast<const std::int16_t*>(buffer);
        sound.samples.assign(first, first + length / 2);
        SDL_FreeWAV(buffer);
    }
    return sound;
}

TEST(SoundAssets, EveryCueIsLoudMono16BitPcmWithoutClicks)
{
    for (const Cue cue : kAllCues) {
        const std::string name(cueFileName(cue));
        const Sound sound = decode(cue);
        ASSERT_FALSE(sound.samples.empty()) << name << ": " << SDL_GetError();
        EXPECT_EQ(sound.format.format, AUDIO_S16LSB) << name;
        EXPECT_EQ(sound.format.channels, 1) << name;
        EXPECT_EQ(sound.format.freq, 22050) << name;
        // SDL expands compressed files as it loads them; plain PCM already holds every byte.
        EXPECT_GE(fs::file_size(soundFile(cue)), 44 + 2 * sound.samples.size()) << name << " is not PCM";
        const auto peak = std::ranges::max(sound.samples, {}, [](int s) { return std::abs(s); });
        EXPECT_GE(std::abs(int(peak)), 32767 * 3 / 10) << name << " is too quiet, or silent";
        EXPECT_LE(std::abs(int(sound.samples.front())), 330) << name << " clicks as it starts";
        EXPECT_LE(std::abs(int(sound.samples.back())), 330) << name << " clicks as it stops";
    }
}

TEST(SoundAssets, RattlesGrowWithTheNumberOfDice)
{
    std::size_t previous = 0;
    for (const Cue cue : {Cue::Dice1, Cue::Dice2, Cue::Dice3, Cue::Dice4, Cue::Dice5}) {
        const std::size_t length = decode(cue).samples.size();
        EXPECT_GT(length, previous) << cueFileName(cue);
        previous = length;
    }
    // The game waits for the rattle on every roll: even five dice take under a second.
    EXPECT_LT(previous, 22050u);
}

TEST(SoundAssets, AllAssetsTogetherStaySmall)
{
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(DAKRU_ASSETS_DIR))
        if (entry.is_regular_file())
            total += entry.file_size();
    EXPECT_LT(total, 3u * 1024 * 1024);
}

}  // namespace
}  // namespace dakru
