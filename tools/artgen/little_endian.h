#pragma once

#include <QByteArray>

#include <cstdint>

namespace dakru::art {

// The icon and wave containers store their numbers little-endian.
inline void put16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

inline void put32(QByteArray& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace dakru::art
