#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace dakru::ui::statistics {

// A figure of every game in the order played, as dots, with its moving
// average as a line through them: the scores with their mean of ten, or the
// points each reviewed game lost with theirs.
class ScorePlot : public QWidget {
public:
    ScorePlot(std::vector<double> values, std::vector<double> average, QWidget* parent,
              QString title = QStringLiteral("Score of every game"));

    // Other figures, drawn at the next paint.
    void showValues(std::vector<double> values, std::vector<double> average);
    const std::vector<double>& values() const { return values_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> values_;
    std::vector<double> average_;
    QString title_;
};

}  // namespace dakru::ui::statistics
