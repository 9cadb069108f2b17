#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "finished_game.h"
#include "statistics.h"

namespace dakru::ui::statistics {

// What a sheet of the statistics window shows: each cell's value with its
// section sums and the score, either the means over all games or one game.
struct SheetFigures {
    QString title;
    history::CellMeans cells{};  // [row - 1][column]
    history::SumMeans sums{};    // [section][column]
    double score = 0;
    int decimals = 0;  // one for means, none for a game's own values

    static SheetFigures means(const std::vector<history::FinishedGame>& games);
    static SheetFigures of(const history::FinishedGame& game, const QString& title);

    // The sheet read out, row by row, for screen readers.
    QString reading() const;
};

// The score sheet laid out as in the main window, each cell shaded from weak
// (dark) to strong (bright) for its row.
class SheetGrid : public QWidget {
public:
    SheetGrid(SheetFigures figures, QWidget* parent);

    void showFigures(SheetFigures figures);
    const SheetFigures& figures() const { return figures_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetFigures figures_;
};

}  // namespace dakru::ui::statistics
