#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <QLibrary>
#include <string>

namespace dakru {

// SDL, loaded when the sound starts instead of with the program: with its audio
// back ends it brings a few dozen libraries that the first frame need not wait
// for. Holds the SDL functions the cue player calls; call them only when
// loaded(). SDL stays loaded for the rest of the program.
class SdlLibrary {
public:
    SdlLibrary();

    bool loaded() const { return error_.empty(); }
    // Why SDL could not be loaded; empty when it was.
    const std::string& error() const { return error_; }

    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_LogGetOutputFunction) LogGetOutputFunction = nullptr;
    decltype(&SDL_LogSetOutputFunction) LogSetOutputFunction = nullptr;
    decltype(&SDL_AudioInit) AudioInit = nullptr;
    decltype(&SDL_AudioQuit) AudioQuit = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;

private:
    template <class Function>
    void resolve(const char* name, Function& function)
    {
        function = reinterpret_cast<Function>(symbol(name));
    }
    // The function of that name; null, with the error set, when SDL has none.
    QFunctionPointer symbol(const char* name);

    QLibrary library_;
    std::string error_;
};

}  // namespace dakru
