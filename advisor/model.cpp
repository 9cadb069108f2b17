#include "model.h"

#include <algorithm>
#include <vector>

#include "corrections.h"
#include "totals.h"

namespace dakru::advisor {

SheetValuer::SheetValuer(const Model& model) : corrections_(model.corrections)
{
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        for (const Column column : kColumns) {
            const auto& cells = model.phases[phase][index(column)];
            Column_& out = columns_[phase][index(column)];
            out.mean = model.means[phase][index(column)];

            // The distribution of the sum of the empty upper rows, taken as
            // independent; a mask's is its lower rows' with its highest row added.
            std::vector<std::vector<double>> sums(1 << kUpperRows, std::vector<double>(kMaxNeed + 1, 0.0));
            sums[0][0] = 1.0;
            for (int mask = 1; mask < (1 << kUpperRows); ++mask) {
                int top = kUpperRows - 1;
                while (!(mask & (1 << top))) {
                    --top;
                }
                const auto& from = sums[mask & ~(1 << top)];
                auto& to = sums[mask];
                for (int s = 0; s <= kMaxNeed; ++s) {
                    if (from[s] == 0) {
                        continue;
                    }
                    for (int v = 0; v <= kMaxCellValue; ++v) {
                        to[std::min(s + v, kMaxNeed)] += from[s] * cells[top][v];
                    }
                }
            }
            for (int mask = 0; mask < (1 << kUpperRows); ++mask) {
                double atLeast = 0;
                for (int need = kMaxNeed; need >= 0; --need) {
                    atLeast += sums[mask][need];
                    out.reach[mask][need] = static_cast<float>(std::min(atLeast, 1.0));
                }
            }

            const auto& minimum = cells[row::Minimum - 1];
            const auto& maximum = cells[row::Maximum - 1];
            for (int known = 0; known <= kMaxCellValue; ++known) {
                double belowKnown = 0;
                double aboveKnown = 0;
                for (int v = 0; v <= kMaxCellValue; ++v) {
                    belowKnown += minimum[v] * std::max(0, known - v);
                    aboveKnown += maximum[v] * std::max(0, v - known);
                }
                out.spreadMaximumKnown[known] = belowKnown;
                out.spreadMinimumKnown[known] = aboveKnown;
                out.spreadBothEmpty += minimum[known] * aboveKnown;
            }
        }
    }
}

int waitOf(Column column, const std::array<Cell, kRowCount>& cells, int row)
{
    int wait = 0;
    if (column == Column::Down) {
        for (int before = 1; before < row; ++before) {
            wait += cells[before - 1].value ? 0 : 1;
        }
    } else if (column == Column::Up) {
        for (int before = kRowCount; before > row; --before) {
            wait += cells[before - 1].value ? 0 : 1;
        }
    }
    constexpr std::array<int, kRowCount> bucket{0, 1, 2, 3, 4, 4, 5, 5, 5, 6, 6, 6, 6, 6};
    return bucket[wait];
}

double SheetValuer::column(Column column, const std::array<Cell, kRowCount>& cells, int emptyCells) const
{
    const Column_& model = columns_[phaseOf(emptyCells)][index(column)];
    const auto mean = [&](int row) { return model.mean[row - 1][waitOf(column, cells, row)]; };
    const auto valueOrMean = [&](int row) { return cells[row - 1].value ? *cells[row - 1].value : mean(row); };

    int written = 0;
    int empty = 0;
    double upper = 0;
    for (int row = 1; row <= kUpperRows; ++row) {
        if (cells[row - 1].value) {
            written += *cells[row - 1].value;
        } else {
            empty |= 1 << (row - 1);
            upper += mean(row);
        }
    }
    const int need = std::clamp(kUpperBonusAbove + 1 - written, 0, kMaxNeed);
    upper += written + kUpperBonus * model.reach[empty][need];

    const std::optional<int>& minimum = cells[row::Minimum - 1].value;
    const std::optional<int>& maximum = cells[row::Maximum - 1].value;
    double spread = 0;
    if (minimum && maximum) {
        spread = std::max(0, *maximum - *minimum);
    } else if (maximum) {
        spread = model.spreadMaximumKnown[std::clamp(*maximum, 0, kMaxCellValue)];
    } else if (minimum) {
        spread = model.spreadMinimumKnown[std::clamp(*minimum, 0, kMaxCellValue)];
    } else {
        spread = model.spreadBothEmpty;
    }
    const double middle = spread * valueOrMean(1);

    double lower = 0;
    for (int row = row::ThreeOfKind; row <= row::Dakru; ++row) {
        lower += valueOrMean(row);
    }
    // A full sheet is worth exactly its total.
    const double corrected =
        corrections_.empty() || emptyCells == 0
            ? 0.0
            : corrections::sumOf(corrections_, corrections::columnEntries(column, cells, emptyCells));
    return upper + middle + lower + corrected;
}

double SheetValuer::pattern(const Sheet& sheet, int emptyCells) const
{
    return corrections_.empty() ? 0.0
                                : corrections::sumOf(corrections_, corrections::patternEntries(sheet, emptyCells));
}

int emptyCellsOf(const Sheet& sheet)
{
    int empty = 0;
    for (const auto& column : sheet) {
        for (const Cell& c : column) {
            empty += c.value ? 0 : 1;
        }
    }
    return empty;
}

double SheetValuer::sheet(const Sheet& sheet) const
{
    const int empty = emptyCellsOf(sheet);
    double total = pattern(sheet, empty);
    for (const Column column : kColumns) {
        total += this->column(column, sheet[index(column)], empty);
    }
    return total;
}

}  // namespace dakru::advisor
