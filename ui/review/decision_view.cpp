#include "decision_view.h"

#include <QAccessible>
#include <QLabel>
#include <tuple>

#include "dice_row.h"
#include "position_sheet.h"
#include "review_lines.h"
#include "review_style.h"
#include "review_text.h"
#include "sheet_captions.h"

namespace dakru::ui::coach {
namespace {

constexpr int kMargin = 12;
constexpr int kSheetWidth = 300;
constexpr int kRight = kMargin + kSheetWidth + 20;
constexpr int kLine = 22;

QLabel* line(QWidget* parent, const QString& name, int left, int top, int width, bool bold = false)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(left, top, width, kLine);
    label->setFont(reviewFont(9, bold));
    return label;
}

void setColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

// The dice as the player would hold them for a roll.
std::array<Die, kDiceCount> heldFor(const advisor::Action& action, const GameState& position)
{
    std::array<Die, kDiceCount> dice = position.dice;
    for (int n = 0; n < kDiceCount; ++n) {
        dice[n].held = action.hold[n] && dice[n].face.has_value();
    }
    return dice;
}

std::optional<SheetPlace> cellOf(const advisor::Action& action)
{
    switch (action.move) {
    case advisor::Move::Write: return SheetPlace{action.column, action.row};
    case advisor::Move::Call: return SheetPlace{Column::Call, action.row};
    case advisor::Move::Roll: break;
    }
    return std::nullopt;
}

MarkedSheet markedSheet(const review::Decision& d)
{
    MarkedSheet sheet;
    sheet.cells = d.position.cells;
    if (const std::optional<SheetPlace> played = cellOf(d.played)) {
        sheet.player = played;
        sheet.playerMeaning =
            d.played.move == advisor::Move::Call ? QStringLiteral("your call") : QStringLiteral("your write");
    } else if (d.column) {
        sheet.player = SheetPlace{*d.column, d.row};
        sheet.playerMeaning = QStringLiteral("where you wrote this turn");
    }
    if (const std::optional<SheetPlace> best = cellOf(d.best)) {
        sheet.advisor = best;
        sheet.advisorMeaning = d.best.move == advisor::Move::Call ? QStringLiteral("the advisor's call")
                                                                  : QStringLiteral("the advisor's write");
    }
    return sheet;
}

}  // namespace

DecisionView::DecisionView(PictureCache& pictures, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Decision"));
    setFocusPolicy(Qt::StrongFocus);
    const int rightWidth = kReviewWidth - kRight - kMargin;

    title_ = line(this, QStringLiteral("DecisionTitle"), kMargin, kMargin, kReviewWidth - 2 * kMargin, true);
    title_->setFont(reviewFont(10, true));
    sheet_ = new PositionSheet(this);
    sheet_->setObjectName(QStringLiteral("DecisionSheet"));
    sheet_->setGeometry(kMargin, 48, kSheetWidth, 506);

    const auto dice = [&](const QString& name) {
        auto* row = new DiceRow(pictures, this);
        row->setObjectName(name);
        return row;
    };
    diceCaption_ = line(this, QStringLiteral("DiceCaption"), kRight, 0, rightWidth, true);
    diceCaption_->setText(QStringLiteral("The dice as you saw them"));
    dice_ = dice(QStringLiteral("DecisionDice"));
    situation_ = line(this, QStringLiteral("Situation"), kRight, 0, rightWidth);
    playedCaption_ = line(this, QStringLiteral("PlayedCaption"), kRight, 0, rightWidth, true);
    playedCaption_->setText(QStringLiteral("You"));
    played_ = line(this, QStringLiteral("Played"), kRight, 0, rightWidth);
    playedDice_ = dice(QStringLiteral("PlayedDice"));
    playedScore_ = line(this, QStringLiteral("PlayedScore"), kRight, 0, rightWidth);
    bestCaption_ = line(this, QStringLiteral("BestCaption"), kRight, 0, rightWidth, true);
    bestCaption_->setText(QStringLiteral("The advisor"));
    best_ = line(this, QStringLiteral("Best"), kRight, 0, rightWidth);
    bestDice_ = dice(QStringLiteral("BestDice"));
    bestScore_ = line(this, QStringLiteral("BestScore"), kRight, 0, rightWidth);
    loss_ = line(this, QStringLiteral("Loss"), kRight, 0, rightWidth, true);
    hint_ = line(this, QStringLiteral("HintShown"), kRight, 0, rightWidth);
    hint_->setText(QStringLiteral("A hint was shown before this decision."));
    help_ = line(this, QStringLiteral("DecisionHelp"), kMargin, kReviewHeight - kMargin - kLine,
                 kReviewWidth - 2 * kMargin);
    help_->setText(QStringLiteral("Up and Down: the next decision in the list. Esc: back to the list."));
}

