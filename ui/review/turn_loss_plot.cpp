#include "turn_loss_plot.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "review_lines.h"
#include "review_style.h"
#include "review_text.h"
#include "sheet.h"

namespace dakru::ui::coach {
namespace {

const QColor kHintMark{128, 224, 255};

// A round step (1, 2 or 5 times a power of ten) that cuts 0 to `high` into
// at most about five parts.
double tickStep(double high)
{
    const double rough = std::max(high, 1.0) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

}  // namespace

std::vector<TurnLoss> lossPerTurn(const review::Review& review)
{
    std::vector<TurnLoss> turns;
    for (int turn = review.firstTurn; turn <= kCellCount; ++turn) {
        turns.push_back({turn});
    }
    for (const review::Decision& d : review.decisions) {
        if (d.turn < review.firstTurn || d.turn > kCellCount) {
            continue;
        }
        TurnLoss& turn = turns[static_cast<std::size_t>(d.turn - review.firstTurn)];
        turn.loss += d.loss;
        turn.worst = std::max(turn.worst, d.grade);
        turn.hinted = turn.hinted || d.hinted;
    }
    return turns;
}

TurnLossPlot::TurnLossPlot(std::vector<TurnLoss> turns, QWidget* parent) : QWidget(parent), turns_(std::move(turns)) {}

void TurnLossPlot::chooseTurn(int turn)
{
    if (turn != chosen_) {
        chosen_ = turn;
        update();
    }
}

QString TurnLossPlot::reading() const
{
    if (turns_.empty()) {
        return QStringLiteral("No turns recorded.");
    }
    QStringList losing;
    for (const TurnLoss& t : turns_) {
        if (t.loss >= 0.05) {
            losing << QStringLiteral("turn %1, %2 (%3%4)")
                          .arg(t.turn)
                          .arg(points(t.loss), QString::fromStdString(review::gradeName(t.worst)),
                               t.hinted ? QStringLiteral(", after a hint") : QString());
        }
    }
    const QString span = QStringLiteral("Turns %1 to %2").arg(turns_.front().turn).arg(turns_.back().turn);
    if (losing.isEmpty()) {
        return span + QStringLiteral(": no turn lost anything.");
    }
    return span + QStringLiteral(". Points lost: ") + losing.join(QStringLiteral("; "))
           + QStringLiteral(". The other turns lost nothing.");
}

void TurnLossPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(reviewFont(8));
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();

    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft, QStringLiteral("Points lost in each turn"));
    // The legend, from the right: a square of each grade's colour before its name.
    int right = width();
    const auto legend = [&](const QString& name, const QColor& colour) {
        const int textWidth = metrics.horizontalAdvance(name);
        right -= textWidth;
        painter.setPen(kText);
        painter.drawText(QRect(right, 0, textWidth, line), Qt::AlignLeft, name);
        right -= line * 2 / 3 + 4;
        painter.fillRect(QRect(right, line / 4, line / 2, line / 2), colour);
        right -= 10;
    };
    for (int g = review::kGradeCount - 1; g >= 0; --g) {
        const auto grade = static_cast<review::Grade>(g);
        legend(QString::fromStdString(review::gradeName(grade)), gradeColour(grade));
    }
    if (std::any_of(turns_.begin(), turns_.end(), [](const TurnLoss& t) { return t.hinted; })) {
        legend(QStringLiteral("hint shown"), kHintMark);
    }
    if (turns_.empty()) {
        return;
    }

    double most = 0;
    for (const TurnLoss& t : turns_) {
        most = std::max(most, t.loss);
    }
    const double step = tickStep(most);
    const auto steps = std::max(1L, std::lround(std::ceil(most / step)));
    const double high = static_cast<double>(steps) * step;
    std::vector<double> ticks;
    int left = 0;
    for (long n = 0; n <= steps; ++n) {
        ticks.push_back(static_cast<double>(n) * step);
        left = std::max(left, metrics.horizontalAdvance(QString::number(ticks.back())) + 8);
    }
    // Whole pixels, so that the bars and lines fall on pixel edges at every density.
    const auto count = static_cast<int>(turns_.size());
    const int barWidth = std::max(1, (width() - left - 4) / count);
    const QRect area(left, line + 10, barWidth * count, height() - 2 * line - 16);
    const auto y = [&](double loss) {
        return area.bottom() + 1 - static_cast<int>(std::lround(loss / high * area.height()));
    };

    painter.setPen(QPen(kAxis, 1));
    for (const double tick : ticks) {
        painter.drawLine(area.left(), y(tick), area.right(), y(tick));
        painter.drawText(QRect(0, y(tick) - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(tick));
    }
    for (int i = 0; i < count; ++i) {
        const int turn = turns_[static_cast<std::size_t>(i)].turn;
        if (turn == turns_.front().turn || turn % 10 == 0 || i == count - 1) {
            const QString text = QString::number(turn);
            const int textWidth = metrics.horizontalAdvance(text) + 2;
            const int centre = area.left() + i * barWidth + barWidth / 2;
            painter.drawText(
                QRect(std::clamp(centre - textWidth / 2, 0, width() - textWidth), area.bottom() + 4, textWidth, line),
                Qt::AlignHCenter, text);
        }
    }

    const int gap = barWidth > 4 ? 1 : 0;
    for (int i = 0; i < count; ++i) {
        const TurnLoss& t = turns_[static_cast<std::size_t>(i)];
        const int x = area.left() + i * barWidth;
        if (t.loss > 0) {
            const int top = std::min(y(t.loss), area.bottom());  // a loss too small to see keeps one pixel
            painter.fillRect(QRect(x + gap, top, barWidth - 2 * gap, area.bottom() + 1 - top), gradeColour(t.worst));
        }
        if (t.hinted) {
            painter.fillRect(QRect(x + gap, area.top() - 6, barWidth - 2 * gap, 3), kHintMark);
        }
        if (t.turn == chosen_) {
            painter.setPen(QPen(Qt::white, 1));
            painter.drawRect(QRect(x, area.top() - 8, barWidth - 1, area.height() + 8));
        }
    }
}

}  // namespace dakru::ui::coach
