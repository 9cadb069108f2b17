#include "readings.h"

#include <array>

namespace dakru::ui {
namespace {

const std::array<QString, 7> kNumberWords{QStringLiteral("no"),    QStringLiteral("one"),  QStringLiteral("two"),
                                          QStringLiteral("three"), QStringLiteral("four"), QStringLiteral("five"),
                                          QStringLiteral("six")};

QString numberOrEmpty(std::optional<int> value)
{
    return value ? QString::number(*value) : QStringLiteral("empty");
}

QString sectionWord(Section section)
{
    switch (section) {
    case Section::Upper: return QStringLiteral("upper");
    case Section::Middle: return QStringLiteral("middle");
    case Section::Lower: return QStringLiteral("lower");
    }
    return {};
}

}  // namespace

QString columnWord(Column column)
{
    switch (column) {
    case Column::Down: return QStringLiteral("Down");
    case Column::DownUp: return QStringLiteral("Down Up");
    case Column::Up: return QStringLiteral("Up");
    case Column::Call: return QStringLiteral("Call");
    }
    return {};
}

QString rowWord(int row)
{
    static const std::array<QString, kRowCount> words{
        QStringLiteral("Ones"),           QStringLiteral("Twos"),           QStringLiteral("Threes"),
        QStringLiteral("Fours"),          QStringLiteral("Fives"),          QStringLiteral("Sixes"),
        QStringLiteral("Minimum"),        QStringLiteral("Maximum"),        QStringLiteral("3 of kind"),
        QStringLiteral("Small Straight"), QStringLiteral("Large Straight"), QStringLiteral("Full house"),
        QStringLiteral("Poker"),          QStringLiteral("Dakru"),
    };
    return row >= 1 && row <= kRowCount ? words[static_cast<std::size_t>(row - 1)] : QString();
}

Reading cellReading(Column column, int row, const Cell& cell, bool called)
{
    QString value = numberOrEmpty(cell.value);
    if (called) {
        value += QStringLiteral(", called");
    }
    if (cell.marked) {
        value += QStringLiteral(", can be written");
    }
    return {columnWord(column) + QStringLiteral(", ") + rowWord(row), value};
}

Reading sumReading(Section section, Column column, std::optional<int> sum)
{
    return {columnWord(column) + QStringLiteral(", ") + sectionWord(section) + QStringLiteral(" sum"),
            numberOrEmpty(sum)};
}

Reading totalReading(Section section, std::optional<int> total)
{
    QString what = sectionWord(section) + QStringLiteral(" total");
    what[0] = what[0].toUpper();
    return {what, numberOrEmpty(total)};
}

Reading scoreReading(std::optional<int> grandTotal)
{
    return {QStringLiteral("Score"), numberOrEmpty(grandTotal)};
}

Reading dieReading(int n, const Die& die)
{
    QString value = die.face && *die.face >= 1 && *die.face <= 6 ? kNumberWords[static_cast<std::size_t>(*die.face)]
                                                                 : QStringLiteral("blank");
    if (die.held) {
        value += QStringLiteral(", held");
    }
    return {QStringLiteral("Die %1").arg(n), value};
}

Reading rollsReading(const std::string& rollsLeftText)
{
    const int rolls = QString::fromStdString(rollsLeftText).toInt();  // "" reads as 0
    const QString count =
        rolls >= 0 && rolls <= 3 ? kNumberWords[static_cast<std::size_t>(rolls)] : QString::number(rolls);
    // Not "Roll, ...": the reader would take it for the ROLL hot spot.
    return {QStringLiteral("This turn"),
            count + (rolls == 1 ? QStringLiteral(" roll used") : QStringLiteral(" rolls used"))};
}

Reading callReading(const std::string& zvanjeText, int calledRow)
{
    const bool shown = !zvanjeText.empty() && calledRow > 0;
    return {QStringLiteral("Called row"), shown ? rowWord(calledRow) : QStringLiteral("none")};
}

}  // namespace dakru::ui
