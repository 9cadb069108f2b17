#pragma once

#include <QObject>
#include <QString>

#include "dialogs.h"
#include "write_error.h"

namespace dakru::ui {

// Tells the player, once in a session, that something could not be written to
// the disk, what that means for the game and what to do. The box opens once
// the event under way has finished, never inside it.
class WriteTrouble {
public:
    // `context`: the box is not shown once it is gone.
    WriteTrouble(Dialogs& dialogs, QObject& context);

    void report(const storage::WriteError& error);

    static QString message(const storage::WriteError& error);

private:
    Dialogs& dialogs_;
    QObject& context_;
    bool told_ = false;
};

}  // namespace dakru::ui
