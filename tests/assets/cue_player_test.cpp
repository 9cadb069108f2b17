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

// Test sounds are made at twice the rate of the player's device (16-bit mono at
// 22050 Hz, which the disk driver takes as asked), so they are converted on the
// way, unless made at the device's rate as the game's own sounds are.
constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kDeviceRate = 22050;
// The disk driver's own pace for the player's buffers of 512 samples, in milliseconds.
constexpr const char* kNaturalDelay = "23";

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

    fs::path file(Cue cue) const { return dir / std::string(cueFileName(cue)); }

    // A mono 16-bit PCM square wave of constant loudness, easy to find in the output.
    void tone(Cue cue, double seconds, std::int16_t amplitude, std::uint32_t rate = kRate) const
    {
        const auto count = static_cast<std::uint32_t>(seconds * rate);
        std::ofstream out(file(cue), std::ios::binary);
        const auto put = [&](std::uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                out.put(static_cast<char>(value >> (8 * i)));
        };
        out.write("RIFF", 4);
        put(36 + 2 * count, 4);
        out.write("WAVEfmt ", 8);
        // Chunk size, PCM, mono, rate, bytes a second, bytes a frame, bits a sample.
        for (const auto& [value, bytes] :
             {std::pair<std::uint32_t, int>{16, 4}, {1, 2}, {1, 2}, {rate, 4}, {2 * rate, 4}, {2, 2}, {16, 2}})
            put(value, bytes);
        out.write("data", 4);
        put(2 * count, 4);
        for (std::uint32_t i = 0; i < count; ++i)
            put(static_cast<std::uint16_t>((i / 50) % 2 ? -amplitude : amplitude), 2);
    }

    void TearDown() override
    {
        SDL_setenv("SDL_DISKAUDIODELAY", kNaturalDelay, 1);
        fs::remove_all(dir);
    }

    // SDL reads these when the player starts its audio; the disk driver writes to `output`.
    void useDriver(const char* driver) const
    {
        SDL_setenv("SDL_AUDIODRIVER", driver, 1);
        SDL_setenv("SDL_DISKAUDIOFILE", output.string().c_str(), 1);
    }

    // How long the disk output lay between `low` and `high`.
    double millisecondsHeardBetween(int low, int high) const
    {
        std::ifstream in(output, std::ios::binary);
        std::int16_t sample = 0;
        std::size_t frames = 0;
        while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
            const int level = std::abs(int(sample));
            frames += level >= low && level <= high;
        }
        return 1000.0 * double(frames) / kDeviceRate;
    }

    const fs::path dir = fs::temp_directory_path() / ("dakru-cues-" + std::to_string(std::random_device{}()));
    const fs::path output = dir / "output.raw";
};

TEST_F(SdlCuePlayerTest, SynchronousCueIsHeardToItsEndAndSdlStaysQuiet)
{
    // Played as read, and converted.
    for (const std::uint32_t rate : {kDeviceRate, kRate}) {
        tone(Cue::Dice2, 0.25, 12000, rate);
        useDriver("disk");
        {
            testing::internal::CaptureStderr();
            SdlCuePlayer player(dir);
            ASSERT_TRUE(player.hasDevice());
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
            EXPECT_GE(millisecondsOf([&] { player.playAndWait(Cue::Dice2); }), 250) << rate;
        }
        const double heard = millisecondsHeardBetween(10000, 14000);
        EXPECT_GE(heard, 200.0) << "the cue was not heard at " << rate;
        EXPECT_LE(heard, 300.0) << "the cue was heard too long at " << rate;
        fs::remove(output);
    }
}

