#include "review_style.h"

namespace dakru::ui::coach {

QFont reviewFont(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QColor gradeColour(review::Grade grade)
{
    switch (grade) {
    case review::Grade::Best: return {192, 255, 192};
    case review::Grade::Inaccuracy: return {255, 255, 128};
    case review::Grade::Mistake: return {255, 176, 64};
    case review::Grade::Blunder: return {255, 96, 96};
    }
    return kText;
}

}  // namespace dakru::ui::coach
