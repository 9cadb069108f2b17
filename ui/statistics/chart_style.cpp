#include "chart_style.h"

#include <algorithm>
#include <cmath>

namespace dakru::ui::statistics {

QFont chartFont(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

std::vector<double> niceTicks(double low, double high, int most)
{
    if (high <= low) {
        high = low + 1;
    }
    const double rough = (high - low) / std::max(most - 1, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    step = std::max(step, 1.0);  // games and scores are counted whole
    std::vector<double> ticks;
    for (auto n = static_cast<long long>(std::floor(low / step));; ++n) {
        const double tick = static_cast<double>(n) * step;
        ticks.push_back(tick);
        if (tick >= high) {
            break;
        }
    }
    return ticks;
}

QRectF tickLabelRect(double centreX, double top, double height, double widgetWidth, double labelWidth)
{
    const double left = std::clamp(centreX - labelWidth / 2, 0.0, std::max(widgetWidth - labelWidth, 0.0));
    return {left, top, labelWidth, height};
}

}  // namespace dakru::ui::statistics
