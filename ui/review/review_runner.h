#pragma once

#include <QObject>
#include <atomic>
#include <thread>

#include "game_record.h"
#include "review.h"
#include "sheet.h"

namespace dakru::ui::coach {

// A finished game as the review takes it: the record of its decisions and the
// sheet it reached.
struct GameToReview {
    GameRecord record;
    Sheet sheet{};
};

// Reviews one game on a thread of its own, with an advisor of its own (an
// advisor serves one thread; making one reads the learned model), so that
// the game goes on while the decisions are priced. It reports on the thread
// it was made on.
class ReviewRunner final : public QObject {
    Q_OBJECT

public:
    // Starts at once.
    explicit ReviewRunner(GameToReview game, QObject* parent = nullptr);
    // A review still under way stops after the decision it is pricing.
    ~ReviewRunner() override;
    ReviewRunner(const ReviewRunner&) = delete;
    ReviewRunner& operator=(const ReviewRunner&) = delete;

signals:
    // How much is done, 0 to 100, each time it grows by a whole percent.
    void progressed(int percent);
    // The review, or why there is none; once.
    void finished(const dakru::review::Reviewed& reviewed);

private:
    void work(const GameToReview& game);

    std::atomic<bool> stopping_{false};
    std::thread worker_;
};

}  // namespace dakru::ui::coach
