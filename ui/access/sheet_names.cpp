#include "sheet_names.h"

#include <array>
#include <stdexcept>

namespace dakru::ui {
namespace {

// Label numbers of the writable cells: [row - 1][column].
constexpr std::array<std::array<int, kColumnCount>, kRowCount> kCellLabels{{
    {7, 8, 9, 10},
    {12, 13, 14, 15},
    {17, 18, 19, 20},
    {22, 23, 24, 25},
    {27, 28, 29, 30},
    {32, 33, 34, 35},
    {42, 43, 44, 45},  // Minimum
    {47, 48, 49, 50},  // Maximum
    {57, 58, 59, 60},  // 3 of kind
    {62, 63, 64, 65},  // Small Straight
    {95, 94, 93, 92},  // Large Straight
    {67, 68, 69, 70},  // Full house
    {72, 73, 74, 75},  // Poker
    {77, 78, 79, 80},  // Dakru
}};

// [section][column], then the section totals.
constexpr std::array<std::array<int, kColumnCount>, kSectionCount> kSumLabels{{
    {37, 38, 39, 40},
    {52, 53, 54, 55},
    {82, 83, 84, 85},
}};
constexpr std::array<int, kSectionCount> kTotalLabels{89, 88, 87};

QString labelName(int number)
{
    return QStringLiteral("Label%1").arg(number);
}

}  // namespace

QString cellName(Column column, int row)
{
    if (row < 1 || row > kRowCount) {
        throw std::out_of_range("scoring rows are numbered 1 to 14");
    }
    return labelName(kCellLabels[row - 1][index(column)]);
}

QString sumName(Section section, Column column)
{
    return labelName(kSumLabels[index(section)][index(column)]);
}

QString totalName(Section section)
{
    return labelName(kTotalLabels[index(section)]);
}

}  // namespace dakru::ui
