#include "hint_text.h"

#include <QStringList>
#include <array>

#include "sheet_captions.h"

namespace dakru::ui {
namespace {

// "the five", "the three fives".
QString diceOfFace(int face, int count)
{
    static const std::array<const char*, 6> one{"one", "two", "three", "four", "five", "six"};
    static const std::array<const char*, 6> many{"ones", "twos", "threes", "fours", "fives", "sixes"};
    static const std::array<const char*, 6> counts{"", "", "two", "three", "four", "five"};
    if (count == 1) {
        return QStringLiteral("the %1").arg(QLatin1String(one[face - 1]));
    }
    return QStringLiteral("the %1 %2").arg(QLatin1String(counts[count]), QLatin1String(many[face - 1]));
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList& parts)
{
    if (parts.size() <= 1) {
        return parts.value(0);
    }
    return QStringList(parts.begin(), parts.end() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
           + parts.back();
}

}  // namespace

QString hintSentence(const advisor::Action& action, const GameState& state)
{
    switch (action.move) {
    case advisor::Move::Write:
        return QStringLiteral("Write %1 in %2, %3")
            .arg(action.score)
            .arg(columnCaption(action.column), rowCaption(action.row));
    case advisor::Move::Call: return QStringLiteral("Call %1").arg(rowCaption(action.row));
    case advisor::Move::Roll: break;
    }
    std::array<int, 7> held{};
    for (int n = 0; n < kDiceCount; ++n) {
        if (action.hold[n] && state.dice[n].face) {
            ++held[*state.dice[n].face];
        }
    }
    QStringList groups;
    for (int face = 1; face <= 6; ++face) {
        if (held[face] > 0) {
            groups.push_back(diceOfFace(face, held[face]));
        }
    }
    if (groups.isEmpty()) {
        return state.dice[0].face ? QStringLiteral("Roll all five dice") : QStringLiteral("Roll");
    }
    return QStringLiteral("Hold %1 and roll").arg(listed(groups));
}

QString newGameSentence()
{
    return QStringLiteral("Start a new game");
}

QString noHintSentence(NoHint why)
{
    switch (why) {
    case NoHint::TitleScreen: return QStringLiteral("No hint on the title screen: roll to play");
    case NoHint::SheetFull: return QStringLiteral("No hint: the sheet is full and the game is ending");
    case NoHint::ComputersTurn: return QStringLiteral("No hint: the computer is playing its turn");
    }
    return {};
}

}  // namespace dakru::ui
