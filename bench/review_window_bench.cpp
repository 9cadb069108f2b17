// The review window's figures for the benchmark table, over games of the
// medium computer player: how long F5 holds the game before the window shows
// its progress, the longest the game then waits while the worker reviews
// (both must stay under 50 ms), F5 to the review shown, and the window's first
// frame once a review is ready. Prints its rows of the table.
//   dakru_bench_review_window   (needs a display, like the other windows)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "first_frame.h"
#include "review_window.h"
#include "self_play.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kGames = 11;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void row(const char* figure, double milliseconds, const char* target)
{
    std::array<char, 32> value{};
    std::snprintf(value.data(), value.size(), "%.1f ms", milliseconds);
    std::printf("| %-28s | %-15s | %-15s | %-12s | %-14s |\n", figure, value.data(), "", "", target);
}

// Runs the event loop until `window` has painted its first frame.
void waitForFirstFrame(QWidget& window)
{
    QEventLoop shown;
    dakru::ui::afterFirstFrame(window, [&] { shown.quit(); });
    shown.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::filesystem::path pictures = DAKRU_PICTURES_DIR;
    std::vector<double> toProgress;
    std::vector<double> toReview;
    std::vector<double> firstFrames;
    double longestWait = 0;
    dakru::advisor::Advisor advisor;
    for (int seed = 1; seed <= kGames; ++seed) {
        dakru::advisor::SamplingAdvisorPlayer player(static_cast<std::uint64_t>(seed), 3.0);
        dakru::advisor::PlayedGame game = dakru::advisor::playGame(player, static_cast<std::uint64_t>(seed));
        const dakru::review::Reviewed reviewed = dakru::review::reviewGame(game.record, game.sheet, advisor);

        // F5: the window made and shown with its progress; then a timer that
        // should fire every millisecond tells how long the game waits at most.
        auto start = Clock::now();
        auto* reviewing = new dakru::ui::coach::ReviewWindow(
            dakru::ui::coach::GameToReview{std::move(game.record), game.sheet}, pictures);
        reviewing->show();
        waitForFirstFrame(*reviewing);
        toProgress.push_back(millisecondsSince(start));
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longestWait = std::max<double>(longestWait, sinceTick.restart()); });
        tick.start(1);
        QEventLoop ready;
        QObject::connect(reviewing, &dakru::ui::coach::ReviewWindow::ready, &ready, &QEventLoop::quit);
        ready.exec();
        toReview.push_back(millisecondsSince(start));
        tick.stop();
        reviewing->close();
        QCoreApplication::processEvents();

        start = Clock::now();
        auto* window = new dakru::ui::coach::ReviewWindow(reviewed, pictures);
        window->show();
        waitForFirstFrame(*window);
        firstFrames.push_back(millisecondsSince(start));
        window->close();
        QCoreApplication::processEvents();
    }
    row("review: F5 to progress shown", median(toProgress), "< 50 ms");
    row("review: longest wait of game", longestWait, "< 50 ms");
    row("review: F5 to review shown", median(toReview), "< 1 s");
    row("review: first frame, ready", median(firstFrames), "< 150 ms");
    return 0;
}
