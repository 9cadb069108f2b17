#include "decision_view.h"

#include <QAccessible>
#include <QLabel>

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
    const int rightWidth = 780 - kRight - kMargin;

    title_ = line(this, QStringLiteral("DecisionTitle"), kMargin, kMargin, 780 - 2 * kMargin, true);
    title_->setFont(reviewFont(10, true));
    sheet_ = new PositionSheet(this);
    sheet_->setObjectName(QStringLiteral("DecisionSheet"));
    sheet_->setGeometry(kMargin, 48, kSheetWidth, 506);

    int top = 48;
    diceCaption_ = line(this, QStringLiteral("DiceCaption"), kRight, top, rightWidth, true);
    dice_ = new DiceRow(pictures, this);
    dice_->setObjectName(QStringLiteral("DecisionDice"));
    dice_->move(kRight, top += kLine + 2);
    situation_ = line(this, QStringLiteral("Situation"), kRight, top += DiceRow::kDieSize + 4, rightWidth);

    const auto block = [&](const QString& name, QLabel*& caption, QLabel*& text, DiceRow*& dice, QLabel*& score) {
        caption = line(this, name + QStringLiteral("Caption"), kRight, top += kLine + 14, rightWidth, true);
        text = line(this, name, kRight, top += kLine, rightWidth);
        dice = new DiceRow(pictures, this);
        dice->setObjectName(name + QStringLiteral("Dice"));
        dice->move(kRight, top += kLine + 2);
        score = line(this, name + QStringLiteral("Score"), kRight, top += DiceRow::kDieSize + 4, rightWidth);
    };
    block(QStringLiteral("Played"), playedCaption_, played_, playedDice_, playedScore_);
    block(QStringLiteral("Best"), bestCaption_, best_, bestDice_, bestScore_);
    playedCaption_->setText(QStringLiteral("You"));
    bestCaption_->setText(QStringLiteral("The advisor"));
    loss_ = line(this, QStringLiteral("Loss"), kRight, top += kLine + 14, rightWidth, true);
    hint_ = line(this, QStringLiteral("HintShown"), kRight, top += kLine, rightWidth);
    hint_->setText(QStringLiteral("A hint was shown before this decision."));
    help_ = line(this, QStringLiteral("DecisionHelp"), kMargin, 590 - kMargin - kLine, 780 - 2 * kMargin);
    help_->setText(QStringLiteral("Up and Down: the next decision in the list. Esc: back to the list."));
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

    diceCaption_->setText(QStringLiteral("The dice as you saw them"));
    dice_->showDice(d.position.dice);
    dice_->setAccessibleName(diceCaption_->text());
    dice_->setAccessibleDescription(dice_->reading());
    const int called = d.position.CalledRow.value_or(0);
    situation_->setText(called > 0
                            ? QStringLiteral("After roll %1 of 3, with %2 called").arg(d.roll).arg(rowCaption(called))
                            : QStringLiteral("After roll %1 of 3").arg(d.roll));

    showAction(d, d.played, played_, playedDice_, playedScore_);
    showAction(d, d.best, best_, bestDice_, bestScore_);
    loss_->setText(d.loss >= 0.05 ? QStringLiteral("Lost: %1 points, %2")
                                        .arg(points(d.loss), QString::fromStdString(review::gradeName(d.grade)))
                                  : QStringLiteral("Lost: nothing, the best"));
    setColour(loss_, gradeColour(d.grade));
    hint_->setVisible(d.hinted);

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
