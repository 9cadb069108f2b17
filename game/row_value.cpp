#include "row_value.h"

#include <numeric>

namespace dakru {
namespace {

using Counts = std::array<int, 7>;  // index = face; index 0 unused

Counts countFaces(const std::array<int, kDiceCount>& faces)
{
    Counts counts{};
    for (const int face : faces) {
        if (face >= 1 && face <= 6) {
            ++counts[face];
        }
    }
    return counts;
}

// 3 of kind, Poker and Dakru: only `times` dice of the first face shown at
// least `times` times count, plus the row's bonus.
int ofAKind(const Counts& counts, int times, int bonus)
{
    for (int face = 1; face <= 6; ++face) {
        if (counts[face] >= times) {
            return times * face + bonus;
        }
    }
    return 0;
}

bool showsAll(const Counts& counts, int lowest)
{
    for (int face = lowest; face < lowest + 5; ++face) {
        if (counts[face] == 0) {
            return false;
        }
    }
    return true;
}

bool anyCount(const Counts& counts, auto predicate)
{
    for (int face = 1; face <= 6; ++face) {
        if (predicate(counts[face])) {
            return true;
        }
    }
    return false;
}

}  // namespace

int RowValue(int row, const std::array<int, kDiceCount>& faces)
{
    const Counts counts = countFaces(faces);
    const int sum = std::accumulate(faces.begin(), faces.end(), 0);

    if (row >= 1 && row <= 6) {
        return row * counts[row];
    }
    switch (row) {
    case row::Minimum:
    case row::Maximum: return sum;
    case row::ThreeOfKind: return ofAKind(counts, 3, 10);
    case row::SmallStraight: return showsAll(counts, 1) ? 35 : 0;
    case row::LargeStraight: return showsAll(counts, 2) ? 45 : 0;
    case row::FullHouse: {
        const bool three = anyCount(counts, [](int n) { return n >= 3; });
        const bool pair = anyCount(counts, [](int n) { return n == 2; });
        return three && pair ? sum + 30 : 0;
    }
    case row::Poker: return ofAKind(counts, 4, 40);
    case row::Dakru: return ofAKind(counts, 5, 50);
    default: return 0;
    }
}

}  // namespace dakru
