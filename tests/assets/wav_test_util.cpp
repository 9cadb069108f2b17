#include "wav_test_util.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace dakru::test {

namespace {

std::uint32_t le(const unsigned char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

void put(std::ofstream& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xff));
}

}  // namespace

double Wav::seconds() const
{
    return sampleRate == 0 || channels == 0
               ? 0.0
               : double(samples.size()) / channels / sampleRate;
}

std::optional<Wav> readWav(const std::filesystem::path& file, std::string& why)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        why = "cannot open";
        return std::nullopt;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0
        || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        why = "not a RIFF WAVE file";
        return std::nullopt;
    }
    if (le(bytes.data() + 4, 4) + 8 != bytes.size()) {
        why = "RIFF size does not match the file";
        return std::nullopt;
    }

    Wav wav;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const unsigned char* chunk = bytes.data() + pos;
        const std::uint32_t size = le(chunk + 4, 4);
        if (pos + 8 + size > bytes.size()) {
            why = "chunk runs past the end";
            return std::nullopt;
        }
        const unsigned char* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            wav.formatTag = static_cast<std::uint16_t>(le(body, 2));
            wav.channels = static_cast<std::uint16_t>(le(body + 2, 2));
            wav.sampleRate = le(body + 4, 4);
            wav.bitsPerSample = static_cast<std::uint16_t>(le(body + 14, 2));
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                why = "data before fmt";
                return std::nullopt;
            }
            if (wav.formatTag == 1 && wav.bitsPerSample == 16)
                for (std::uint32_t i = 0; i + 1 < size; i += 2)
                    wav.samples.push_back(static_cast<std::int16_t>(le(body + i, 2)));
            return wav;
        }
        pos += 8 + size + (size & 1);
    }
    why = "no data chunk";
    return std::nullopt;
}

void writeWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples,
              int sampleRate)
{
    std::ofstream out(file, std::ios::binary);
    const auto data = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put(out, 36 + data, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate) * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, data, 4);
    for (const std::int16_t s : samples)
        put(out, static_cast<std::uint16_t>(s), 2);
}

std::vector<std::int16_t> squareWave(double seconds, std::int16_t amplitude, int sampleRate)
{
    const auto count = static_cast<std::size_t>(seconds * sampleRate);
    const int halfPeriod = sampleRate / 882;  // 441 Hz
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = (i / halfPeriod) % 2 ? static_cast<std::int16_t>(-amplitude) : amplitude;
    return samples;
}

}  // namespace dakru::test
