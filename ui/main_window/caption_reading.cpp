#include "caption_reading.h"

#include "accessible_label.h"
#include "readings.h"

namespace dakru::ui {

void readCaption(QWidget& label, const layout::Caption& caption)
{
    const QString text = QString::fromLatin1(caption.text);
    switch (caption.style) {
    case layout::TextStyle::ColumnHeader:
        setAccessibleRole(label, QAccessible::ColumnHeader);
        label.setAccessibleName(QString(text).replace(QLatin1Char('\\'), QLatin1Char(' ')));
        return;
    case layout::TextStyle::RowCaption: {
        setAccessibleRole(label, QAccessible::RowHeader);
        bool face = false;
        const int row = text.toInt(&face);  // the faces' rows are captioned by their number
        label.setAccessibleName(face ? rowWord(row) : text);
        return;
    }
    case layout::TextStyle::CornerHeader:
    case layout::TextStyle::Equals:
    case layout::TextStyle::Score: hideFromReaders(label); return;
    }
}

}  // namespace dakru::ui
