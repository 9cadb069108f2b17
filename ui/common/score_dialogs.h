#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace dakru::scores {

// Takes the pictures off a box's buttons, which some desktop styles add to
// OK, Cancel, Yes and No: the game's boxes are plain. Call it once the box
// has its buttons.
void plainButtons(QWidget& box);

// The modal boxes of the high-score window. Tests script them.
class ScoreDialogs {
public:
    virtual ~ScoreDialogs() = default;
    // "" when cancelled; `offered` is the text the box starts with (empty for
    // the game alone, a player's name at a table).
    virtual QString askName(const QString& prompt, const QString& offered) = 0;
    virtual void showMessage(const QString& text) = 0;
    // The desktop's usual sign that a window in the background wants the player.
    virtual void askForAttention(QWidget& window) = 0;
};

// Titled "Dakru", without an icon or a help button, over the active window.
class QtScoreDialogs final : public ScoreDialogs {
public:
    explicit QtScoreDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    QString askName(const QString& prompt, const QString& offered) override;
    void showMessage(const QString& text) override;
    void askForAttention(QWidget& window) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> parent_;
};

}  // namespace dakru::scores
