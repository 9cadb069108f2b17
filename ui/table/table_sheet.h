#pragma once

#include <QString>
#include <QWidget>

#include "sheet.h"
#include "totals.h"

namespace dakru::ui::table {

// One player's sheet as it stands, laid out as in the main window: the
// written cells (the empty ones blank), the section sums and the score.
// Screen readers get the whole sheet as text, line by line.
class TableSheet : public QWidget {
public:
    explicit TableSheet(QWidget* parent);

    void showSheet(const QString& player, const Sheet& cells);
    const QString& player() const { return player_; }
    const Sheet& cells() const { return cells_; }
    // "Ones: Down 5, Down Up empty, Up empty, Call empty." and so on, the sums
    // and the score included.
    QString reading() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString player_;
    Sheet cells_{};
    Totals totals_{};
};

}  // namespace dakru::ui::table
