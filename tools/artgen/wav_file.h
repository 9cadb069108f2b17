#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace dakru::art {

// A RIFF WAVE file: mono, 16-bit PCM, little-endian.
QByteArray wavFile(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace dakru::art
