#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "engine.h"

class QLabel;

namespace dakru::ui::table {

class LineList;
class TableSheet;

// The standings of a game at a table, in a window of its own: every player's
// total in the order of play with the one whose turn it is, and the whole
// sheet of the player chosen in the list (by the arrows or a click; at first
// the player to play). Esc closes it; closing only hides it, for its owner to
// show again. Screen readers hear each player's line ("Ann, 312, to play")
// and the shown sheet's cells.
class StandingsWindow : public QWidget {
    Q_OBJECT

public:
    explicit StandingsWindow(const Engine& engine, QWidget* parent = nullptr);

    // Draws the table as the engine holds it now: after every change of the game.
    void refresh();

    // The player whose sheet is shown (none without a table).
    std::optional<int> chosenSeat() const { return chosen_; }
    void choose(int seat);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showChosen();

    const Engine& engine_;
    QLabel* turn_ = nullptr;
    LineList* players_ = nullptr;
    TableSheet* sheet_ = nullptr;
    std::vector<Seat> seats_;  // as last drawn: another table starts from its player to play
    std::optional<int> chosen_;
};

}  // namespace dakru::ui::table
