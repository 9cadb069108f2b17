#include "write_trouble.h"

#include <QTimer>
#include <system_error>

namespace dakru::ui {

WriteTrouble::WriteTrouble(Dialogs& dialogs, QObject& context) : dialogs_(dialogs), context_(context) {}

QString WriteTrouble::message(const storage::WriteError& error)
{
    const QString what = error.noSpace() ? QStringLiteral("Dakru could not save to the disk: it is full.")
                                         : QStringLiteral("Dakru could not save to the disk (%1).")
                                               .arg(QString::fromStdString(error.code.message()));
    // What mends it: space on a full disk, the right to write where the
    // player made the files or their folder read-only, else the disk itself.
    const std::error_condition reason = error.code.default_error_condition();
    const QString remedy = error.noSpace() ? QStringLiteral("free some space on it.")
                           : reason == std::errc::permission_denied || reason == std::errc::read_only_file_system
                                   || reason == std::errc::operation_not_permitted
                               ? QStringLiteral("make Dakru's files and their folder writable again.")
                               : QStringLiteral("check the disk.");
    return what + QStringLiteral(" Your game goes on, and everything is saved again as soon as the disk can take it: ")
           + remedy;
}

void WriteTrouble::report(const storage::WriteError& error)
{
    if (std::exchange(told_, true)) {
        return;
    }
    QTimer::singleShot(0, &context_, [this, text = message(error)] { dialogs_.message(text); });
}

}  // namespace dakru::ui