TEST_F(SdlCuePlayerTest, CueAskedForWhileTheDeviceOpensIsHeardUntilTheNextCutsItOff)
{
    tone(Cue::Intro, 2.0, 20000);
    tone(Cue::MouseOver, 0.1, 5000);
    useDriver("disk");
    {
        // As at program start: the intro is asked for before the device is open.
        SdlCuePlayer player(dir);
        // Blocking would take the cue's two seconds.
        EXPECT_LT(millisecondsOf([&] { player.play(Cue::Intro); }), 1000);
        ASSERT_TRUE(player.hasDevice());
        std::this_thread::sleep_for(400ms);
        player.play(Cue::MouseOver);
        // Run on past the point where the long cue would have ended.
        std::this_thread::sleep_for(2200ms);
    }
    EXPECT_GE(millisecondsHeardBetween(3000, 7000), 80.0) << "the second cue was not heard";
    EXPECT_GE(millisecondsHeardBetween(16000, 32767), 100.0) << "the first cue was not heard";
    EXPECT_LT(millisecondsHeardBetween(16000, 32767), 1200.0) << "the first cue played on";
}

TEST_F(SdlCuePlayerTest, DeviceClosesWhenQuietAndOpensAgainForTheNextCue)
{
    tone(Cue::Check, 0.05, 5000);
    tone(Cue::Dice3, 0.25, 12000);
    useDriver("disk");
    {
        SdlCuePlayer player(dir, 200ms);
        ASSERT_TRUE(player.hasDevice());
        player.play(Cue::Check);
        std::this_thread::sleep_for(700ms);
        // An open device would go on writing silence to the disk output.
        const auto quiet = fs::file_size(output);
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(fs::file_size(output), quiet) << "the device stayed open";
        EXPECT_GE(millisecondsOf([&] { player.playAndWait(Cue::Dice3); }), 250);
    }
    // The disk driver starts its output afresh when the device opens again.
    EXPECT_GE(millisecondsHeardBetween(10000, 14000), 200.0) << "the cue after reopening was not heard";
}

TEST_F(SdlCuePlayerTest, StalledDeviceHoldsAWaitingCueAtMostASecondPastItsEnd)
{
    tone(Cue::Dice4, 0.3, 8000);
    useDriver("disk");
    // The disk driver then takes one buffer every two seconds.
    SDL_setenv("SDL_DISKAUDIODELAY", "2000", 1);
    SdlCuePlayer player(dir);
    ASSERT_TRUE(player.hasDevice());
    const auto took = millisecondsOf([&] { player.playAndWait(Cue::Dice4); });
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 1900);
}

TEST_F(SdlCuePlayerTest, MissingFilesAreToldAtOpeningBrokenOnesAtFirstAskAndBothOnceAndSilent)
{
    fs::remove(file(Cue::Dice5));
    std::ofstream(file(Cue::Check), std::ios::binary) << "not a wave file";
    tone(Cue::Dice1, 0.3, 8000);
    useDriver("dummy");

    testing::internal::CaptureStderr();
    SdlCuePlayer player(dir);
    ASSERT_TRUE(player.hasDevice());
    const std::string atOpening = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::ranges::count(atOpening, '\n'), 1) << atOpening;
    EXPECT_NE(atOpening.find("d5.wav"), std::string::npos) << "the missing file is not told: " << atOpening;

    // Each file is read when its cue is first asked for, whichever way.
    struct Ask {
        Cue cue;
        const char* name;
        bool told;
    };
    for (const auto& [cue, name, first] :
         {Ask{Cue::Check, "Check.wav", true}, Ask{Cue::Check, "Check.wav", false}, Ask{Cue::Dice5, "d5.wav", false}}) {
        testing::internal::CaptureStderr();
        const auto took = millisecondsOf([&] {
            player.playAndWait(cue);
            player.play(cue);
            player.playAndWait(cue);
        });
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_LT(took, 500) << name;
        EXPECT_EQ(std::ranges::count(told, '\n'), first ? 1 : 0) << name << ": " << told;
        EXPECT_EQ(told.find(name) != std::string::npos, first) << name << ": " << told;
    }
    // The cues whose files are fine still play, read on their first call.
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
    EXPECT_EQ(std::ranges::count(told, '\n'), 1) << "one line about the device, none per file or play: " << told;
}

}  // namespace
}  // namespace dakru
