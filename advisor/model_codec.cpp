#include "model_codec.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "corrections.h"

namespace dakru::advisor {
namespace {

constexpr double kChanceUnits = 1e4;
constexpr double kMeanUnits = 100;
constexpr double kCorrectionUnits = 4;
constexpr std::size_t kChanceCount = std::size_t{kPhaseCount} * kCellCount * (kMaxCellValue + 1);
constexpr std::size_t kMeanCount = std::size_t{kPhaseCount} * kCellCount * kWaits;

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
            throw std::invalid_argument("the table ends inside a number");
        }
        const std::uint8_t b = in[at++];
        n |= static_cast<std::uint64_t>(b & 0x7f) << shift;
        if (!(b & 0x80)) {
            return n;
        }
    }
    throw std::invalid_argument("a number in the table is too long");
}

}  // namespace

std::string encodeTable(const std::vector<float>& table, double unitsPerValue)
{
    std::vector<std::uint8_t> bytes;
    std::uint64_t next = 0;  // the first entry the next distance counts from
    for (std::size_t e = 0; e < table.size(); ++e) {
        const auto units = static_cast<std::int64_t>(std::llround(table[e] * unitsPerValue));
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

std::vector<float> decodeTable(std::string_view text, std::size_t size, double unitsPerValue)
{
    if (text.size() % 4 == 1) {
        throw std::invalid_argument("the table's text is cut short");
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
                    throw std::invalid_argument("the table's text holds a character that is not base64");
                }
            }
            group = group << 6 | static_cast<std::uint32_t>(digit);
        }
        for (std::size_t k = 0; k + 1 < n; ++k) {
            bytes.push_back(static_cast<std::uint8_t>(group >> (16 - 8 * k)));
        }
    }
    std::vector<float> table(size, 0.0f);
    std::size_t at = 0;
    std::uint64_t next = 0;
    while (at < bytes.size()) {
        const std::uint64_t e = next + takeNumber(bytes, at);
        const std::uint64_t folded = takeNumber(bytes, at);
        if (e >= size) {
            throw std::invalid_argument("an entry lies outside the table");
        }
        const double units = folded & 1 ? -static_cast<double>((folded + 1) >> 1) : static_cast<double>(folded >> 1);
        table[e] = static_cast<float>(units / unitsPerValue);
        next = e + 1;
    }
    return table;
}

PackedModel packModel(const Model& model)
{
    std::vector<float> chances;
    std::vector<float> means;
    chances.reserve(kChanceCount);
    means.reserve(kMeanCount);
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        for (int c = 0; c < kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                const auto& h = model.phases[phase][c][r];
                chances.insert(chances.end(), h.begin(), h.end());
                const auto& m = model.means[phase][c][r];
                means.insert(means.end(), m.begin(), m.end());
            }
        }
    }
    return {encodeTable(chances, kChanceUnits), encodeTable(means, kMeanUnits),
            encodeTable(model.corrections, kCorrectionUnits)};
}

std::string joined(std::span<const std::string_view> pieces)
{
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

Model unpackModel(std::string_view chances, std::string_view means, std::string_view corrections)
{
    const std::vector<float> chance = decodeTable(chances, kChanceCount, kChanceUnits);
    const std::vector<float> mean = decodeTable(means, kMeanCount, kMeanUnits);
    Model model;
    auto nextChance = chance.begin();
    auto nextMean = mean.begin();
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        for (int c = 0; c < kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                for (double& p : model.phases[phase][c][r]) {
                    p = *nextChance++;
                }
                for (double& m : model.means[phase][c][r]) {
                    m = *nextMean++;
                }
            }
        }
    }
    model.corrections = decodeTable(corrections, corrections::kSize, kCorrectionUnits);
    return model;
}

}  // namespace dakru::advisor
