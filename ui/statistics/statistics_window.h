#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "history_reading.h"
#include "sheet_grid.h"
#include "statistics.h"

class QLabel;
class QPushButton;

namespace dakru::ui::statistics {

// The statistics window (F4): the figures over every finished game, a plot of
// the scores with their moving average, a histogram of them, and the sheet of
// each cell's mean, which B (or the button) turns to the best game's sheet and
// back. Esc closes it. Every figure is readable by screen readers as text.
//
// It opens at once, saying that it waits for the history, and shows the
// figures when they come. Games whose values no game can have are left out of
// every figure, and one line says how many.
class StatisticsWindow : public QWidget {
    Q_OBJECT

public:
    // Waiting for the history, until showHistory.
    explicit StatisticsWindow(QWidget* parent = nullptr);
    // The figures of these games at once. Without a history (it could not be
    // opened) the window says so instead.
    explicit StatisticsWindow(const std::optional<std::vector<history::FinishedGame>>& games,
                              QWidget* parent = nullptr);

    // The history has been read: its figures, or why there are none.
    void showHistory(const history::HistoryContents& contents);
    bool waiting() const { return waiting_; }

    // Between the means and the best game's sheet.
    void toggleBestGame();

    // "1 damaged game not shown", "2 damaged games not shown".
    static QString damagedLine(int damaged);
    // Why there are no figures: the sentence the window shows for this history.
    static QString sentenceFor(const history::HistoryContents& contents, int intactGames, int damagedGames);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSentence(const QString& name, const QString& sentence);
    void showFigures(const std::vector<history::FinishedGame>& games, const history::Summary& summary);
    void showDamaged(int damaged, const QRect& where);

    bool waiting_ = false;
    SheetGrid* sheet_ = nullptr;
    QPushButton* bestButton_ = nullptr;
    std::optional<SheetFigures> means_;
    std::optional<SheetFigures> best_;
    bool showingBest_ = false;
};

// "2026-12-07" for "2026-12-07T01:30:00Z", the day in the player's time zone.
QString localDay(const std::string& isoUtc);

}  // namespace dakru::ui::statistics
