#include "score_plot.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "chart_style.h"

namespace dakru::ui::statistics {

ScorePlot::ScorePlot(std::vector<int> scores, std::vector<double> average, QWidget* parent)
    : QWidget(parent), scores_(std::move(scores)), average_(std::move(average))
{
}

void ScorePlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(chartFont(8));
    const QFontMetrics metrics = painter.fontMetrics();

    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft, QStringLiteral("Score of every game"));
    const QString legend = QStringLiteral("mean of ten");
    const int legendWidth = metrics.horizontalAdvance(legend);
    painter.drawText(QRect(width() - legendWidth, 0, legendWidth, metrics.height()), Qt::AlignRight, legend);
    painter.setPen(QPen(kAverage, 2));
    const int legendY = metrics.height() / 2;
    painter.drawLine(width() - legendWidth - 24, legendY, width() - legendWidth - 6, legendY);

    if (scores_.empty()) {
        return;
    }
    const auto [low, high] = std::minmax_element(scores_.begin(), scores_.end());
    const std::vector<double> yTicks = niceTicks(*low, *high, 6);
    const std::vector<double> xTicks = niceTicks(1, static_cast<double>(scores_.size()), 7);
    const double yLow = yTicks.front();
    const double yHigh = yTicks.back();

    int left = 0;
    for (const double tick : yTicks) {
        left = std::max(left, metrics.horizontalAdvance(QString::number(tick)) + 8);
    }
    const QRectF area(left, metrics.height() + 6, width() - left - 8, height() - 2 * metrics.height() - 12);
    const auto count = static_cast<double>(scores_.size());
    const auto x = [&](double game) {  // game numbered from 1
        return count <= 1 ? area.center().x() : area.left() + (game - 1) / (count - 1) * area.width();
    };
    const auto y = [&](double score) { return area.bottom() - (score - yLow) / (yHigh - yLow) * area.height(); };

    painter.setPen(QPen(kAxis, 1));
    for (const double tick : yTicks) {
        painter.drawLine(QPointF(area.left(), y(tick)), QPointF(area.right(), y(tick)));
        painter.drawText(QRectF(0, y(tick) - metrics.height() / 2.0, left - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }
    for (const double tick : xTicks) {
        if (tick < 1 || tick > count) {
            continue;
        }
        const QString text = QString::number(tick);
        const double textWidth = metrics.horizontalAdvance(text) + 2;
        painter.drawText(tickLabelRect(x(tick), area.bottom() + 4, metrics.height(), width(), textWidth),
                         Qt::AlignHCenter, text);
    }

    // Many games make a cloud of small dots; a few stand out as larger ones.
    QPolygonF dots;
    dots.reserve(static_cast<int>(scores_.size()));
    for (std::size_t i = 0; i < scores_.size(); ++i) {
        dots << QPointF(x(static_cast<double>(i + 1)), y(scores_[i]));
    }
    const double dotSize = scores_.size() > 500 ? 1.5 : scores_.size() > 50 ? 3 : 5;
    painter.setPen(QPen(kScores, dotSize, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(dots);

    QPolygonF line;
    line.reserve(static_cast<int>(average_.size()));
    for (std::size_t i = 0; i < average_.size(); ++i) {
        line << QPointF(x(static_cast<double>(i + 1)), y(average_[i]));
    }
    painter.setPen(QPen(kAverage, scores_.size() > 500 ? 1.2 : 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
}

}  // namespace dakru::ui::statistics
