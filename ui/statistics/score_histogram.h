#pragma once

#include <QWidget>

#include "statistics.h"

namespace dakru::ui::statistics {

// How many games ended in each band of scores, as bars.
class ScoreHistogram : public QWidget {
public:
    ScoreHistogram(history::Histogram bins, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    history::Histogram bins_;
};

}  // namespace dakru::ui::statistics
