#pragma once

#include <QWidget>
#include <vector>

namespace dakru::ui::statistics {

// Every game's score in the order played, as dots, with the moving average
// over ten games as a line through them.
class ScorePlot : public QWidget {
public:
    ScorePlot(std::vector<int> scores, std::vector<double> average, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> scores_;
    std::vector<double> average_;
};

}  // namespace dakru::ui::statistics
