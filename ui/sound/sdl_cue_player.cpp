#include "sdl_cue_player.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "sdl_library.h"
#include "start_trace.h"

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace dakru {

namespace {

// The device is asked for the format the game's sounds are made in, so that
// they need no conversion where the device takes it.
constexpr int kFrequency = 22050;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 1;
constexpr Uint16 kSamples = 512;  // about 23 ms a buffer
// A device that stops consuming sound (unplugged, suspended) must not freeze the
// game: a waiting cue gives up this long after its natural end.
constexpr std::chrono::seconds kStallMargin{1};
// A waiting cue whose device is not open within this time is skipped.
constexpr std::chrono::seconds kOpenAllowance{2};

std::size_t indexOf(Cue cue)
{
    return static_cast<std::size_t>(cue);
}

std::string utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// One whole line on standard error, even when the game's thread writes too.
// Through stdio, not the streams: the program then has no streams to set up at start.
void say(const std::string& line)
{
    std::fputs((line + '\n').c_str(), stderr);
}

void dropSdlLog(void*, int, SDL_LogPriority, const char*) {}

#if defined(__linux__)
void dropAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

// Keeps the audio libraries off the terminal: SDL logs notes of its own (the
// disk driver announces itself), and ALSA writes a screenful of errors when
// there is no sound card. Our own lines say what matters. Restores SDL's logger
// when it goes.
class QuietSystemAudio {
public:
    explicit QuietSystemAudio(const SdlLibrary& sdl) : sdl_(sdl)
    {
        sdl_.LogGetOutputFunction(&previousLog_, &previousLogData_);
        sdl_.LogSetOutputFunction(&dropSdlLog, nullptr);
#if defined(__linux__)
        // SDL has loaded ALSA but not yet probed it: hand it a quiet error
        // handler before SDL looks for a device.
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
        sdl_.LogSetOutputFunction(previousLog_, previousLogData_);
    }

    QuietSystemAudio(const QuietSystemAudio&) = delete;
    QuietSystemAudio& operator=(const QuietSystemAudio&) = delete;

private:
    const SdlLibrary& sdl_;
    SDL_LogOutputFunction previousLog_ = nullptr;
    void* previousLogData_ = nullptr;
#if defined(__linux__)
    void* alsa_ = nullptr;
#endif
};

}  // namespace

SdlCuePlayer::SdlCuePlayer(std::filesystem::path soundsFolder, Clock::duration quietTime)
    : folder_(std::move(soundsFolder)), quietTime_(quietTime)
{
}

// The worker (the last member) stops and closes the device before anything it uses goes.
SdlCuePlayer::~SdlCuePlayer() = default;

void SdlCuePlayer::start()
{
    const std::lock_guard lock(mutex_);
    if (!worker_.joinable())
        worker_ = std::jthread([this](const std::stop_token& stop) { run(stop); });
}

void SdlCuePlayer::run(const std::stop_token& stop)
{
    SdlLibrary sdl;
    ui::traceStep("sound library loaded");
    if (!sdl.loaded()) {
        say("dakru: no audio library, playing without sound (" + sdl.error() + ")");
        reportMissing();
        markReady(false);
        return;
    }
    QuietSystemAudio quiet(sdl);
    sdl.SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Dakru");

    // The audio alone, with the driver SDL_AUDIODRIVER names or the first that
    // works: SDL's audio subsystem would also start its event loop, with a
    // session bus connection and signal handlers, where Qt owns the events and
    // Ctrl+C (and about 0.2 MB more in memory).
    const bool started = sdl.AudioInit(nullptr) == 0;
    if (!started || !openDevice(sdl)) {
        say(std::string("dakru: no audio device, playing without sound (") + sdl.GetError() + ")");
        reportMissing();
        markReady(false);
        if (started)
            sdl.AudioQuit();
        return;
    }
    ui::traceStep("audio device opened");
    reportMissing();
    markReady(true);

    serve(sdl, stop);

    if (device_)
        closeDevice(sdl);
    sdl.AudioQuit();
    // SDL's buffers go back while SDL is surely loaded; nothing plays any more.
    sounds_ = {};
}

// Once per cue, on the worker; a file that cannot be played leaves its cue silent.
void SdlCuePlayer::read(SdlLibrary& sdl, Cue cue, Sound& sound) const
{
    sound.read = true;
    const auto file = folder_ / std::string(cueFileName(cue));
    const auto cannotPlay = [&] { say("dakru: cannot play sound " + utf8(file) + " (" + sdl.GetError() + ")"); };
    SDL_AudioSpec wave{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!sdl.LoadWAV_RW(sdl.RWFromFile(utf8(file).c_str(), "rb"), 1, &wave, &data, &length)) {
        cannotPlay();
        return;
    }
    std::unique_ptr<std::uint8_t, void (*)(std::uint8_t*)> read(data, sdl.FreeWAV);

    // Converted once here, so that the device only ever copies. The game's own
    // sounds are in the format it asks the device for, and are kept as read.
    SDL_AudioCVT conversion{};
    const int needed = sdl.BuildAudioCVT(&conversion, wave.format, wave.channels, wave.freq, format_.format,
                                         format_.channels, format_.frequency);
    if (needed < 0) {
        cannotPlay();
        return;
    }
    if (needed == 0) {
        sound.wave = std::move(read);
        sound.samples = {data, length};
    } else {
        std::vector<std::uint8_t> samples(static_cast<std::size_t>(length)
                                          * static_cast<std::size_t>(conversion.len_mult));
        std::copy_n(data, length, samples.begin());
        read.reset();
        conversion.buf = samples.data();
        conversion.len = static_cast<int>(length);
        if (sdl.ConvertAudio(&conversion) < 0) {
            cannotPlay();
            return;
        }
        samples.resize(static_cast<std::size_t>(conversion.len_cvt));
        samples.shrink_to_fit();
        sound.converted = std::move(samples);
        sound.samples = sound.converted;
    }

    const auto bytesPerSecond = static_cast<double>(format_.frequency) * format_.channels
                                * (static_cast<double>(SDL_AUDIO_BITSIZE(format_.format)) / 8);
    sound.length = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(sound.samples.size()) / bytesPerSecond));
}

