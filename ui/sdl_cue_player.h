#pragma once

#include "cue_player.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <memory>

struct Mix_Chunk;

namespace dakru {

// Plays the cues with SDL2_mixer, which mixes on its own audio thread, so a
// waiting cue can hold the game's thread without starving the sound.
//
// The twelve files are decoded once, when the player is made; playing does no
// disk work. Everything plays on one mixer channel, so a new cue cuts off the
// one still playing. Without an audio device every cue is silent and returns at
// once; a missing or unreadable file makes its own cue silent. Either is told
// in one line on standard error when the player is made, never per play.
//
// Only SDL's audio is started (no video, which is Qt's). SDL's audio is
// program-wide: make one player per program.
class SdlCuePlayer final : public CuePlayer {
public:
    explicit SdlCuePlayer(const std::filesystem::path& soundsFolder);
    ~SdlCuePlayer() override;

    SdlCuePlayer(const SdlCuePlayer&) = delete;
    SdlCuePlayer& operator=(const SdlCuePlayer&) = delete;

    void play(Cue cue) override;
    void playAndWait(Cue cue) override;

    // False when no audio device could be opened: every cue is then silent.
    bool hasDevice() const { return deviceOpen_; }

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    struct Sound {
        std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;
        std::chrono::microseconds length{};
    };

    void load(Cue cue, const std::filesystem::path& file);
    void reportMissing(const std::filesystem::path& folder) const;
    // Starts the cue; nullptr when it is silent.
    const Sound* start(Cue cue);

    class QuietSystemAudio;
    std::unique_ptr<QuietSystemAudio> quiet_;
    bool sdlStarted_ = false;
    bool deviceOpen_ = false;
    std::array<Sound, std::size(kAllCues)> sounds_;
};

}  // namespace dakru
