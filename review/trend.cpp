#include "trend.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "review_text.h"

namespace dakru::review {
namespace {

// Losses smaller than this are nothing to practise: rounding, near-ties.
constexpr double kNothing = 0.05;

std::string fixed(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", value);
    return text.data();
}

std::string percent(double share)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.0f %%", 100 * share);
    return text.data();
}

std::string kindName(int kind)
{
    switch (static_cast<Kind>(kind)) {
    case Kind::Holds: return "holds";
    case Kind::Call: return "calls";
    case Kind::Write: return "writes";
    }
    return {};
}

// A row in a sentence: the face rows by their dice, "Fours"; the others by their captions.
std::string rowInWords(int row)
{
    static const std::array<const char*, 6> faces{"Ones", "Twos", "Threes", "Fours", "Fives", "Sixes"};
    return row <= 6 ? faces[static_cast<std::size_t>(row - 1)] : rowName(row);
}

std::vector<Share> costliest(std::span<const double> lost, double all, int firstWhat)
{
    std::vector<Share> shares;
    for (std::size_t n = 0; n < lost.size(); ++n) {
        shares.push_back({static_cast<int>(n) + firstWhat, lost[n], all > 0 ? lost[n] / all : 0});
    }
    std::stable_sort(shares.begin(), shares.end(), [](const Share& a, const Share& b) { return a.lost > b.lost; });
    return shares;
}

}  // namespace

GameLoss lossOf(const Review& review)
{
    GameLoss loss;
    loss.lost = review.lost;
    loss.decisions = static_cast<int>(review.decisions.size());
    loss.whole = review.firstTurn == 1 && !review.startsMidTurn;
    loss.lostByKind = review.lostByKind;
    loss.lostByRow = review.lostByRow();
    return loss;
}

Trend trendOf(std::span<const GameLoss> oldestFirst, int window)
{
    Trend trend;
    for (const GameLoss& game : oldestFirst) {
        if (game.whole) {
            trend.lost.push_back(game.lost);
        }
    }
    const auto width = static_cast<std::size_t>(std::max(window, 1));
    double sum = 0;
    for (std::size_t n = 0; n < trend.lost.size(); ++n) {
        sum += trend.lost[n];
        if (n >= width) {
            sum -= trend.lost[n - width];
        }
        trend.average.push_back(sum / static_cast<double>(std::min(n + 1, width)));
    }
    return trend;
}

Practice whatToPractise(std::span<const GameLoss> oldestFirst, int over)
{
    const std::size_t count = std::min(oldestFirst.size(), static_cast<std::size_t>(std::max(over, 0)));
    const std::span<const GameLoss> last = oldestFirst.last(count);
    Practice practice;
    practice.games = static_cast<int>(count);
    std::array<double, kKindCount> byKind{};
    std::array<double, kRowCount> byRow{};
    for (const GameLoss& game : last) {
        practice.lost += game.lost;
        for (std::size_t k = 0; k < byKind.size(); ++k) {
            byKind[k] += game.lostByKind[k];
        }
        for (std::size_t r = 0; r < byRow.size(); ++r) {
            byRow[r] += game.lostByRow[r];
        }
    }
    practice.kinds = costliest(byKind, practice.lost, 0);
    practice.rows = costliest(byRow, practice.lost, 1);
    std::erase_if(practice.rows, [](const Share& row) { return row.lost < kNothing; });
    if (practice.rows.size() > 3) {
        practice.rows.resize(3);
    }
    return practice;
}

std::string practiseText(const Practice& practice)
{
    if (practice.games == 0) {
        return "No game has been reviewed yet.";
    }
    const std::string games = practice.games == 1 ? std::string("last reviewed game")
                                                  : "last " + std::to_string(practice.games) + " reviewed games";
    if (practice.lost < kNothing) {
        return "Your " + games + " lost nothing against the advisor: nothing to practise.";
    }
    std::string text = "Over your " + games + " you lost " + fixed(practice.lost) + " points against the advisor";
    if (practice.games > 1) {
        text += ", " + fixed(practice.lost / practice.games) + " a game";
    }
    const Share& first = practice.kinds.front();
    text += ". Practise your " + kindName(first.what) + " first: they cost " + fixed(first.lost) + " points, "
            + percent(first.share) + " of the loss";
    std::vector<std::string> others;
    for (std::size_t n = 1; n < practice.kinds.size(); ++n) {
        const Share& kind = practice.kinds[n];
        if (kind.lost >= kNothing) {
            others.push_back(kindName(kind.what) + ", " + fixed(kind.lost) + " (" + percent(kind.share) + ")");
        }
    }
    if (!others.empty()) {
        text += "; then " + others[0] + (others.size() > 1 ? ", and " + others[1] : std::string());
    }
    text += ".";
    if (!practice.rows.empty()) {
        std::vector<std::string> rows;
        for (const Share& row : practice.rows) {
            rows.push_back(rowInWords(row.what) + " (" + percent(row.share) + ")");
        }
        text += rows.size() == 1 ? " The row whose turns cost the most: " : " The rows whose turns cost the most: ";
        for (std::size_t n = 0; n < rows.size(); ++n) {
            text += (n == 0 ? "" : n + 1 == rows.size() ? " and " : ", ") + rows[n];
        }
        text += ".";
    }
    return text;
}

}  // namespace dakru::review