// A missing file is told once, with or without a device; its cue stays silent.
void SdlCuePlayer::reportMissing()
{
    for (const Cue cue : kAllCues) {
        const auto file = folder_ / std::string(cueFileName(cue));
        std::error_code ignored;
        if (!std::filesystem::exists(file, ignored)) {
            say("dakru: sound file missing: " + utf8(file));
            sounds_[indexOf(cue)].read = true;
        }
    }
}

void SdlCuePlayer::markReady(bool hasDevice)
{
    const std::lock_guard lock(mutex_);
    ready_ = true;
    hasDevice_ = hasDevice;
    quietSince_ = Clock::now();
    changed_.notify_all();
    ui::traceStep("sounds ready");
}

// The first opening lets the device pick its format, and the sounds are
// converted to it; a reopening asks for that same format.
bool SdlCuePlayer::openDevice(SdlLibrary& sdl)
{
    const bool first = format_.frequency == 0;
    SDL_AudioSpec wanted{};
    wanted.freq = first ? kFrequency : format_.frequency;
    wanted.format = first ? kFormat : format_.format;
    wanted.channels = first ? kChannels : format_.channels;
    wanted.samples = kSamples;
    wanted.callback = [](void* player, Uint8* out, int bytes) { static_cast<SdlCuePlayer*>(player)->feed(out, bytes); };
    wanted.userdata = this;
    SDL_AudioSpec got{};
    const int changes =
        first ? SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE : 0;
    device_ = sdl.OpenAudioDevice(nullptr, 0, &wanted, &got, changes);
    if (device_ == 0) {
        if (!first && !std::exchange(toldLost_, true))
            say(std::string("dakru: the audio device is gone, playing without sound (") + sdl.GetError() + ")");
        return false;
    }
    if (first)
        format_ = {got.freq, got.format, got.channels, got.silence};
    sdl.PauseAudioDevice(device_, 0);
    return true;
}

