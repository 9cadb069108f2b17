#include "field_names.h"

#include <array>
#include <string_view>

namespace dakru::history {

namespace {

constexpr std::array<std::string_view, 14> kRowNames{
    "row1",    "row2",          "row3",           "row4",           "row5",       "row6",  "minimum",
    "maximum", "three_of_kind", "small_straight", "large_straight", "full_house", "poker", "dakru"};
constexpr std::array<std::string_view, 4> kColumnNames{"down", "down_up", "up", "call"};
constexpr std::array<std::string_view, 3> kSectionNames{"upper_sum", "middle_sum", "lower_sum"};

std::string joined(std::string_view first, std::string_view second)
{
    std::string name(first);
    name += '_';
    name += second;
    return name;
}

}  // namespace

std::string cellName(int row, int column)
{
    return joined(kRowNames.at(static_cast<std::size_t>(row - 1)), kColumnNames.at(static_cast<std::size_t>(column)));
}

std::string sumName(int section, int column)
{
    return joined(kSectionNames.at(static_cast<std::size_t>(section)),
                  kColumnNames.at(static_cast<std::size_t>(column)));
}

}  // namespace dakru::history
