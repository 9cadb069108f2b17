#pragma once

#include "cue_player.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <thread>
#include <vector>

namespace dakru {

class SdlLibrary;

// Plays the cues on SDL's audio device, which is fed from SDL's own audio
// thread, so a waiting cue can hold the game's thread without starving the sound.
//
// The sound starts with start(), once the window is on screen: a worker thread
// loads SDL and opens the device, so the window never waits for the sound. A
// cue asked for before plays as soon as the device is open; a cue that must be
// waited for, and hasDevice(), start the sound themselves. Each cue's file is
// read into the device's format by the worker when the cue is first asked for,
// and kept: a game that never calls a cue holds none of its samples. One cue
// sounds at a time: a new cue cuts off the one still playing. The device is
// closed after a few quiet seconds and opened again by the next cue, so an idle
// game costs no audio work.
//
// Without an audio device every cue is silent and returns at once. A missing or
// unplayable file makes its own cue silent. Each is told in one line on standard
// error, never per play: the device and the missing files when the device is
// first opened, a file that cannot be played when its cue is first asked for.
//
// Only SDL's audio is started (no video, which is Qt's). SDL's audio is
// program-wide: make one player per program.
class SdlCuePlayer final : public CuePlayer {
public:
    using Clock = std::chrono::steady_clock;

    // `quietTime` is how long the device stays open after the last cue has ended.
    explicit SdlCuePlayer(std::filesystem::path soundsFolder, Clock::duration quietTime = std::chrono::seconds(3));
    ~SdlCuePlayer() override;

    SdlCuePlayer(const SdlCuePlayer&) = delete;
    SdlCuePlayer& operator=(const SdlCuePlayer&) = delete;

    // Loads SDL and opens the device on the worker thread; later calls do nothing.
    void start();

    void play(Cue cue) override;
    void playAndWait(Cue cue) override;

    // False when no audio device could be opened: every cue is then silent.
    // Waits until the first opening has succeeded or failed.
    bool hasDevice();

private:
    struct Sound {
        bool read = false;  // its file has been read, or found missing or unplayable
        // SDL's own buffer of the file, played as it is where the device takes
        // the file's format; else the samples converted to the device's format.
        std::unique_ptr<std::uint8_t, void (*)(std::uint8_t*)> wave{nullptr, nullptr};
        std::vector<std::uint8_t> converted;
        std::span<const std::uint8_t> samples;  // one of the two; empty for a silent cue
        Clock::duration length{};
    };
    struct DeviceFormat {
        int frequency = 0;
        std::uint16_t format = 0;
        std::uint8_t channels = 0;
        std::uint8_t silence = 0;
    };

    // The worker thread.
    void run(const std::stop_token& stop);
    void read(SdlLibrary& sdl, Cue cue, Sound& sound) const;
    void reportMissing();
    void markReady(bool hasDevice);
    bool openDevice(SdlLibrary& sdl);
    void closeDevice(SdlLibrary& sdl);
    void serve(SdlLibrary& sdl, const std::stop_token& stop);
    void startRequested(SdlLibrary& sdl, std::unique_lock<std::mutex>& lock);
    // SDL's audio thread.
    void feed(std::uint8_t* out, int bytes);
    // Asks the worker for the cue and returns its number; with mutex_ held.
    std::uint64_t request(Cue cue);

    const std::filesystem::path folder_;
    const Clock::duration quietTime_;

    // Written by the worker before `ready_`, read-only after.
    DeviceFormat format_;
    // Each written by the worker before the cue first starts, read-only after.
    std::array<Sound, std::size(kAllCues)> sounds_;
    // The worker's own.
    std::uint32_t device_ = 0;  // 0 while closed
    bool toldLost_ = false;

    std::mutex mutex_;
    std::condition_variable_any changed_;
    // Guarded by mutex_.
    bool ready_ = false;  // the first opening is over
    bool hasDevice_ = false;
    std::optional<Cue> requested_;
    std::uint64_t lastRequest_ = 0;  // cues are numbered as they are asked for
    std::uint64_t served_ = 0;       // the last one the worker has started or dropped
    std::uint64_t started_ = 0;      // the one playing or played last
    std::uint64_t finished_ = 0;     // the last one played to its end
    Clock::time_point startedAt_;
    Clock::time_point quietSince_;
    const Sound* playing_ = nullptr;
    std::size_t position_ = 0;  // bytes of `playing_` handed to the device

    std::jthread worker_;  // last: stops before anything it uses goes
};

}  // namespace dakru
