#include "sheet_captions.h"

#include <array>

namespace dakru::ui {

QString columnCaption(Column column)
{
    switch (column) {
    case Column::Down: return QStringLiteral("Down");
    case Column::DownUp: return QStringLiteral("Down\\Up");
    case Column::Up: return QStringLiteral("Up");
    case Column::Call: return QStringLiteral("Call");
    }
    return {};
}

QString rowCaption(int row)
{
    static const std::array<QString, kRowCount> captions{QStringLiteral("1"),
                                                         QStringLiteral("2"),
                                                         QStringLiteral("3"),
                                                         QStringLiteral("4"),
                                                         QStringLiteral("5"),
                                                         QStringLiteral("6"),
                                                         QStringLiteral("Minimum"),
                                                         QStringLiteral("Maximum"),
                                                         QStringLiteral("3 of kind"),
                                                         QStringLiteral("Small Straight"),
                                                         QStringLiteral("Large Straight"),
                                                         QStringLiteral("Full house"),
                                                         QStringLiteral("Poker"),
                                                         QStringLiteral("Dakru")};
    return captions[row - 1];
}

}  // namespace dakru::ui
