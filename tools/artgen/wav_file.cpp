#include "wav_file.h"

#include "little_endian.h"

namespace dakru::art {

QByteArray wavFile(const std::vector<std::int16_t>& samples, int sampleRate)
{
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bits = 16;
    constexpr std::uint16_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, channels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    out.append("data");
    put32(out, dataBytes);
    for (const std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace dakru::art
