#include "review_runner.h"

#include <QMetaObject>
#include <utility>

#include "advisor.h"

namespace dakru::ui::coach {
namespace {

// Thrown from the progress report to leave the review when the window that
// waits for it has gone; no kind of std::exception, which the review would
// take for a fault of its own.
struct Stopped {};

}  // namespace

ReviewRunner::ReviewRunner(GameToReview game, QObject* parent) : QObject(parent)
{
    worker_ = std::thread([this, game = std::move(game)] { work(game); });
}

ReviewRunner::~ReviewRunner()
{
    stopping_ = true;
    worker_.join();
}

void ReviewRunner::work(const GameToReview& game)
{
    // Reports go to this object's thread; those still queued when it is
    // destroyed are dropped with it.
    const auto report = [this](auto&& call) {
        QMetaObject::invokeMethod(this, std::forward<decltype(call)>(call), Qt::QueuedConnection);
    };
    report([this] { emit progressed(0); });
    try {
        advisor::Advisor advisor;
        int percentShown = 0;
        const review::Progress progress = [&](int done, int total) {
            if (stopping_) {
                throw Stopped{};
            }
            const int percent = total > 0 ? done * 100 / total : 100;
            if (percent > percentShown) {
                percentShown = percent;
                report([this, percent] { emit progressed(percent); });
            }
        };
        review::Reviewed reviewed = review::reviewGame(game.record, game.sheet, advisor, progress);
        report([this, reviewed = std::move(reviewed)] { emit finished(reviewed); });
    } catch (const Stopped&) {
        return;
    } catch (const std::exception& e) {
        // Making the advisor may fail too (no memory for its tables).
        report([this, why = std::string(e.what())] { emit finished({std::nullopt, why}); });
    }
}

}  // namespace dakru::ui::coach
