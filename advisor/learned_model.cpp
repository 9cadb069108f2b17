// Made by tools/advisor_learn; see tools/CMakeLists.txt. Do not edit.
#include <array>
#include <cstdint>

#include "model.h"

namespace dakru::advisor {
namespace {

struct Entry {
    std::uint8_t column;
    std::uint8_t row;
    std::uint8_t value;
    float chance;
};

constexpr std::array<Entry, 0> kEntries{};

}  // namespace

Model learnedModel()
{
    Model model;
    for (const Entry& e : kEntries) {
        model.cells[e.column][e.row - 1][e.value] = e.chance;
    }
    return model;
}

}  // namespace dakru::advisor
