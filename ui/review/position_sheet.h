#pragma once

#include <QWidget>
#include <optional>

#include "sheet.h"

namespace dakru::ui::coach {

struct SheetPlace {
    Column column = Column::Down;
    int row = 1;
    bool operator==(const SheetPlace&) const = default;
};

// What the sheet of a decision shows: the cells as the player saw them
// (written values, and the yellow cells that could be written), the cell the
// player chose and the advisor's, each framed.
struct MarkedSheet {
    Sheet cells{};
    std::optional<SheetPlace> player;
    std::optional<SheetPlace> advisor;
    QString playerMeaning;  // "your write", "your call", "where you wrote this turn"
    QString advisorMeaning;

    // The sheet read out, row by row, then the framed cells.
    QString reading() const;
};

// A score sheet drawn as the statistics window draws its sheets: captions,
// the four columns, the sums of each section and the score, with the game's
// black and yellow cells, the player's cell framed in red and the advisor's in
// blue, and a legend for the frames below it.
class PositionSheet final : public QWidget {
public:
    explicit PositionSheet(QWidget* parent);

    void showSheet(MarkedSheet sheet);
    const MarkedSheet& sheet() const { return sheet_; }

    // Where a cell lies in the widget.
    QRect cellRect(Column column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineHeight() const;
    int captionWidth() const;
    int cellWidth() const;
    QRect lineCell(int line, int column) const;

    MarkedSheet sheet_;
};

}  // namespace dakru::ui::coach
