#pragma once

#include <array>
#include <optional>

namespace dakru {

// The four writable columns, left to right.
enum class Column { Down, DownUp, Up, Call };
inline constexpr int kColumnCount = 4;
inline constexpr std::array<Column, kColumnCount> kColumns{Column::Down, Column::DownUp, Column::Up, Column::Call};

// The three sections of the sheet, each closed by a sum row.
enum class Section { Upper, Middle, Lower };
inline constexpr int kSectionCount = 3;
inline constexpr std::array<Section, kSectionCount> kSections{Section::Upper, Section::Middle, Section::Lower};

// Scoring rows, numbered 1 to 14 from the top without the sum rows.
inline constexpr int kRowCount = 14;
namespace row {
inline constexpr int Minimum = 7;
inline constexpr int Maximum = 8;
inline constexpr int ThreeOfKind = 9;
inline constexpr int SmallStraight = 10;
inline constexpr int LargeStraight = 11;
inline constexpr int FullHouse = 12;
inline constexpr int Poker = 13;
inline constexpr int Dakru = 14;
}  // namespace row

inline constexpr int kDiceCount = 5;
inline constexpr int kCellCount = kColumnCount * kRowCount;  // 56: a full sheet

constexpr int index(Column column)
{
    return static_cast<int>(column);
}
constexpr int index(Section section)
{
    return static_cast<int>(section);
}

// A writable cell: its score once written ("0" is a written score), and whether
// it may be written now (yellow on the sheet).
struct Cell {
    std::optional<int> value;
    bool marked = false;
    bool operator==(const Cell&) const = default;
};

using Sheet = std::array<std::array<Cell, kRowCount>, kColumnCount>;  // [column][row - 1]

// A die: its face once thrown in this turn, and whether it is held.
struct Die {
    std::optional<int> face;
    bool held = false;
    bool operator==(const Die&) const = default;
};

}  // namespace dakru
