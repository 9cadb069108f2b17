#include "sdl_cue_player.h"
#include "wav_test_util.h"

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

void setEnv(const char* name, const std::string& value)
{
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// SDL reads the driver when the player starts its audio, so each test picks its
// own before making a player.
void useDriver(const std::string& driver, const fs::path& diskFile = {})
{
    setEnv("SDL_AUDIODRIVER", driver);
    if (!diskFile.empty())
        setEnv("SDL_DISKAUDIOFILE", diskFile.string());
}

// A temporary Sounds folder holding all twelve cues as short quiet tones.
class SoundFolder {
public:
    SoundFolder()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path()
               / ("dakru-cues-" + std::string(test->name()) + "-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        for (const Cue cue : kAllCues)
            put(cue, test::squareWave(0.05, 1000, kRate));
    }
    ~SoundFolder()
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    SoundFolder(const SoundFolder&) = delete;
    SoundFolder& operator=(const SoundFolder&) = delete;

    const fs::path& path() const { return dir_; }
    fs::path fileOf(Cue cue) const { return dir_ / std::string(cueFileName(cue)); }
    void put(Cue cue, const std::vector<std::int16_t>& samples) const
    {
        test::writeWav(fileOf(cue), samples, kRate);
    }

private:
    fs::path dir_;
};

template <class Action>
long long millisecondsOf(Action action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now()
                                                                 - start)
        .count();
}

// What the disk driver wrote: interleaved 16-bit stereo at kRate.
std::vector<std::int16_t> readOutput(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::int16_t> samples;
    std::int16_t s = 0;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s))
        samples.push_back(s);
    return samples;
}

// How long the output's level lay between `low` and `high`.
double millisecondsAtLevel(const std::vector<std::int16_t>& output, int low, int high)
{
    std::size_t frames = 0;
    for (std::size_t i = 0; i + 1 < output.size(); i += 2) {
        const int level = std::max(std::abs(int(output[i])), std::abs(int(output[i + 1])));
        frames += level >= low && level <= high;
    }
    return 1000.0 * double(frames) / kRate;
}

std::size_t lineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(SdlCuePlayer, SynchronousCueIsHeardToItsEndAndSdlStaysQuiet)
{
    SoundFolder sounds;
    sounds.put(Cue::Dice2, test::squareWave(0.25, 12000, kRate));
    const fs::path output = sounds.path() / "output.raw";
    useDriver("disk", output);
    {
        testing::internal::CaptureStderr();
        SdlCuePlayer player(sounds.path());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(player.hasDevice());
        EXPECT_GE(millisecondsOf([&] { player.playAndWait(Cue::Dice2); }), 250);
    }
    EXPECT_GE(millisecondsAtLevel(readOutput(output), 10000, 14000), 200.0);
}

TEST(SdlCuePlayer, AsynchronousCueReturnsAtOnceAndIsCutOffByTheNext)
{
    SoundFolder sounds;
    sounds.put(Cue::Intro, test::squareWave(2.0, 20000, kRate));
    sounds.put(Cue::MouseOver, test::squareWave(0.1, 5000, kRate));
    const fs::path output = sounds.path() / "output.raw";
    useDriver("disk", output);
    {
        SdlCuePlayer player(sounds.path());
        ASSERT_TRUE(player.hasDevice());
        // Blocking would take the cue's two seconds.
        EXPECT_LT(millisecondsOf([&] { player.play(Cue::Intro); }), 1000);
        std::this_thread::sleep_for(200ms);
        player.play(Cue::MouseOver);
        // Run on past the point where the long cue would have ended.
        std::this_thread::sleep_for(2200ms);
    }
    const auto heard = readOutput(output);
    EXPECT_GE(millisecondsAtLevel(heard, 3000, 7000), 80.0) << "the second cue was not heard";
    EXPECT_LT(millisecondsAtLevel(heard, 16000, 32767), 1200.0) << "the first cue played on";
}

TEST(SdlCuePlayer, MissingOrBrokenFilesAreToldOnceAtLoadAndStaySilent)
{
    SoundFolder sounds;
    fs::remove(sounds.fileOf(Cue::Dice5));
    fs::remove(sounds.fileOf(Cue::ScoreNo));
    std::ofstream(sounds.fileOf(Cue::Check), std::ios::binary) << "not a wave file";
    sounds.put(Cue::Dice1, test::squareWave(0.3, 8000, kRate));
    useDriver("dummy");

    testing::internal::CaptureStderr();
    SdlCuePlayer player(sounds.path());
    const std::string atLoad = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(player.hasDevice());
    EXPECT_EQ(lineCount(atLoad), 3u) << atLoad;
    for (const char* name : {"d5.wav", "ScoreNo.wav", "Check.wav"})
        EXPECT_NE(atLoad.find(name), std::string::npos) << name << " not reported in: " << atLoad;

    testing::internal::CaptureStderr();
    const auto took = millisecondsOf([&] {
        player.playAndWait(Cue::Dice5);
        player.play(Cue::ScoreNo);
        player.playAndWait(Cue::Check);
        player.play(Cue::Check);
    });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "missing files are told only at load";
    EXPECT_LT(took, 500);

    // The cues whose files are fine still play.
    EXPECT_GE(millisecondsOf([&] { player.playAndWait(Cue::Dice1); }), 300);
}

TEST(SdlCuePlayer, WithoutAnAudioDeviceEveryCueReturnsAtOnce)
{
    SoundFolder sounds;
    for (const Cue cue : kAllCues)
        sounds.put(cue, test::squareWave(1.0, 8000, kRate));
    useDriver("no-such-driver");

    testing::internal::CaptureStderr();
    SdlCuePlayer player(sounds.path());
    EXPECT_FALSE(player.hasDevice());
    const auto took = millisecondsOf([&] {
        for (const Cue cue : kAllCues) {
            player.play(cue);
            player.playAndWait(cue);
        }
    });
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_LT(took, 1000);
    EXPECT_EQ(lineCount(told), 1u) << "one line about the device, none per file or play: " << told;
}

TEST(SdlCuePlayer, TheShippedSoundsAllLoad)
{
    useDriver("dummy");
    testing::internal::CaptureStderr();
    {
        SdlCuePlayer player(fs::path(DAKRU_ASSETS_DIR) / "Sounds");
        EXPECT_TRUE(player.hasDevice());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace dakru
