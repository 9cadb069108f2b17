#pragma once

#include <QWidget>

#include "picture_cache.h"
#include "review.h"

class QLabel;

namespace dakru::ui::coach {

class DiceRow;
class PositionSheet;

// One decision opened: the dice and the sheet as the player saw them, beside
// what the player did and what the advisor would do, in words and in the
// expected final score of each, and the points lost. The whole of it is the
// view's accessible description, its title the name.
class DecisionView final : public QWidget {
public:
    DecisionView(PictureCache& pictures, QWidget* parent);

    // `place` in the list of decisions, costliest first: 1 to `count`.
    void showDecision(const review::Decision& decision, int place, int count);

    QString title() const;
    // Every line shown, in order, for screen readers.
    QString reading() const;

private:
    void layOut();
    void showAction(const review::Decision& decision, const advisor::Action& action, QLabel* text, DiceRow* dice,
                    QLabel* score);

    QLabel* title_ = nullptr;
    PositionSheet* sheet_ = nullptr;
    QLabel* diceCaption_ = nullptr;
    DiceRow* dice_ = nullptr;
    QLabel* situation_ = nullptr;
    QLabel* playedCaption_ = nullptr;
    QLabel* played_ = nullptr;
    DiceRow* playedDice_ = nullptr;
    QLabel* playedScore_ = nullptr;
    QLabel* bestCaption_ = nullptr;
    QLabel* best_ = nullptr;
    DiceRow* bestDice_ = nullptr;
    QLabel* bestScore_ = nullptr;
    QLabel* loss_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* help_ = nullptr;
};

}  // namespace dakru::ui::coach
