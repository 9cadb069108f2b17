#include "game_id.h"

#include <random>

namespace dakru {
namespace {

constexpr std::string_view kDigits = "0123456789abcdef";
constexpr std::size_t kDigitsPerHalf = 16;
constexpr std::size_t kDigitsInAll = 2 * kDigitsPerHalf;

std::uint64_t half(std::random_device& entropy)
{
    return (static_cast<std::uint64_t>(entropy()) << 32) | entropy();
}

}  // namespace

GameId GameId::make()
{
    std::random_device entropy;
    return {half(entropy), half(entropy)};
}

std::optional<GameId> GameId::fromText(std::string_view text)
{
    if (text.size() != kDigitsInAll) {
        return std::nullopt;
    }
    GameId id;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t digit = kDigits.find(text[i]);
        if (digit == std::string_view::npos) {
            return std::nullopt;
        }
        std::uint64_t& part = i < kDigitsPerHalf ? id.high : id.low;
        part = (part << 4) | digit;
    }
    return id;
}

std::string GameId::text() const
{
    std::string text(kDigitsInAll, '0');
    for (std::size_t i = 0; i < kDigitsPerHalf; ++i) {
        text[kDigitsPerHalf - 1 - i] = kDigits[(high >> (4 * i)) & 0xf];
        text[kDigitsInAll - 1 - i] = kDigits[(low >> (4 * i)) & 0xf];
    }
    return text;
}

}  // namespace dakru
