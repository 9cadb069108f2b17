#include "table_setup.h"

#include <QStringList>
#include <algorithm>

#include "strengths.h"

namespace dakru::ui::table {
namespace {

QString seatKey(int number, const char* what)
{
    return QStringLiteral("table/seat%1/%2").arg(number).arg(QLatin1String(what));
}

// A settings value as text. A hand-edited value with a comma comes back from
// the settings file as a list: its parts are joined again.
QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.canConvert<QString>() ? value.toString() : QString();
}

}  // namespace

QString cleanName(const QString& typed)
{
    // By code point, so that a character outside the basic plane is never cut in half.
    QString kept;
    for (const char32_t c : typed.toUcs4()) {
        const auto category = QChar::category(c);
        if (category != QChar::Other_Control && category != QChar::Separator_Line
            && category != QChar::Separator_Paragraph) {
            kept += QChar::fromUcs4(c);
        }
    }
    QString name;
    int length = 0;
    for (const char32_t c : kept.trimmed().toUcs4()) {
        if (++length > kLongestName) {
            break;
        }
        name += QChar::fromUcs4(c);
    }
    return name.trimmed();
}

std::vector<Seat> normalizedSetup(std::vector<Seat> seats)
{
    if (seats.empty()) {
        seats.push_back({});
    }
    if (seats.size() > static_cast<std::size_t>(kMostSeats)) {
        seats.resize(static_cast<std::size_t>(kMostSeats));
    }
    for (Seat& seat : seats) {
        if (seat.computer && !advisor::strengthFromKey(*seat.computer)) {
            seat.computer.reset();
        }
    }
    for (std::size_t i = 0; i < seats.size(); ++i) {
        Seat& seat = seats[i];
        if (seat.person()) {
            const QString name = cleanName(QString::fromStdString(seat.name));
            seat.name = (name.isEmpty() ? QStringLiteral("Player %1").arg(i + 1) : name).toStdString();
            continue;
        }
        const auto sameStrength = [&seat](const Seat& other) { return other.computer == seat.computer; };
        const auto shared = std::count_if(seats.begin(), seats.end(), sameStrength);
        const auto number =
            std::count_if(seats.begin(), seats.begin() + static_cast<std::ptrdiff_t>(i) + 1, sameStrength);
        std::string name(advisor::describe(*advisor::strengthFromKey(*seat.computer)).name);
        seat.name = shared > 1 ? name + ' ' + std::to_string(number) : name;
    }
    return seats;
}

QString kindText(const Seat& seat)
{
    if (seat.person()) {
        return QStringLiteral("Person");
    }
    const auto strength = advisor::strengthFromKey(*seat.computer);
    return strength ? QStringLiteral("Computer: ") + QString::fromUtf8(advisor::describe(*strength).name)
                    : QStringLiteral("Computer");
}

QMap<QString, QVariant> setupToSettings(const std::vector<Seat>& seats)
{
    const std::vector<Seat> setup = normalizedSetup(seats);
    QMap<QString, QVariant> values;
    values.insert(QString::fromLatin1(kPlayersKey), static_cast<int>(setup.size()));
    for (std::size_t i = 0; i < setup.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        values.insert(seatKey(number, "name"), QString::fromStdString(setup[i].name));
        values.insert(seatKey(number, "computer"), QString::fromStdString(setup[i].computer.value_or(std::string())));
    }
    return values;
}

std::optional<std::vector<Seat>> setupFromSettings(const QMap<QString, QVariant>& values)
{
    bool read = false;
    const int players = textOf(values.value(QString::fromLatin1(kPlayersKey))).trimmed().toInt(&read);
    if (!read || players < 1 || players > kMostSeats) {
        return std::nullopt;
    }
    std::vector<Seat> seats;
    for (int number = 1; number <= players; ++number) {
        const QString computer = textOf(values.value(seatKey(number, "computer"))).trimmed();
        seats.push_back({textOf(values.value(seatKey(number, "name"))).toStdString(),
                         computer.isEmpty() ? std::nullopt : std::optional(computer.toStdString())});
    }
    return normalizedSetup(std::move(seats));
}

}  // namespace dakru::ui::table
