#include "write_trouble.h"

#include <QTimer>

namespace dakru::ui {

WriteTrouble::WriteTrouble(Dialogs& dialogs, QObject& context) : dialogs_(dialogs), context_(context) {}

QString WriteTrouble::message(const storage::WriteError& error)
{
    const QString what = error.noSpace() ? QStringLiteral("Dakru could not save to the disk: it is full.")
                                         : QStringLiteral("Dakru could not save to the disk (%1).")
                                               .arg(QString::fromStdString(error.code.message()));
    return what
           + QStringLiteral(
               " Your game goes on, and everything is saved again as soon as the disk can take it: free some "
               "space on it.");
}

void WriteTrouble::report(const storage::WriteError& error)
{
    if (std::exchange(told_, true)) {
        return;
    }
    QTimer::singleShot(0, &context_, [this, text = message(error)] { dialogs_.message(text); });
}

}  // namespace dakru::ui
