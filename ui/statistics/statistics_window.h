#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "sheet_grid.h"
#include "statistics.h"

class QLabel;
class QPushButton;

namespace dakru::ui::statistics {

// The statistics window (F4): the figures over every finished game, a plot of
// the scores with their moving average, a histogram of them, and the sheet of
// each cell's mean, which B (or the button) turns to the best game's sheet and
// back. Esc closes it. Every figure is readable by screen readers as text.
class StatisticsWindow : public QWidget {
    Q_OBJECT

public:
    // The games in the order they ended. Without a history (it could not be
    // opened) the window says so instead of showing figures.
    explicit StatisticsWindow(const std::optional<std::vector<history::FinishedGame>>& games,
                              QWidget* parent = nullptr);

    // Between the means and the best game's sheet.
    void toggleBestGame();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFigures(const std::vector<history::FinishedGame>& games, const history::Summary& summary);

    SheetGrid* sheet_ = nullptr;
    QPushButton* bestButton_ = nullptr;
    std::optional<SheetFigures> means_;
    std::optional<SheetFigures> best_;
    bool showingBest_ = false;
};

// "2026-12-07" for "2026-12-07T01:30:00Z", the day in the player's time zone.
QString localDay(const std::string& isoUtc);

}  // namespace dakru::ui::statistics
