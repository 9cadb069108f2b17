#include "review_text.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace dakru::review {
namespace {

std::string columnCaption(Column column)
{
    switch (column) {
    case Column::Down: return "Down";
    case Column::DownUp: return "Down\\Up";
    case Column::Up: return "Up";
    case Column::Call: return "Call";
    }
    return {};
}

std::string fixed(double value, int decimals = 1)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

// 0.25, 2.5, 10: no more digits than the number has.
std::string shortest(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

// "the five", "the three fives".
std::string diceOfFace(int face, int count)
{
    static const std::array<const char*, 6> one{"one", "two", "three", "four", "five", "six"};
    static const std::array<const char*, 6> many{"ones", "twos", "threes", "fours", "fives", "sixes"};
    static const std::array<const char*, 6> counts{"", "", "two", "three", "four", "five"};
    if (count == 1) {
        return std::string("the ") + one[face - 1];
    }
    return std::string("the ") + counts[count] + " " + many[face - 1];
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    }
    return text;
}

std::string plural(int count, const std::string& one, const std::string& many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string decisionLine(const Decision& d)
{
    std::string dice;
    for (const Die& die : d.position.dice) {
        dice += " " + std::to_string(die.face.value_or(0));
    }
    std::string line = "Turn " + std::to_string(d.turn) + ", roll " + std::to_string(d.roll) + ", dice" + dice + ": "
                       + actionText(d.played, d.position) + " (" + fixed(d.played.expectedScore)
                       + "); best: " + actionText(d.best, d.position) + " (" + fixed(d.best.expectedScore) + "); "
                       + fixed(d.loss) + " lost, " + gradeName(d.grade);
    return line + (d.hinted ? ", after a hint" : "") + "\n";
}

// The rows that lost most, up to three, largest first.
std::string costliestRows(const Review& review)
{
    const std::array<double, kRowCount> byRow = review.lostByRow();
    std::array<int, kRowCount> rows{};
    std::iota(rows.begin(), rows.end(), 1);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return byRow[a - 1] > byRow[b - 1]; });
    std::vector<std::string> parts;
    for (const int row : rows) {
        if (parts.size() == 3 || byRow[row - 1] < 0.05) {
            break;
        }
        parts.push_back(rowName(row) + " (" + fixed(byRow[row - 1]) + ")");
    }
    return parts.empty() ? std::string("none") : listed(parts);
}

}  // namespace

std::string rowName(int row)
{
    static const std::array<const char*, kRowCount> captions{"1",
                                                             "2",
                                                             "3",
                                                             "4",
                                                             "5",
                                                             "6",
                                                             "Minimum",
                                                             "Maximum",
                                                             "3 of kind",
                                                             "Small Straight",
                                                             "Large Straight",
                                                             "Full house",
                                                             "Poker",
                                                             "Dakru"};
    return captions[row - 1];
}

std::string actionText(const advisor::Action& action, const GameState& position)
{
    switch (action.move) {
    case advisor::Move::Write:
        return "Write " + std::to_string(action.score) + " in " + columnCaption(action.column) + ", "
               + rowName(action.row);
    case advisor::Move::Call: return "Call " + rowName(action.row);
    case advisor::Move::Roll: break;
    }
    std::array<int, 7> held{};
    for (int n = 0; n < kDiceCount; ++n) {
        if (action.hold[n] && position.dice[n].face) {
            ++held[*position.dice[n].face];
        }
    }
    std::vector<std::string> groups;
    for (int face = 1; face <= 6; ++face) {
        if (held[face] > 0) {
            groups.push_back(diceOfFace(face, held[face]));
        }
    }
    if (groups.empty()) {
        return position.dice[0].face ? "Roll all five dice" : "Roll";
    }
    return "Hold " + listed(groups) + " and roll";
}

std::string gradeName(Grade grade)
{
    switch (grade) {
    case Grade::Best: return "best";
    case Grade::Inaccuracy: return "inaccuracy";
    case Grade::Mistake: return "mistake";
    case Grade::Blunder: return "blunder";
    }
    return {};
}

std::string reviewText(const Review& review)
{
    std::string text = "A game of " + std::to_string(review.finalScore) + " points, reviewed against the advisor ";
    if (review.firstTurn == 1 && !review.startsMidTurn) {
        text += "from its first turn.\n";
    } else {
        text += std::string(review.startsMidTurn ? "from the middle of turn " : "from turn ")
                + std::to_string(review.firstTurn) + ": the turns before it were not recorded.\n";
    }
    const auto count = static_cast<int>(review.decisions.size());
    if (count == 0) {
        return text + "No decisions to review.\n";
    }
    text += "Points lost: " + fixed(review.lost) + " in " + plural(count, "decision", "decisions") + ", "
            + fixed(review.meanLoss, 2) + " a decision; best decisions: " + fixed(100 * review.bestShare) + " %.\n";
    const auto grades = [&](Grade g) { return review.grades[static_cast<int>(g)]; };
    text += "Grades: " + std::to_string(grades(Grade::Best)) + " best, "
            + plural(grades(Grade::Inaccuracy), "inaccuracy", "inaccuracies") + ", "
            + plural(grades(Grade::Mistake), "mistake", "mistakes") + ", "
            + plural(grades(Grade::Blunder), "blunder", "blunders") + " (losing " + shortest(kThresholds.inaccuracy)
            + " points or more is an inaccuracy, " + shortest(kThresholds.mistake) + " a mistake, "
            + shortest(kThresholds.blunder) + " a blunder).\n";
    const auto kind = [&](Kind k, const std::string& name) {
        return name + " " + fixed(review.lostByKind[static_cast<int>(k)]) + " in "
               + std::to_string(review.decisionsByKind[static_cast<int>(k)]);
    };
    text += "Lost by kind: " + kind(Kind::Holds, "holds") + ", " + kind(Kind::Call, "calls") + ", "
            + kind(Kind::Write, "writes") + ".\n";
    const std::array<double, kColumnCount> byColumn = review.lostByColumn();
    text += "Lost by column:";
    for (const Column column : kColumns) {
        text +=
            " " + columnCaption(column) + " " + fixed(byColumn[index(column)]) + (column == Column::Call ? ".\n" : ",");
    }
    text += "Rows that lost most: " + costliestRows(review) + ".\n";
    if (review.hintsShown > 0 || review.undos > 0) {
        text +=
            "Hints shown: " + std::to_string(review.hintsShown) + "; undos: " + std::to_string(review.undos) + ".\n";
    }

    std::string costly;
    for (const Decision& d : review.decisions) {
        if (d.grade == Grade::Mistake || d.grade == Grade::Blunder) {
            costly += decisionLine(d);
        }
    }
    if (costly.empty()) {
        return text + "\nNo mistakes or blunders.\n";
    }
    return text + "\nMistakes and blunders, with the expected final score after each move:\n" + costly;
}

}  // namespace dakru::review
