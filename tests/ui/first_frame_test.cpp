#include <gtest/gtest.h>

#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "first_frame.h"

namespace dakru::ui {
namespace {

class RecordingWindow final : public QWidget {
public:
    std::vector<std::string> events;

protected:
    void paintEvent(QPaintEvent*) override { events.push_back("paint"); }
};

TEST(AfterFirstFrame, RunsOnceAfterTheFirstPaint)
{
    RecordingWindow window;
    window.resize(60, 40);
    window.show();
    afterFirstFrame(window, [&window] { window.events.push_back("action"); });
    EXPECT_TRUE(window.events.empty()) << "ran before the event loop";

    QElapsedTimer waited;
    waited.start();
    while (std::ranges::count(window.events, "action") == 0 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    window.update();
    QCoreApplication::processEvents();

    ASSERT_FALSE(window.events.empty());
    EXPECT_EQ(window.events.front(), "paint");
    EXPECT_EQ(std::ranges::count(window.events, "action"), 1);
}

// Two waits on one window: both actions run right after the first paint, in
// the order they were asked for.
TEST(AfterFirstFrame, ActionsRunInTheOrderAskedFor)
{
    RecordingWindow window;
    window.resize(60, 40);
    window.show();
    afterFirstFrame(window, [&window] { window.events.push_back("first"); });
    afterFirstFrame(window, [&window] { window.events.push_back("second"); });

    QElapsedTimer waited;
    waited.start();
    while (std::ranges::count(window.events, "second") == 0 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    const auto first = std::ranges::find(window.events, "first");
    ASSERT_NE(first, window.events.end());
    ASSERT_NE(first, window.events.begin());
    EXPECT_EQ(*(first - 1), "paint");
    ASSERT_NE(first + 1, window.events.end());
    EXPECT_EQ(*(first + 1), "second");
}

}  // namespace
}  // namespace dakru::ui
