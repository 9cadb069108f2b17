#pragma once

#include <QWidget>
#include <vector>

#include "finished_game.h"
#include "history_reviews.h"
#include "recorded_games.h"

class QLabel;
class QTreeView;

namespace dakru::ui::statistics {

class GamesList;
class HistoryReviews;
class ScorePlot;

// The statistics window's page of games: every game by date and score, the
// newest first, from which Enter (or a double click) opens the review of a
// game with a record; the points lost in each game over time with their
// moving average; and what to practise. The games with a record are reviewed
// on a thread of their own, the newest first, while the page says how far it
// has come.
class GamesPage final : public QWidget {
    Q_OBJECT

public:
    // `games`: the history's intact games in the order recorded.
    GamesPage(std::vector<history::FinishedGame> games, int height, QWidget* parent);

    // All games, or only those played alone: the list, the trend and the
    // practice follow.
    void showPlayers(history::Players players);

    // Opens the review of the game on this line of the list, or says why it has none.
    void openLine(int line);

    const GamesList& list() const { return *list_; }
    QTreeView* view() const { return view_; }
    bool reviewing() const { return priced_ < toPrice_; }
    QString progressLine() const;
    QString practiseLine() const;
    // What the list said of the last game opened without a record; empty otherwise.
    QString listLine() const;

signals:
    // The review of this game is asked for.
    void reviewWanted(const dakru::history::FinishedGame& game);
    // A game's review has been priced (for a window that waits for them).
    void pricedOne();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPriced(const PricedGame& priced);
    // The trend and the practice of the games reviewed and shown.
    void refresh();
    void showProgress();

    GamesList* list_ = nullptr;
    QTreeView* view_ = nullptr;
    QLabel* listLine_ = nullptr;
    QLabel* progress_ = nullptr;
    ScorePlot* trend_ = nullptr;
    QLabel* practise_ = nullptr;
    HistoryReviews* reviews_ = nullptr;
    int toPrice_ = 0;
    int priced_ = 0;
    int refused_ = 0;
};

}  // namespace dakru::ui::statistics
