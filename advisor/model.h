#pragma once

#include <array>

#include "sheet.h"

namespace dakru::advisor {

// The highest score a cell can hold (Dakru of sixes).
inline constexpr int kMaxCellValue = 80;

// What the advisor knows about the rest of a game: for every cell, how often
// each score ends up written there when the advisor plays. Learned by
// self-play (tools/advisor_learn); the shipped one is learnedModel().
struct Model {
    using Histogram = std::array<double, kMaxCellValue + 1>;  // chance of each score
    std::array<std::array<Histogram, kRowCount>, kColumnCount> cells{};  // [column][row - 1]
};

Model learnedModel();

// The expected final score of a sheet under a model: what is written counts as
// it will in the totals; an empty cell counts as what it usually gets. The
// upper bonus counts with the chance that the empty rows still reach 60; the
// middle section multiplies the expected spread of Maximum over Minimum by the
// expected ones, so a good ones row is worth far more than its face value.
class SheetValuer {
public:
    explicit SheetValuer(const Model& model);

    double column(Column column, const std::array<Cell, kRowCount>& cells) const;
    double sheet(const Sheet& sheet) const;

private:
    static constexpr int kUpperRows = 6;
    static constexpr int kMaxNeed = 6 * 5 * 6 + 1;  // above any sum the upper rows can reach
    std::array<std::array<double, kRowCount>, kColumnCount> mean_{};
    // Chance that the empty upper rows (a mask of rows 1 to 6) add up to at least `need`.
    std::array<std::array<std::array<double, kMaxNeed + 1>, 1 << kUpperRows>, kColumnCount> reach_{};
    // Expected Maximum less Minimum, never below 0: both empty; Maximum known; Minimum known.
    std::array<double, kColumnCount> spreadBothEmpty_{};
    std::array<std::array<double, kMaxCellValue + 1>, kColumnCount> spreadMaximumKnown_{};
    std::array<std::array<double, kMaxCellValue + 1>, kColumnCount> spreadMinimumKnown_{};
};

}  // namespace dakru::advisor