// The right side from the top, each shown line under the last: the dice of a
// move show only for a roll.
void DecisionView::layOut()
{
    int top = 48;
    const auto place = [&](QWidget* widget, int gapAbove) {
        if (widget->isVisibleTo(this)) {
            widget->move(kRight, top + gapAbove);
            top += gapAbove + widget->height();
        }
    };
    place(diceCaption_, 0);
    place(dice_, 2);
    place(situation_, 4);
    for (const auto& [caption, text, dice, score] : {std::tuple(playedCaption_, played_, playedDice_, playedScore_),
                                                     std::tuple(bestCaption_, best_, bestDice_, bestScore_)}) {
        place(caption, 20);
        place(text, 0);
        place(dice, 4);
        place(score, 4);
    }
    place(loss_, 20);
    place(hint_, 0);
}

void DecisionView::showAction(const review::Decision& decision, const advisor::Action& action, QLabel* text,
                              DiceRow* dice, QLabel* score)
{
    text->setText(QString::fromStdString(review::actionText(action, decision.position)));
    dice->setVisible(action.move == advisor::Move::Roll);
    dice->showDice(heldFor(action, decision.position));
    dice->setAccessibleName(text->text());
    dice->setAccessibleDescription(dice->reading());
    score->setText(QStringLiteral("Expected final score: %1").arg(points(action.expectedScore)));
}

void DecisionView::showDecision(const review::Decision& d, int place, int count)
{
    title_->setText(QStringLiteral("%1 (%2 of %3, costliest first)").arg(decisionTitle(d)).arg(place).arg(count));
    setColour(title_, gradeColour(d.grade));

    MarkedSheet sheet = markedSheet(d);
    sheet_->setAccessibleName(QStringLiteral("The sheet as you saw it"));
    sheet_->setAccessibleDescription(sheet.reading());
    sheet_->showSheet(std::move(sheet));

    dice_->showDice(d.position.dice);
    dice_->setAccessibleName(diceCaption_->text());
    dice_->setAccessibleDescription(dice_->reading());
    const int called = d.position.CalledRow.value_or(0);
    situation_->setText(called > 0
                            ? QStringLiteral("After roll %1 of 3, with %2 called").arg(d.roll).arg(rowCaption(called))
                            : QStringLiteral("After roll %1 of 3").arg(d.roll));

    showAction(d, d.played, played_, playedDice_, playedScore_);
    showAction(d, d.best, best_, bestDice_, bestScore_);
    loss_->setText(d.loss >= 0.01 ? QStringLiteral("Lost: %1 points, %2")
                                        .arg(lossText(d.loss), QString::fromStdString(review::gradeName(d.grade)))
                                  : QStringLiteral("Lost: nothing, the best"));
    setColour(loss_, gradeColour(d.grade));
    hint_->setVisible(d.hinted);
    layOut();

    setAccessibleName(title());
    setAccessibleDescription(reading());
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

QString DecisionView::title() const
{
    return title_->text();
}

QString DecisionView::reading() const
{
    QStringList lines{title_->text(), diceCaption_->text() + QStringLiteral(": ") + dice_->reading() + QLatin1Char('.'),
                      situation_->text() + QLatin1Char('.')};
    const auto action = [&](const QLabel* caption, const QLabel* text, const QLabel* score) {
        lines << caption->text() + QStringLiteral(": ") + text->text() + QStringLiteral(". ") + score->text()
                     + QLatin1Char('.');
    };
    action(playedCaption_, played_, playedScore_);
    action(bestCaption_, best_, bestScore_);
    lines << loss_->text() + QLatin1Char('.');
    if (hint_->isVisibleTo(this)) {
        lines << hint_->text();
    }
    lines << sheet_->sheet().reading() << help_->text();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace dakru::ui::coach
