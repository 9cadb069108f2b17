#include "model.h"

#include <algorithm>
#include <vector>

#include "totals.h"

namespace dakru::advisor {
namespace {

double meanOf(const Model::Histogram& h)
{
    double mean = 0;
    for (int v = 0; v <= kMaxCellValue; ++v) {
        mean += v * h[v];
    }
    return mean;
}

}  // namespace

SheetValuer::SheetValuer(const Model& model)
{
    for (const Column column : kColumns) {
        const int c = index(column);
        const auto& cells = model.cells[c];
        for (int row = 1; row <= kRowCount; ++row) {
            mean_[c][row - 1] = meanOf(cells[row - 1]);
        }

        for (int mask = 0; mask < (1 << kUpperRows); ++mask) {
            // The distribution of the sum of the empty rows, taken as independent.
            std::vector<double> sum(kMaxNeed + 1, 0.0);
            sum[0] = 1.0;
            for (int row = 1; row <= kUpperRows; ++row) {
                if (!(mask & (1 << (row - 1)))) {
                    continue;
                }
                std::vector<double> next(kMaxNeed + 1, 0.0);
                for (int s = 0; s <= kMaxNeed; ++s) {
                    if (sum[s] == 0) {
                        continue;
                    }
                    for (int v = 0; v <= kMaxCellValue && s + v <= kMaxNeed; ++v) {
                        next[s + v] += sum[s] * cells[row - 1][v];
                    }
                }
                sum = std::move(next);
            }
            double atLeast = 0;
            for (int need = kMaxNeed; need >= 0; --need) {
                atLeast += sum[need];
                reach_[c][mask][need] = std::min(atLeast, 1.0);
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
            spreadMaximumKnown_[c][known] = belowKnown;
            spreadMinimumKnown_[c][known] = aboveKnown;
            spreadBothEmpty_[c] += minimum[known] * aboveKnown;
        }
    }
}

double SheetValuer::column(Column column, const std::array<Cell, kRowCount>& cells) const
{
    const int c = index(column);
    const auto& mean = mean_[c];
    const auto valueOrMean = [&](int row) { return cells[row - 1].value ? *cells[row - 1].value : mean[row - 1]; };

    int written = 0;
    int empty = 0;
    double upper = 0;
    for (int row = 1; row <= kUpperRows; ++row) {
        if (cells[row - 1].value) {
            written += *cells[row - 1].value;
        } else {
            empty |= 1 << (row - 1);
            upper += mean[row - 1];
        }
    }
    const int need = std::clamp(kUpperBonusAbove + 1 - written, 0, kMaxNeed);
    upper += written + kUpperBonus * reach_[c][empty][need];

    const std::optional<int>& minimum = cells[row::Minimum - 1].value;
    const std::optional<int>& maximum = cells[row::Maximum - 1].value;
    double spread = 0;
    if (minimum && maximum) {
        spread = std::max(0, *maximum - *minimum);
    } else if (maximum) {
        spread = spreadMaximumKnown_[c][std::clamp(*maximum, 0, kMaxCellValue)];
    } else if (minimum) {
        spread = spreadMinimumKnown_[c][std::clamp(*minimum, 0, kMaxCellValue)];
    } else {
        spread = spreadBothEmpty_[c];
    }
    const double middle = spread * valueOrMean(1);

    double lower = 0;
    for (int row = row::ThreeOfKind; row <= row::Dakru; ++row) {
        lower += valueOrMean(row);
    }
    return upper + middle + lower;
}

double SheetValuer::sheet(const Sheet& sheet) const
{
    double total = 0;
    for (const Column column : kColumns) {
        total += this->column(column, sheet[index(column)]);
    }
    return total;
}

}  // namespace dakru::advisor
