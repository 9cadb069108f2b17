#pragma once

#include <QString>

namespace dakru::ui {

// The game's modal boxes, titled "Dakru" and without an icon. Tests script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text) = 0;   // an OK button
    virtual bool askYesNo(const QString& text) = 0;  // Yes (the default) and No; true for Yes
};

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    bool askYesNo(const QString& text) override;
};

}  // namespace dakru::ui
