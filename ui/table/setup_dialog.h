#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "seat.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace dakru::ui::table {

// Who plays the next game: "One player", the game alone, or a table of two
// to six, each seat a person with a name or the computer at a strength, whose
// line says what to expect of it. Everything is reached by Tab and the
// arrows; Enter starts, Esc cancels.
class SetupDialog : public QDialog {
    Q_OBJECT

public:
    // Opens filled with `last` (empty: one player).
    explicit SetupDialog(const std::vector<Seat>& last, QWidget* parent = nullptr);

    // The setup as it stands, normalized: one person for "One player".
    std::vector<Seat> seats() const;

private:
    struct SeatRow {
        QLabel* label = nullptr;
        QComboBox* kind = nullptr;  // "Person", then the computer's strengths
        QLineEdit* name = nullptr;  // a person's
        QLabel* about = nullptr;    // a computer's: what to expect of it
    };

    void showRows();
    void showKind(const SeatRow& row);

    QComboBox* players_ = nullptr;
    std::array<SeatRow, kMostSeats> rows_{};
};

}  // namespace dakru::ui::table
