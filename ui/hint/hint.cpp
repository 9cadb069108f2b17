#include "hint.h"

#include <QAccessible>
#include <QPainter>

#include "accessible_label.h"

namespace dakru::ui {
namespace {

// A square frame around a die to hold: drawn only by the hint, around the
// picture, so no picture of the game changes.
class DieMark final : public QWidget {
public:
    explicit DieMark(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hideFromReaders(*this);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(230, 0, 0), kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    }

public:
    static constexpr int kWidth = 2;
};

// The same position, whether or not this very hint has marked the game assisted.
GameState asPlayed(GameState state)
{
    state.assisted = false;
    return state;
}

}  // namespace

Hint::Hint(QWidget& window, const std::array<QWidget*, kDiceCount>& dice) : window_(window), dice_(dice)
{
    for (int n = 0; n < kDiceCount; ++n) {
        auto* mark = new DieMark(&window);
        mark->setObjectName(QStringLiteral("HintDie%1").arg(n + 1));
        diceMarks_[n] = mark;
    }
    // Says the hint to a screen reader: a control without size whose name is
    // the sentence, out of the reader's way until the first hint.
    announcer_ = new QWidget(&window);
    announcer_->setObjectName(QStringLiteral("Hint"));
    announcer_->setGeometry(0, 0, 0, 0);
    announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    hideFromReaders(*announcer_);
}

Hint::Press Hint::press(const GameState& state)
{
    if (shownFor_ && *shownFor_ == asPlayed(state)) {
        Press press{true, move_};
        clear();
        return press;
    }
    // The advisor's model is learned tables of some size: it is read on the
    // first H, so that a game played without hints never loads it.
    if (!advisor_) {
        advisor_.emplace();
    }
    const std::optional<advisor::Advice> advice = advisor_->advise(state);
    if (!advice && state.rollVisible) {
        return {};  // a full sheet before the game-end watch has seen it
    }
    std::optional<advisor::Action> move;
    if (advice) {
        move = advice->best();
    }
    mark(move, state);
    return {false, move};
}

bool Hint::follow(const GameState& state)
{
    if (shownFor_ && *shownFor_ != asPlayed(state)) {
        clear();
        return true;
    }
    return false;
}

QString Hint::sentence() const
{
    return announcer_->accessibleName();
}

void Hint::mark(const std::optional<advisor::Action>& move, const GameState& state)
{
    shownFor_ = asPlayed(state);
    move_ = move;
    for (int n = 0; n < kDiceCount; ++n) {
        const bool hold = move && move->move == advisor::Move::Roll && move->hold[n];
        if (hold) {
            const int w = DieMark::kWidth + 1;
            diceMarks_[n]->setGeometry(dice_[n]->geometry().adjusted(-w, -w, w, w));
            diceMarks_[n]->show();
            diceMarks_[n]->raise();
        } else {
            diceMarks_[n]->hide();
        }
    }
    announce(move ? hintSentence(*move, state) : newGameSentence());
}

void Hint::refuse(NoHint why)
{
    clear();
    announce(noHintSentence(why));
}

void Hint::announce(const QString& sentence)
{
    announcer_->setAccessibleName(sentence);
    hideFromReaders(*announcer_, false);
    QAccessibleEvent alert(announcer_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Hint::clear()
{
    shownFor_.reset();
    move_.reset();
    for (QWidget* mark : diceMarks_) {
        mark->hide();
    }
}

}  // namespace dakru::ui