void SdlCuePlayer::closeDevice(SdlLibrary& sdl)
{
    sdl.CloseAudioDevice(device_);
    device_ = 0;
}

// Starts the cues asked for, and closes the device once it has been quiet for
// `quietTime_`. Sleeps while there is nothing to do.
void SdlCuePlayer::serve(SdlLibrary& sdl, const std::stop_token& stop)
{
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        if (!requested_ && device_ && !playing_) {
            const bool asked =
                changed_.wait_until(lock, stop, quietSince_ + quietTime_, [this] { return requested_.has_value(); });
            if (!asked && !stop.stop_requested()) {
                // Closing waits for SDL's audio thread, which takes mutex_ to feed the device.
                lock.unlock();
                closeDevice(sdl);
                lock.lock();
            }
            continue;
        }
        changed_.wait(lock, stop, [this] { return requested_ || (device_ && !playing_); });
        if (requested_)
            startRequested(sdl, lock);
    }
}

void SdlCuePlayer::startRequested(SdlLibrary& sdl, std::unique_lock<std::mutex>& lock)
{
    const Cue cue = *std::exchange(requested_, std::nullopt);
    const std::uint64_t number = lastRequest_;
    Sound& sound = sounds_[indexOf(cue)];
    // The file and the device are the worker's own: the game's thread and SDL's
    // audio thread need not wait for them. Nobody reads a sound before it first plays.
    lock.unlock();
    if (!sound.read)
        read(sdl, cue, sound);
    // A cue without its sound is silent and leaves the one playing alone.
    const bool opened = !sound.samples.empty() && (device_ != 0 || openDevice(sdl));
    lock.lock();
    served_ = number;
    if (opened) {
        playing_ = &sound;
        position_ = 0;
        started_ = number;
        startedAt_ = Clock::now();
    }
    changed_.notify_all();
}

void SdlCuePlayer::feed(std::uint8_t* out, int bytes)
{
    const auto wanted = static_cast<std::size_t>(bytes);
    std::size_t copied = 0;
    const std::lock_guard lock(mutex_);
    if (playing_) {
        copied = std::min(wanted, playing_->samples.size() - position_);
        std::memcpy(out, playing_->samples.data() + position_, copied);
        position_ += copied;
        if (position_ == playing_->samples.size()) {
            playing_ = nullptr;
            finished_ = started_;
            quietSince_ = Clock::now();
            changed_.notify_all();
        }
    }
    std::memset(out + copied, format_.silence, wanted - copied);
}

std::uint64_t SdlCuePlayer::request(Cue cue)
{
    requested_ = cue;
    changed_.notify_all();
    return ++lastRequest_;
}

bool SdlCuePlayer::hasDevice()
{
    start();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ready_; });
    return hasDevice_;
}

void SdlCuePlayer::play(Cue cue)
{
    const std::lock_guard lock(mutex_);
    if (!ready_ || hasDevice_)
        request(cue);
}

void SdlCuePlayer::playAndWait(Cue cue)
{
    start();
    std::unique_lock lock(mutex_);
    const auto openBy = Clock::now() + kOpenAllowance;
    if (!changed_.wait_until(lock, openBy, [this] { return ready_; }) || !hasDevice_)
        return;

    const std::uint64_t number = request(cue);
    if (!changed_.wait_until(lock, openBy, [&] { return served_ >= number; }) || started_ != number) {
        if (lastRequest_ == number)
            requested_.reset();
        return;
    }
    // SDL takes the last samples a little before they are heard, so the wait
    // lasts the cue's full length as well as until the device has taken it all.
    // The worker read the sound before it started the cue.
    const Clock::time_point heard = startedAt_ + sounds_[indexOf(cue)].length;
    const bool taken =
        changed_.wait_until(lock, heard + kStallMargin, [&] { return finished_ >= number || started_ > number; });
    if (!taken && started_ == number && playing_) {
        // The device stalled: cut the cue off and let the game go on.
        playing_ = nullptr;
        quietSince_ = Clock::now();
        changed_.notify_all();
    }
    lock.unlock();
    if (taken)
        std::this_thread::sleep_until(heard);
}

}  // namespace dakru
