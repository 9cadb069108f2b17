#include "sdl_cue_player.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace dakru {

namespace {

// The one mixer channel every cue plays on.
constexpr int kChannel = 0;
// A device that stops consuming sound (unplugged, suspended) must not freeze the
// game: a waiting cue gives up this long after its natural end.
constexpr std::chrono::seconds kStallMargin{1};

std::size_t indexOf(Cue cue)
{
    return static_cast<std::size_t>(cue);
}

std::string utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

void dropSdlLog(void*, int, SDL_LogPriority, const char*) {}

#if defined(__linux__)
void dropAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

}  // namespace

// Keeps the audio libraries off the terminal: SDL logs notes of its own (the
// disk driver announces itself), and ALSA writes a screenful of errors when
// there is no sound card. Our own lines say what matters. Restores SDL's logger
// when the player goes.
class SdlCuePlayer::QuietSystemAudio {
public:
    QuietSystemAudio()
    {
        SDL_LogGetOutputFunction(&previousLog_, &previousLogData_);
        SDL_LogSetOutputFunction(&dropSdlLog, nullptr);
#if defined(__linux__)
        // SDL loads ALSA at run time; loading it first lets us hand it a quiet
        // error handler before SDL probes for a device.
        alsa_ = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (alsa_) {
            using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
            using SetHandler = int (*)(Handler);
            if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa_, "snd_lib_error_set_handler")))
                set(&dropAlsaError);
        }
#endif
    }

    ~QuietSystemAudio()
    {
#if defined(__linux__)
        if (alsa_)
            dlclose(alsa_);
#endif
        SDL_LogSetOutputFunction(previousLog_, previousLogData_);
    }

    QuietSystemAudio(const QuietSystemAudio&) = delete;
    QuietSystemAudio& operator=(const QuietSystemAudio&) = delete;

private:
    SDL_LogOutputFunction previousLog_ = nullptr;
    void* previousLogData_ = nullptr;
#if defined(__linux__)
    void* alsa_ = nullptr;
#endif
};

void SdlCuePlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    Mix_FreeChunk(chunk);
}

SdlCuePlayer::SdlCuePlayer(const std::filesystem::path& soundsFolder)
    : quiet_(std::make_unique<QuietSystemAudio>())
{
    // Qt owns Ctrl+C and the window's closing; SDL must not catch signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Dakru");

    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        sdlStarted_ = true;
        deviceOpen_ = Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    }
    if (!deviceOpen_) {
        std::cerr << "dakru: no audio device, playing without sound (" << SDL_GetError() << ")\n";
        reportMissing(soundsFolder);
        return;
    }
    Mix_AllocateChannels(1);
    for (const Cue cue : kAllCues)
        load(cue, soundsFolder / std::string(cueFileName(cue)));
}

SdlCuePlayer::~SdlCuePlayer()
{
    if (deviceOpen_)
        Mix_HaltChannel(-1);
    for (Sound& sound : sounds_)
        sound.chunk.reset();
    if (deviceOpen_)
        Mix_CloseAudio();
    if (sdlStarted_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlCuePlayer::load(Cue cue, const std::filesystem::path& file)
{
    Sound& sound = sounds_[indexOf(cue)];
    sound.chunk.reset(Mix_LoadWAV(utf8(file).c_str()));
    if (!sound.chunk) {
        std::error_code ignored;
        if (std::filesystem::exists(file, ignored))
            std::cerr << "dakru: cannot play sound " << utf8(file) << " (" << Mix_GetError() << ")\n";
        else
            std::cerr << "dakru: sound file missing: " << utf8(file) << "\n";
        return;
    }

    int frequency = 0;
    int channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const auto bytesPerSecond =
        static_cast<long long>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    if (bytesPerSecond > 0)
        sound.length = std::chrono::microseconds(
            static_cast<long long>(sound.chunk->alen) * 1'000'000 / bytesPerSecond);
}

void SdlCuePlayer::reportMissing(const std::filesystem::path& folder) const
{
    for (const Cue cue : kAllCues) {
        const auto file = folder / std::string(cueFileName(cue));
        if (!std::ifstream(file, std::ios::binary))
            std::cerr << "dakru: sound file missing: " << utf8(file) << "\n";
    }
}

const SdlCuePlayer::Sound* SdlCuePlayer::start(Cue cue)
{
    const Sound& sound = sounds_[indexOf(cue)];
    if (!deviceOpen_ || !sound.chunk)
        return nullptr;
    if (Mix_PlayChannel(kChannel, sound.chunk.get(), 0) < 0)
        return nullptr;
    return &sound;
}

void SdlCuePlayer::play(Cue cue)
{
    start(cue);
}

void SdlCuePlayer::playAndWait(Cue cue)
{
    using Clock = std::chrono::steady_clock;
    const Sound* sound = start(cue);
    if (!sound)
        return;
    // The mixer hands its last samples to the device a little before they are
    // heard, so the wait lasts the cue's full length as well as until the
    // channel is done.
    const auto heard = Clock::now() + sound->length;
    const auto giveUp = heard + kStallMargin;
    for (;;) {
        const auto now = Clock::now();
        if (now >= giveUp) {
            Mix_HaltChannel(kChannel);
            return;
        }
        if (now >= heard && !Mix_Playing(kChannel))
            return;
        SDL_Delay(2);
    }
}

}  // namespace dakru
