#pragma once

#include <QWidget>
#include <vector>

#include "review.h"

namespace dakru::ui::coach {

// What one turn lost: the sum of its decisions, the worst grade among them,
// and whether a hint was shown before any of them.
struct TurnLoss {
    int turn = 0;
    double loss = 0;
    review::Grade worst = review::Grade::Best;
    bool hinted = false;
};

// Every turn the record covers, from its first to the last.
std::vector<TurnLoss> lossPerTurn(const review::Review& review);

// The points lost in each turn as bars, coloured by the turn's worst grade;
// a hint shown is marked above its turn. The chosen decision's turn is framed.
class TurnLossPlot final : public QWidget {
public:
    TurnLossPlot(std::vector<TurnLoss> turns, QWidget* parent);

    void chooseTurn(int turn);  // 0 for none
    int chosenTurn() const { return chosen_; }

    // The bars read out, for screen readers.
    QString reading() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<TurnLoss> turns_;
    int chosen_ = 0;
};

}  // namespace dakru::ui::coach
