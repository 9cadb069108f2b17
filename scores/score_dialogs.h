#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace dakru::scores {

// The modal boxes of the high-score window. Tests script them.
class ScoreDialogs {
public:
    virtual ~ScoreDialogs() = default;
    virtual QString askName(const QString& prompt) = 0;  // "" when cancelled
    virtual void showMessage(const QString& text) = 0;
};

// Titled "Dakru", without an icon or a help button, over the active window.
class QtScoreDialogs final : public ScoreDialogs {
public:
    explicit QtScoreDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    QString askName(const QString& prompt) override;
    void showMessage(const QString& text) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> parent_;
};

}  // namespace dakru::scores
