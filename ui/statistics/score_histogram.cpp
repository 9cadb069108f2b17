#include "score_histogram.h"

#include <QPainter>
#include <algorithm>

#include "chart_style.h"

namespace dakru::ui::statistics {

ScoreHistogram::ScoreHistogram(history::Histogram bins, QWidget* parent) : QWidget(parent), bins_(std::move(bins)) {}

void ScoreHistogram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(chartFont(8));
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft, QStringLiteral("Games by score"));
    if (bins_.counts.empty()) {
        return;
    }

    const int most = *std::max_element(bins_.counts.begin(), bins_.counts.end());
    const std::vector<double> yTicks = niceTicks(0, most, 5);
    const double yHigh = yTicks.back();
    int left = 0;
    for (const double tick : yTicks) {
        left = std::max(left, metrics.horizontalAdvance(QString::number(tick)) + 8);
    }
    const QRectF area(left, metrics.height() + 6, width() - left - 8, height() - 2 * metrics.height() - 12);
    const auto y = [&](double count) { return area.bottom() - count / yHigh * area.height(); };

    painter.setPen(QPen(kAxis, 1));
    for (const double tick : yTicks) {
        painter.drawLine(QPointF(area.left(), y(tick)), QPointF(area.right(), y(tick)));
        painter.drawText(QRectF(0, y(tick) - metrics.height() / 2.0, left - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }

    const auto binCount = static_cast<double>(bins_.counts.size());
    const double barWidth = area.width() / binCount;
    const double firstScore = bins_.first;
    const double lastScore = bins_.first + bins_.width * binCount;
    const auto x = [&](double score) {
        return area.left() + (score - firstScore) / (lastScore - firstScore) * area.width();
    };
    for (const double tick : niceTicks(firstScore, lastScore, 7)) {
        if (tick < firstScore || tick > lastScore) {
            continue;
        }
        const QString text = QString::number(tick);
        const double textWidth = metrics.horizontalAdvance(text) + 2;
        painter.drawText(tickLabelRect(x(tick), area.bottom() + 4, metrics.height(), width(), textWidth),
                         Qt::AlignHCenter, text);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(kScores);
    // Bars keep a gap between them while they are wide enough to show one.
    const double gap = barWidth > 6 ? 1 : 0;
    for (std::size_t i = 0; i < bins_.counts.size(); ++i) {
        if (bins_.counts[i] == 0) {
            continue;
        }
        const double top = y(bins_.counts[i]);
        painter.drawRect(QRectF(area.left() + static_cast<double>(i) * barWidth + gap, top, barWidth - 2 * gap,
                                area.bottom() - top));
    }
}

}  // namespace dakru::ui::statistics
