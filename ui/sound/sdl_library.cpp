#include "sdl_library.h"

namespace dakru {

SdlLibrary::SdlLibrary()
#if defined(_WIN32)
    : library_(QStringLiteral("SDL2"))
#else
    // The file name SDL2 has kept for its whole stable interface.
    : library_(QStringLiteral("SDL2-2.0"), 0)
#endif
{
    if (!library_.load()) {
        error_ = library_.errorString().toStdString();
        return;
    }
    resolve("SDL_SetHint", SetHint);
    resolve("SDL_GetError", GetError);
    resolve("SDL_LogGetOutputFunction", LogGetOutputFunction);
    resolve("SDL_LogSetOutputFunction", LogSetOutputFunction);
    resolve("SDL_AudioInit", AudioInit);
    resolve("SDL_AudioQuit", AudioQuit);
    resolve("SDL_OpenAudioDevice", OpenAudioDevice);
    resolve("SDL_PauseAudioDevice", PauseAudioDevice);
    resolve("SDL_CloseAudioDevice", CloseAudioDevice);
    resolve("SDL_RWFromFile", RWFromFile);
    resolve("SDL_LoadWAV_RW", LoadWAV_RW);
    resolve("SDL_FreeWAV", FreeWAV);
    resolve("SDL_BuildAudioCVT", BuildAudioCVT);
    resolve("SDL_ConvertAudio", ConvertAudio);
}

QFunctionPointer SdlLibrary::symbol(const char* name)
{
    const QFunctionPointer function = library_.resolve(name);
    if (!function && error_.empty()) {
        error_ = library_.fileName().toStdString() + " has no " + name;
    }
    return function;
}

}  // namespace dakru
