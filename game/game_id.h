#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dakru {

// A game's identity: 128 random bits, made at its first roll, unique among
// every game any copy of the program plays. Written as 32 hexadecimal digits.
struct GameId {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    // From the system's entropy source.
    static GameId make();
    // The 32 lowercase digits; nothing else is an identity.
    static std::optional<GameId> fromText(std::string_view text);
    std::string text() const;

    bool operator==(const GameId&) const = default;
    bool operator<(const GameId& other) const { return high != other.high ? high < other.high : low < other.low; }
};

}  // namespace dakru
