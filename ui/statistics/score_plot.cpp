#include "score_plot.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <optional>

#include "chart_style.h"

namespace dakru::ui::statistics {

ScorePlot::ScorePlot(std::vector<double> values, std::vector<double> average, QWidget* parent, QString title)
    : QWidget(parent), values_(std::move(values)), average_(std::move(average)), title_(std::move(title))
{
}

void ScorePlot::showValues(std::vector<double> values, std::vector<double> average)
{
    values_ = std::move(values);
    average_ = std::move(average);
    update();
}

void ScorePlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(chartFont(8));
    const QFontMetrics metrics = painter.fontMetrics();

    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft, title_);
    const QString legend = QStringLiteral("mean of ten");
    const int legendWidth = metrics.horizontalAdvance(legend);
    painter.drawText(QRect(width() - legendWidth, 0, legendWidth, metrics.height()), Qt::AlignRight, legend);
    painter.setPen(QPen(kAverage, 2));
    const int legendY = metrics.height() / 2;
    painter.drawLine(width() - legendWidth - 24, legendY, width() - legendWidth - 6, legendY);

    if (values_.empty()) {
        return;
    }
    const auto [low, high] = std::minmax_element(values_.begin(), values_.end());
    const std::vector<double> yTicks = niceTicks(*low, *high, 6);
    const std::vector<double> xTicks = niceTicks(1, static_cast<double>(values_.size()), 7);
    const double yLow = yTicks.front();
    const double yHigh = yTicks.back();

    int left = 0;
    for (const double tick : yTicks) {
        left = std::max(left, metrics.horizontalAdvance(QString::number(tick)) + 8);
    }
    const QRectF area(left, metrics.height() + 6, width() - left - 8, height() - 2 * metrics.height() - 12);
    const auto count = static_cast<double>(values_.size());
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

    // Many games make a cloud of small square dots, drawn without smoothing
    // (ten thousand smoothed round ones take most of a second); a few stand
    // out as larger round ones.
    if (values_.size() > 50) {
        const double dot = values_.size() > 500 ? 1.5 : 3;
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (std::size_t i = 0; i < values_.size(); ++i) {
            painter.fillRect(QRectF(x(static_cast<double>(i + 1)) - dot / 2, y(values_[i]) - dot / 2, dot, dot),
                             kScores);
        }
        painter.setRenderHint(QPainter::Antialiasing);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kScores);
        for (std::size_t i = 0; i < values_.size(); ++i) {
            painter.drawEllipse(QPointF(x(static_cast<double>(i + 1)), y(values_[i])), 2.5, 2.5);
        }
    }

    // The average as a line through one point per pixel column, the mean of
    // the averages that fall in it: with thousands of games a line through
    // every one is a solid band of zigzags, and slow to paint.
    QPolygonF line;
    std::optional<int> column;
    QPointF sum;
    int inColumn = 0;
    const auto flush = [&] {
        if (inColumn > 0) {
            line << sum / inColumn;
        }
    };
    for (std::size_t i = 0; i < average_.size(); ++i) {
        const QPointF point(x(static_cast<double>(i + 1)), y(average_[i]));
        if (column != static_cast<int>(point.x())) {
            flush();
            column = static_cast<int>(point.x());
            sum = {};
            inColumn = 0;
        }
        sum += point;
        ++inColumn;
    }
    flush();
    painter.setPen(QPen(kAverage, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    // In short pieces: a wide smoothed line is filled as one shape, whose cost
    // grows far faster than its length; the round caps hide the seams.
    constexpr int kPiece = 16;
    for (qsizetype first = 0; first + 1 < line.size(); first += kPiece) {
        painter.drawPolyline(line.constData() + first,
                             static_cast<int>(std::min<qsizetype>(kPiece + 1, line.size() - first)));
    }
}

}  // namespace dakru::ui::statistics
