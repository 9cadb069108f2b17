#include "sdl_cue_player.h"

#include <SDL_stdinc.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <thread>

namespace dakru {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The player's device rate: test sounds at this rate reach the output unresampled.
constexpr int kRate = 44100;

template <class Action>
long long millisecondsOf(Action action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    const auto took = std::chrono::steady_clock::now() - start;
    return std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
}

// Gives each test a Sounds folder holding all twelve cues as short quiet tones.
class SdlCuePlayerTest : public testing::Test {
protected:
    SdlCuePlayerTest()
    {
        fs::create_directories(dir);
        for (const Cue cue : kAllCues)
            tone(cue, 0.05, 1000);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path file(Cue cue) const { return dir / std::string(cueFileName(cue)); }

    // A mono 16-bit PCM square wave of constant loudness, easy to find in the output.
    void tone(Cue cue, double seconds, std::int16_t amplitude) const
    {
        const auto count = static_cast<std::uint32_t>(seconds * kRate);
        std::ofstream out(file(cue), std::ios::binary);
        const auto put = [&](std::uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                out.put(static_cast<char>(value >> (8 * i)));
        };
        out.write("RIFF", 4);
        put(36 + 2 * count, 4);
        out.write("WAVEfmt ", 8);
        // Chunk size, PCM, mono, rate, bytes a second, bytes a frame, bits a sample.
        for (const auto& [value, bytes] : {std::pair<std::uint32_t, int>{16, 4}, {1, 2}, {1, 2},
                                          {kRate, 4}, {2 * kRate, 4}, {2, 2}, {16, 2}})
            put(value, bytes);
        out.write("data", 4);
        put(2 * count, 4);
        for (std::uint32_t i = 0; i < count; ++i)
            put(static_cast<std::uint16_t>((i / 50) % 2 ? -amplitude : amplitude), 2);
    }

    // SDL reads these when the player starts its audio; the disk driver writes to `output`.
    void useDriver(const char* driver) const
    {
        SDL_setenv("SDL_AUDIODRIVER", driver, 1);
        SDL_setenv("SDL_DISKAUDIOFILE", output.string().c_str(), 1);
    }

    // How long the disk output (16-bit stereo at kRate) lay between `low` and `high`.
    double millisecondsHeardBetween(int low, int high) const
    {
        std::ifstream in(output, std::ios::binary);
        std::int16_t frame[2];
        std::size_t frames = 0;
        while (in.read(reinterpret_cast<char*>(frame), sizeof frame)) {
            const int level = std::max(std::abs(int(frame[0])), std::abs(int(frame[1])));
            frames += level >= low && level <= high;
        }
        return 1000.0 * double(frames) / kRate;
    }

    const fs::path dir = fs::temp_directory_path()
                         / ("dakru-cues-" + std::to_string(std::random_device{}()));
    const fs::path output = dir / "output.raw";
};

TEST_F(SdlCuePlayerTest, SynchronousCueIsHeardToItsEndAndSdlStaysQuiet)
{
    tone(Cue::Dice2, 0.25, 12000);
    useDriver("disk");
    {
        testing::internal::CaptureStderr();
        SdlCuePlayer player(dir);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(player.hasDevice());
        EXPECT_GE(millisecondsOf([&] { player.playAndWait(Cue::Dice2); }), 250);
    }
    EXPECT_GE(millisecondsHeardBetween(10000, 14000), 200.0) << "the cue was not heard";
}

TEST_F(SdlCuePlayerTest, AsynchronousCueReturnsAtOnceAndIsCutOffByTheNext)
{
    tone(Cue::Intro, 2.0, 20000);
    tone(Cue::MouseOver, 0.1, 5000);
    useDriver("disk");
    {
        SdlCuePlayer player(dir);
        ASSERT_TRUE(player.hasDevice());
        // Blocking would take the cue's two seconds.
        EXPECT_LT(millisecondsOf([&] { player.play(Cue::Intro); }), 1000);
        std::this_thread::sleep_for(200ms);
        player.play(Cue::MouseOver);
        // Run on past the point where the long cue would have ended.
        std::this_thread::sleep_for(2200ms);
    }
    EXPECT_GE(millisecondsHeardBetween(3000, 7000), 80.0) << "the second cue was not heard";
    EXPECT_LT(millisecondsHeardBetween(16000, 32767), 1200.0) << "the first cue played on";
}

TEST_F(SdlCuePlayerTest, MissingOrBrokenFilesAreToldOnceAtLoadAndStaySilent)
{
    fs::remove(file(Cue::Dice5));
    std::ofstream(file(Cue::Check), std::ios::binary) << "not a wave file";
    tone(Cue::Dice1, 0.3, 8000);
    useDriver("dummy");

    testing::internal::CaptureStderr();
    SdlCuePlayer player(dir);
    const std::string atLoad = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(player.hasDevice());
    EXPECT_EQ(std::ranges::count(atLoad, '\n'), 2) << atLoad;
    for (const char* name : {"d5.wav", "Check.wav"})
        EXPECT_NE(atLoad.find(name), std::string::npos) << name << " not reported in: " << atLoad;

    testing::internal::CaptureStderr();
    const auto took = millisecondsOf([&] {
        player.playAndWait(Cue::Dice5);
        player.play(Cue::Dice5);
        player.playAndWait(Cue::Check);
    });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "files are told only at load";
    EXPECT_LT(took, 500);
    // The cues whose files are fine still play.
    EXPECT_GE(millisecondsOf([&] { player.playAndWait(Cue::Dice1); }), 300);
}

TEST_F(SdlCuePlayerTest, WithoutAnAudioDeviceEveryCueReturnsAtOnce)
{
    for (const Cue cue : kAllCues)
        tone(cue, 1.0, 8000);
    useDriver("no-such-driver");

    testing::internal::CaptureStderr();
    SdlCuePlayer player(dir);
    EXPECT_FALSE(player.hasDevice());
    const auto took = millisecondsOf([&] {
        for (const Cue cue : kAllCues) {
            player.play(cue);
            player.playAndWait(cue);
        }
    });
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_LT(took, 1000);
    EXPECT_EQ(std::ranges::count(told, '\n'), 1)
        << "one line about the device, none per file or play: " << told;
}

}  // namespace
}  // namespace dakru
