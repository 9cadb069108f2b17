#include "review_lines.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "review_text.h"

namespace dakru::ui::coach {

QString points(double value)
{
    return QString::number(value, 'f', 1);
}

QString lossText(double loss)
{
    // The least bit more keeps 0.29 from reading as 0.28 through the binary fraction.
    return QString::number(std::max(0.0, std::floor(loss * 100 + 1e-9) / 100), 'f', 2);
}

QString gradeCaption(review::Grade grade)
{
    const auto bound = [](double threshold) { return QString::number(threshold); };
    const review::Thresholds& t = review::kThresholds;
    switch (grade) {
    case review::Grade::Best: return QStringLiteral("Best (under %1)").arg(bound(t.inaccuracy));
    case review::Grade::Inaccuracy:
        return QStringLiteral("Inaccuracies (%1 to %2)").arg(bound(t.inaccuracy), bound(t.mistake));
    case review::Grade::Mistake: return QStringLiteral("Mistakes (%1 to %2)").arg(bound(t.mistake), bound(t.blunder));
    case review::Grade::Blunder: return QStringLiteral("Blunders (%1 or more)").arg(bound(t.blunder));
    }
    return {};
}

QString recordedFrom(const review::Review& review)
{
    return QStringLiteral("%1turn %2")
        .arg(review.startsMidTurn ? QStringLiteral("the middle of ") : QString())
        .arg(review.firstTurn);
}

std::vector<int> costliestFirst(const review::Review& review)
{
    std::vector<int> order(review.decisions.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return review.decisions[a].loss > review.decisions[b].loss; });
    return order;
}

QString decisionPlace(const review::Decision& decision)
{
    return QStringLiteral("Turn %1, roll %2").arg(decision.turn).arg(decision.roll);
}

QString decisionTitle(const review::Decision& decision)
{
    QString title = QStringLiteral("%1: %2").arg(decisionPlace(decision),
                                                 QString::fromStdString(review::gradeName(decision.grade)));
    // A near-tie counts as the best but may still cost a hundredth of a point or two.
    if (decision.loss >= 0.01) {
        title += QStringLiteral(", %1 points lost").arg(lossText(decision.loss));
    }
    return decision.hinted ? title + QStringLiteral(", after a hint") : title;
}

QString decisionSentence(const review::Decision& decision)
{
    const std::string played = review::actionText(decision.played, decision.position);
    const std::string best = review::actionText(decision.best, decision.position);
    if (played == best) {
        return QStringLiteral("%1. You: %2, as the advisor would.")
            .arg(decisionTitle(decision), QString::fromStdString(played));
    }
    return QStringLiteral("%1. You: %2. The advisor: %3.")
        .arg(decisionTitle(decision), QString::fromStdString(played), QString::fromStdString(best));
}

}  // namespace dakru::ui::coach
