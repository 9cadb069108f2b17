#pragma once

#include <QString>
#include <optional>
#include <string>

#include "sheet.h"

namespace dakru::ui {

// What a screen reader says for one control: what it is and what it shows
// now. The accessible name is the whole reading ("Down, 3 of kind, 28"), so
// that every reader says it; the value is the part that changes ("28").
struct Reading {
    QString what;
    QString value;
    QString name() const { return value.isEmpty() ? what : what + QStringLiteral(", ") + value; }
    bool operator==(const Reading&) const = default;
};

QString columnWord(Column column);  // "Down", "Down Up", "Up", "Call"
QString rowWord(int row);           // "Ones" to "Sixes", "Minimum", ... "Dakru"

// A writable cell: its score, or "empty", then whether it is the called cell
// and whether it may be written now.
Reading cellReading(Column column, int row, const Cell& cell, bool called);
Reading sumReading(Section section, Column column, std::optional<int> sum);
Reading totalReading(Section section, std::optional<int> total);
Reading scoreReading(std::optional<int> grandTotal);
// Die 1 to 5 as its picture shows it: "Die 3, five, held", "Die 3, blank".
Reading dieReading(int n, const Die& die);
// The roll counter as it reads now ("" or "1" to "3").
Reading rollsReading(const std::string& rollsLeftText);
// The call display as it reads now ("" or "CALL"), with the called row (0 for none).
Reading callReading(const std::string& zvanjeText, int calledRow);

}  // namespace dakru::ui
