#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "computer_turn.h"
#include "engine.h"

namespace dakru::ui {

// Plays the computer's turns at a table at a pace a person can follow: one
// step (a die held, the roll, the call, the write) at a time, carried out by
// the window as a person's click would be, with its sounds. The roll key
// hurries a turn to its end.
class ComputerPace final : public QObject {
public:
    static constexpr int kStepMilliseconds = 700;

    // `click`: carries a step out on the window.
    ComputerPace(Engine& engine, std::function<void(const advisor::TurnStep&)> click, QObject* parent = nullptr);
    ~ComputerPace() override;

    // After every change: paces the computer whose turn it is while the game
    // is `underWay` (the sheet out from under the cover), and stops otherwise.
    void follow(bool underWay);
    // The rest of this computer's turn at once, without waiting for the dice.
    void hurry();
    bool playing() const;

private:
    void step();
    advisor::ComputerTurn& turnOf(int seat);

    Engine& engine_;
    std::function<void(const advisor::TurnStep&)> click_;
    QTimer timer_;
    bool stepping_ = false;
    bool underWay_ = false;    // as the window last said
    std::vector<Seat> table_;  // the players the turns below were made for
    std::vector<std::unique_ptr<advisor::ComputerTurn>> turns_;
};

}  // namespace dakru::ui
