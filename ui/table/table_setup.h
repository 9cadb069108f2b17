#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

#include "seat.h"

namespace dakru::ui::table {

// The longest name a player has, as the table of the ten best keeps it.
inline constexpr int kLongestName = 30;

// A typed name as the game shows it: control characters taken out, spaces
// trimmed, at most 30 characters. It may come out empty.
QString cleanName(const QString& typed);

// A setup as a game is played with it: one to six seats (more are dropped;
// none is one person), every person named (cleaned, "Player N" by the seat's
// number when nothing is left), every computer named by its strength, and
// numbered when another computer plays at the same strength ("Medium 1",
// "Medium 2"). A computer of a strength not known is taken as a person.
std::vector<Seat> normalizedSetup(std::vector<Seat> seats);

// What kind of player a seat holds: "Person" or "Computer: Medium".
QString kindText(const Seat& seat);

// The setup as settings values: "table/players" (1 for one player alone),
// then for each seat N from 1 "table/seatN/name" and "table/seatN/computer"
// (the strength's key, empty for a person). Every seat writes both keys, so
// keys left over from an earlier setup never change what is read back.
inline constexpr char kPlayersKey[] = "table/players";
QMap<QString, QVariant> setupToSettings(const std::vector<Seat>& seats);

// The setup the values hold, normalized as above; none when the number of
// players is missing or out of range. Damaged seats are read as well as they
// can be: a missing name gets the default, an unknown strength a person.
std::optional<std::vector<Seat>> setupFromSettings(const QMap<QString, QVariant>& values);

}  // namespace dakru::ui::table
