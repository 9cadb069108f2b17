#include "history_reviews.h"

#include <QMetaObject>
#include <utility>

#include "advisor.h"
#include "stored_record.h"

namespace dakru::ui::statistics {
namespace {

// Thrown from the progress report to leave a review when the window that
// waits for it has gone; no kind of std::exception, which the review would
// take for a fault of its own.
struct Stopped {};

}  // namespace

HistoryReviews::HistoryReviews(std::vector<GameToPrice> games, QObject* parent) : QObject(parent)
{
    if (!games.empty()) {
        worker_ = std::thread([this, games = std::move(games)] { work(games); });
    }
}

HistoryReviews::~HistoryReviews()
{
    stopping_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
}

void HistoryReviews::work(const std::vector<GameToPrice>& games)
{
    // Reports go to this object's thread; those still queued when it is
    // destroyed are dropped with it.
    const auto report = [this](auto&& call) {
        QMetaObject::invokeMethod(this, std::forward<decltype(call)>(call), Qt::QueuedConnection);
    };
    const review::Progress progress = [this](int, int) {
        if (stopping_) {
            throw Stopped{};
        }
    };
    // Making the advisor may fail (no memory for its tables): then every game is refused with it.
    std::optional<advisor::Advisor> advisor;
    std::string failure;
    try {
        advisor.emplace();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    try {
        for (const GameToPrice& game : games) {
            progress(0, 0);
            PricedGame outcome{game.place, std::nullopt, failure};
            if (advisor) {
                const review::Reviewed reviewed = review::reviewStored(game.record, game.sheet, *advisor, progress);
                outcome.refusal = reviewed.refusal;
                if (reviewed.review) {
                    outcome.loss = review::lossOf(*reviewed.review);
                }
            }
            report([this, outcome = std::move(outcome)] { emit priced(outcome); });
        }
    } catch (const Stopped&) {
        return;
    }
    report([this] { emit finished(); });
}

}  // namespace dakru::ui::statistics
