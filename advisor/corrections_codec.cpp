#include "corrections_codec.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace dakru::advisor {
namespace {

constexpr float kUnitsPerPoint = 4;
constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void putNumber(std::vector<std::uint8_t>& out, std::uint64_t n)
{
    while (n >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(n & 0x7f) | 0x80);
        n >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(n));
}

std::uint64_t takeNumber(const std::vector<std::uint8_t>& in, std::size_t& at)
{
    std::uint64_t n = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (at == in.size()) {
            throw std::invalid_argument("the corrections end inside a number");
        }
        const std::uint8_t b = in[at++];
        n |= static_cast<std::uint64_t>(b & 0x7f) << shift;
        if (!(b & 0x80)) {
            return n;
        }
    }
    throw std::invalid_argument("a number in the corrections is too long");
}

}  // namespace

std::string encodeCorrections(const std::vector<float>& corrections)
{
    std::vector<std::uint8_t> bytes;
    std::uint64_t next = 0;  // the first entry the next distance counts from
    for (std::size_t e = 0; e < corrections.size(); ++e) {
        const auto units = static_cast<std::int64_t>(std::lround(corrections[e] * kUnitsPerPoint));
        if (units == 0) {
            continue;
        }
        putNumber(bytes, e - next);
        // Signs folded into the lowest bit: 0, -1, 1, -2 ... as 0, 1, 2, 3 ...
        putNumber(bytes,
                  units < 0 ? (static_cast<std::uint64_t>(-units) << 1) - 1 : static_cast<std::uint64_t>(units) << 1);
        next = e + 1;
    }
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group = group << 8 | (k < n ? bytes[i + k] : 0);
        }
        for (std::size_t k = 0; k <= n; ++k) {
            text += kDigits[(group >> (18 - 6 * k)) & 0x3f];
        }
    }
    return text;
}

std::vector<float> decodeCorrections(std::string_view text, std::size_t size)
{
    if (text.size() % 4 == 1) {
        throw std::invalid_argument("the corrections' text is cut short");
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const std::size_t n = std::min<std::size_t>(4, text.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            std::size_t digit = 0;
            if (k < n) {
                digit = kDigits.find(text[i + k]);
                if (digit == std::string_view::npos) {
                    throw std::invalid_argument("the corrections' text holds a character that is not base64");
                }
            }
            group = group << 6 | static_cast<std::uint32_t>(digit);
        }
        for (std::size_t k = 0; k + 1 < n; ++k) {
            bytes.push_back(static_cast<std::uint8_t>(group >> (16 - 8 * k)));
        }
    }
    std::vector<float> corrections(size, 0.0f);
    std::size_t at = 0;
    std::uint64_t next = 0;
    while (at < bytes.size()) {
        const std::uint64_t e = next + takeNumber(bytes, at);
        const std::uint64_t folded = takeNumber(bytes, at);
        if (e >= size) {
            throw std::invalid_argument("an entry of the corrections lies outside the tables");
        }
        const double units = folded & 1 ? -static_cast<double>((folded + 1) >> 1) : static_cast<double>(folded >> 1);
        corrections[e] = static_cast<float>(units / kUnitsPerPoint);
        next = e + 1;
    }
    return corrections;
}

}  // namespace dakru::advisor
