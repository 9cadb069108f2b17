#include "table_dialogs.h"

#include <QApplication>

#include "setup_dialog.h"

namespace dakru::ui::table {

std::optional<std::vector<Seat>> QtTableDialogs::askSetup(const std::vector<Seat>& last)
{
    SetupDialog dialog(last, parent_ ? parent_.data() : QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.seats();
}

}  // namespace dakru::ui::table
