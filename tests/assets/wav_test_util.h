#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dakru::test {

// The fields of a RIFF WAVE file that the game relies on, read independently
// of any audio library.
struct Wav {
    std::uint16_t formatTag = 0;  // 1 is PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // only for 16-bit PCM

    double seconds() const;
};

// Empty when the file is unreadable or not a well-formed WAVE file; `why` says
// what is wrong.
std::optional<Wav> readWav(const std::filesystem::path& file, std::string& why);

// Writes a mono 16-bit PCM file.
void writeWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples,
              int sampleRate);

// A square wave of constant loudness, easy to recognise in mixed output.
std::vector<std::int16_t> squareWave(double seconds, std::int16_t amplitude, int sampleRate);

}  // namespace dakru::test
