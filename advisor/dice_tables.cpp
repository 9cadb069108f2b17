#include "dice_tables.h"

#include <cmath>
#include <stdexcept>

#include "row_value.h"

namespace dakru::advisor {
namespace {

// Every count vector with at most `dice` dice, in a fixed order.
void enumerate(int face, int left, Counts& counts, std::vector<Counts>& out)
{
    if (face == 6) {
        out.push_back(counts);
        return;
    }
    for (int n = 0; n <= left; ++n) {
        counts[face] = static_cast<std::uint8_t>(n);
        enumerate(face + 1, left - n, counts, out);
    }
    counts[face] = 0;
}

int code(const Counts& counts)
{
    int c = 0;
    for (const auto n : counts) {
        c = c * 6 + n;
    }
    return c;
}

// 6^6 codes cover every count vector of up to five dice.
constexpr int kCodes = 6 * 6 * 6 * 6 * 6 * 6;

std::vector<int>& codeToKeep()
{
    static std::vector<int> table(kCodes, -1);
    return table;
}

// Chance of a particular count vector when throwing its dice: multinomial.
double chance(const Counts& counts)
{
    const int n = diceIn(counts);
    double p = std::tgamma(n + 1.0) / std::pow(6.0, n);
    for (const auto c : counts) {
        p /= std::tgamma(c + 1.0);
    }
    return p;
}

}  // namespace

int diceIn(const Counts& counts)
{
    int n = 0;
    for (const auto c : counts) {
        n += c;
    }
    return n;
}

const DiceTables& DiceTables::get()
{
    static const DiceTables tables;
    return tables;
}

int DiceTables::keepIndex(const Counts& counts) const
{
    const int k = codeToKeep()[code(counts)];
    if (k < 0) {
        throw std::invalid_argument("more than five dice");
    }
    return k;
}

int DiceTables::throwIndex(const std::array<int, kDiceCount>& faces) const
{
    Counts counts{};
    for (const int f : faces) {
        if (f < 1 || f > 6) {
            throw std::invalid_argument("a die shows 1 to 6");
        }
        ++counts[f - 1];
    }
    return throwOfKeep_[keepIndex(counts)];
}

DiceTables::DiceTables()
{
    Counts scratch{};
    enumerate(0, kDiceCount, scratch, keeps_);
    auto& codes = codeToKeep();
    int throws = 0;
    for (int k = 0; k < static_cast<int>(keeps_.size()); ++k) {
        codes[code(keeps_[k])] = k;
        if (diceIn(keeps_[k]) == kDiceCount) {
            throwKeep_[throws++] = k;
        }
    }
    throwOfKeep_.assign(keeps_.size(), -1);
    for (int t = 0; t < kThrowCount; ++t) {
        throwOfKeep_[throwKeep_[t]] = t;
    }

    outcomes_.resize(keeps_.size());
    for (int k = 0; k < static_cast<int>(keeps_.size()); ++k) {
        const int rolled = kDiceCount - diceIn(keeps_[k]);
        for (const Counts& r : keeps_) {
            if (diceIn(r) != rolled) {
                continue;
            }
            Counts to = keeps_[k];
            for (int f = 0; f < 6; ++f) {
                to[f] = static_cast<std::uint8_t>(to[f] + r[f]);
            }
            outcomes_[k].push_back({throwOfKeep_[codes[code(to)]], chance(r)});
        }
    }

    subKeeps_.resize(kThrowCount);
    for (int t = 0; t < kThrowCount; ++t) {
        const Counts& of = keeps_[throwKeep_[t]];
        for (int k = 0; k < static_cast<int>(keeps_.size()); ++k) {
            bool within = true;
            for (int f = 0; f < 6; ++f) {
                within = within && keeps_[k][f] <= of[f];
            }
            if (within) {
                subKeeps_[t].push_back(k);
            }
        }
        std::array<int, kDiceCount> faces{};
        int n = 0;
        for (int f = 0; f < 6; ++f) {
            for (int c = 0; c < of[f]; ++c) {
                faces[n++] = f + 1;
            }
        }
        for (int row = 1; row <= kRowCount; ++row) {
            rowValues_[row - 1][t] = RowValue(row, faces);
        }
    }
}

}  // namespace dakru::advisor
