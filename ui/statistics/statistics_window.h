#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "history_reading.h"
#include "recorded_games.h"
#include "sheet_grid.h"
#include "statistics.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace dakru::ui::statistics {

class GamesPage;

// The statistics window (F4). Its first page: the figures over every finished
// game, a plot of the scores with their moving average, a histogram of them,
// and the sheet of each cell's mean, which B (or the button) turns to the best
// game's sheet and back. Its second page: every game by date and score, from
// which a game's review opens, the points lost per game over time and what to
// practise (see GamesPage). A (or the check box) shows the games played alone
// only, and all games again. Esc closes it. Every figure is readable by
// screen readers as text.
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

    // The figures of all games, or of those played alone only.
    void showPlayers(history::Players players);
    history::Players players() const { return players_; }

    // The pages, once there are figures; none before.
    QTabWidget* pages() const { return pages_; }
    GamesPage* gamesPage() const { return gamesPage_; }

    // "1 damaged game not shown", "2 damaged games not shown".
    static QString damagedLine(int damaged);
    // Why there are no figures: the sentence the window shows for this history.
    static QString sentenceFor(const history::HistoryContents& contents, int intactGames, int damagedGames);

signals:
    // The review of a game of the list is asked for.
    void reviewWanted(const dakru::history::FinishedGame& game);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSentence(const QString& name, const QString& sentence);
    // The page of figures for the games shown, made afresh.
    void buildFigures();
    void showFigures(QWidget* page, const std::vector<history::FinishedGame>& games, const history::Summary& summary);
    void showDamaged(QWidget* page, int damaged, const QRect& where);

    bool waiting_ = false;
    std::vector<history::FinishedGame> games_;  // the intact ones, in the order recorded
    int damaged_ = 0;
    history::Players players_ = history::Players::All;
    QTabWidget* pages_ = nullptr;
    QCheckBox* aloneOnly_ = nullptr;
    GamesPage* gamesPage_ = nullptr;
    SheetGrid* sheet_ = nullptr;
    QPushButton* bestButton_ = nullptr;
    std::optional<SheetFigures> means_;
    std::optional<SheetFigures> best_;
    bool showingBest_ = false;
};

// "2026-12-07" for "2026-12-07T01:30:00Z", the day in the player's time zone.
QString localDay(const std::string& isoUtc);

}  // namespace dakru::ui::statistics
