#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "advisor.h"
#include "game_state.h"
#include "hint_text.h"

namespace dakru::ui {

// The hint on the main window. The first H on a position shows the best move
// (the dice to hold framed, the sentence read out); H again on the same
// position hands the move back to be carried out. What marks the cell to
// write or call, and the ROLL hot spot, is the window's.
class Hint {
public:
    // `dice`: the five dice pictures, children of `window`.
    Hint(QWidget& window, const std::array<QWidget*, kDiceCount>& dice);

    struct Press {
        bool carryOut = false;  // false: the move has just been shown
        // The move; none when the game has nothing left to advise (the
        // ROLL hot spot then starts a new game, or nothing happens).
        std::optional<advisor::Action> move;
    };
    Press press(const GameState& state);

    // H with no decision to make: nothing is marked, and the screen reader
    // hears why.
    void refuse(NoHint why);

    // After every change: a hint shown for another position is taken away.
    // True when one was taken away just now.
    bool follow(const GameState& state);

    bool shown() const { return shownFor_.has_value(); }
    // Whether the advisor and its learned model are loaded: not before the first H.
    bool modelLoaded() const { return advisor_.has_value(); }
    // The last sentence read out.
    QString sentence() const;

private:
    void mark(const std::optional<advisor::Action>& move, const GameState& state);
    void announce(const QString& sentence);
    void clear();

    QWidget& window_;
    std::optional<advisor::Advisor> advisor_;
    std::optional<GameState> shownFor_;
    std::optional<advisor::Action> move_;
    std::array<QWidget*, kDiceCount> dice_{};
    std::array<QWidget*, kDiceCount> diceMarks_{};
    QWidget* announcer_ = nullptr;
};

}  // namespace dakru::ui
