#pragma once

#include <QObject>
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sheet.h"
#include "trend.h"

namespace dakru::ui::statistics {

// A game of the history as the reviews take it: its place in the window's
// games, its record as text and the sheet it reached.
struct GameToPrice {
    std::size_t place = 0;
    std::string record;
    Sheet sheet{};
};

// What the review of one game left: its losses, or why it has none.
struct PricedGame {
    std::size_t place = 0;
    std::optional<review::GameLoss> loss;
    std::string refusal;
};

// Reviews games one after the other on a thread of its own, with an advisor
// of its own, in the order given (the newest first), so that the statistics
// window stays with the player while every recorded game is priced (some
// 25 ms each). Nothing is kept on the disk: a window opened again reviews
// again. It reports on the thread it was made on.
class HistoryReviews final : public QObject {
    Q_OBJECT

public:
    // Starts at once; with no game, it has nothing to do and no thread.
    explicit HistoryReviews(std::vector<GameToPrice> games, QObject* parent = nullptr);
    // A review still under way stops after the decision it is pricing.
    ~HistoryReviews() override;
    HistoryReviews(const HistoryReviews&) = delete;
    HistoryReviews& operator=(const HistoryReviews&) = delete;

signals:
    // One game reviewed, or refused; in the order given.
    void priced(const dakru::ui::statistics::PricedGame& game);
    // Every game has been priced.
    void finished();

private:
    void work(const std::vector<GameToPrice>& games);

    std::atomic<bool> stopping_{false};
    std::thread worker_;
};

}  // namespace dakru::ui::statistics
