#include "about_texts.h"

#include "version.h"

namespace dakru::ui::about {

QString versionLine()
{
    return QStringLiteral("Version: %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision);
}

QStringList creditLines()
{
    return {
        QStringLiteral("Game design and code: the Dakru team"),
        QStringLiteral("Pictures: made for this game"),
        QStringLiteral("Sounds: made for this game"),
        QStringLiteral("Thanks to everyone who played it first"),
        QStringLiteral("Have fun and lucky rolls!"),
    };
}

QString keyReference()
{
    return QStringLiteral(
        "1 to 5 - Selecting dices\n"
        "Enter/Space - Roll\n"
        "S - Sound on/off\n"
        "Esc - Exit game \n"
        "You can play with a \n"
        "mouse too :)\n");
}

QString helpText()
{
    return QStringLiteral(
        "THE ROWS\n"
        "1 to 6: the sum of the dice showing that number. Most: five of them, 5 x the number "
        "(five 6s give 30). Example: 3, 3, 5, 3, 1 in row 3 gives 9.\n"
        "Minimum and Maximum: the sum of all five dice, 5 to 30. Example: 1, 1, 2, 1, 3 gives 8. "
        "Once both are written in a column, the Maximum less the Minimum, multiplied by the "
        "ones of the same column, goes into that column's Equals cell: Maximum 28, Minimum 7 "
        "and three 1s (3) give 21 x 3 = 63. While the ones are still empty the difference is "
        "not multiplied; it is never below 0, and ones of 0 make it 0.\n"
        "3 of kind: three dice alike, 3 x their number + 10. Most: 28 (three 6s). "
        "Example: 4, 4, 4, 2, 6 gives 22.\n"
        "Small Straight: 1, 2, 3, 4, 5 in any order, always 35.\n"
        "Large Straight: 2, 3, 4, 5, 6 in any order, always 45.\n"
        "Full house: three alike and two alike, the sum of the dice + 30. Most: 58 "
        "(6, 6, 6, 5, 5). Example: 2, 2, 2, 4, 4 gives 44.\n"
        "Poker: four dice alike, 4 x their number + 40. Most: 64 (four 6s). "
        "Example: 3, 3, 3, 3, 5 gives 52.\n"
        "Dakru: all five dice alike, 5 x their number + 50. Most: 80 (five 6s). "
        "Example: five 2s give 60.\n"
        "A row whose dice are not there scores 0.\n"
        "\n"
        "THE COLUMNS\n"
        "Down: written strictly from the top row to the bottom.\n"
        "Up: written strictly from the bottom row to the top.\n"
        "Down\\Up: written in any order.\n"
        "Call: right after the first roll of a turn you may call a row by clicking its empty "
        "Call cell. You may roll on, up to three rolls in all, and the turn must end in that "
        "cell. From the second roll on no new call can be placed. When only Call cells are "
        "left, place a call before you roll again.\n"
        "\n"
        "THE BONUSES\n"
        "1 to 6: 25 points when the section adds up to more than 59.\n"
        "Minimum and Maximum: no bonus.\n"
        "3 of kind: 10. Small Straight: 20 (its dice add up to 15, it is worth 35). "
        "Large Straight: 25 (its dice add up to 20, it is worth 45). Full house: 30. "
        "Poker: 40. Dakru: 50.\n"
        "Your score is the sum of all the Equals cells of the four columns.\n");
}

QString tipsText()
{
    return QStringLiteral(
        "Aim at three dice of every number in rows 1 to 6: that makes 63 and earns the bonus "
        "of 25, since the section needs 60 or more.\n"
        "Write low dice into Minimum and high dice into Maximum, and try to get at least three "
        "1s in the same column: the ones multiply the difference.\n"
        "Keep the Call column for the hard rows, and call when the first roll promises them.\n"
        "Playing with a friend? Each of you runs Dakru and you compare your scores at the end.\n");
}

}  // namespace dakru::ui::about
