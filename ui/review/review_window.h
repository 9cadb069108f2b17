#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "history_reading.h"
#include "picture_cache.h"
#include "review.h"
#include "review_runner.h"

class QLabel;
class QStackedWidget;
class QTreeWidget;

namespace dakru::ui::coach {

class DecisionView;
class TurnLossPlot;

// The review window (F5): while the game is reviewed, how far it has come;
// then the headline figures, the points lost in each turn, and every
// decision, costliest first. Up and Down choose a decision, Enter opens it
// (the dice and sheet as the player saw them, the player's move and the
// advisor's), Esc closes it, and Esc again the window. Every line is read to
// screen readers.
class ReviewWindow final : public QWidget {
    Q_OBJECT

public:
    // Reviews `game` on a thread of its own; without a game the window says
    // there is none to review yet. The dice are the pictures of `picturesDir`.
    ReviewWindow(std::optional<GameToReview> game, std::filesystem::path picturesDir, QWidget* parent = nullptr);
    // A review already made, or its refusal.
    ReviewWindow(const review::Reviewed& reviewed, std::filesystem::path picturesDir, QWidget* parent = nullptr);
    // Looking for the game to review (the history is read meanwhile), until
    // one of the calls below says which.
    explicit ReviewWindow(std::filesystem::path picturesDir, QWidget* parent = nullptr);

    // Reviews `game` on a thread of its own; without a game the window says
    // there is none to review yet.
    void reviewGame(std::optional<GameToReview> game);
    // Reviews a game of the history; one without a readable record is refused.
    void reviewStored(const history::FinishedGame& game);
    // Reviews the last game of the history that has a record of its
    // decisions; says why there is none, or why the history cannot be read.
    void reviewLastOf(const history::HistoryContents& contents);

    // What the review found: the figures and the decisions, or the refusal.
    void showOutcome(const review::Reviewed& reviewed);

    // The review, once it is shown.
    const std::optional<review::Review>& review() const { return review_; }
    // The decision chosen in the list (its place in the review's decisions),
    // and whether it is open.
    std::optional<int> chosenDecision() const;
    bool decisionOpen() const;
    // The one line shown while reviewing, on a refusal, or without a game.
    QString statusLine() const;

    // The list's order: the places of the decisions, costliest first.
    const std::vector<int>& listOrder() const { return order_; }

signals:
    // The review is shown, or its refusal.
    void ready();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's frame and colours, and the page of its one line.
    void build();
    void showStatus(const QString& line);
    // Nothing to review: the one line, in a small window, told at once.
    void showNothing(const QString& line);
    void showFigures(const review::Review& review);
    void showDecisions(const review::Review& review);
    void openDecision(int row);
    void closeDecision();

    PictureCache pictures_;
    ReviewRunner* runner_ = nullptr;
    std::optional<review::Review> review_;
    std::vector<int> order_;  // costliest first
    QStackedWidget* pages_ = nullptr;
    QLabel* status_ = nullptr;
    QWidget* overview_ = nullptr;
    TurnLossPlot* plot_ = nullptr;
    QTreeWidget* list_ = nullptr;
    DecisionView* decision_ = nullptr;
};

}  // namespace dakru::ui::coach
