// A timer tick that changes nothing on screen allocates nothing and repaints
// nothing. Allocations are counted by standing in for the C library's malloc,
// which is why this test has a program of its own.

#include <QEvent>

#include "harness.h"

#if defined(__GLIBC__)
#include <cstdlib>

extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* block, std::size_t size);

namespace {
// Counted on the test's own thread only, while `counting` is set.
thread_local bool counting = false;
thread_local long allocations = 0;
}  // namespace

extern "C" void* malloc(std::size_t size)
{
    allocations += counting;
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size)
{
    allocations += counting;
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, std::size_t size)
{
    allocations += counting;
    return __libc_realloc(block, size);
}
#endif

namespace dakru::ui::testing {
namespace {

// Counts the paints of the main window and its children.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& window) : window_(window) { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &window_) {
            ++paints;
        }
        return false;
    }

private:
    QWidget& window_;
};

class IdleTickTest : public Form1Test {
protected:
    // Both timers tick; returns the allocations made meanwhile and the paints that follow.
    std::pair<long, int> tick()
    {
        QCoreApplication::processEvents();
        PaintCounter counter(*form);
#if defined(__GLIBC__)
        allocations = 0;
        counting = true;
#endif
        form->Timer1_Timer();
        form->Timer2_Timer();
#if defined(__GLIBC__)
        counting = false;
        const long made = allocations;
#else
        const long made = 0;
#endif
        QCoreApplication::processEvents();
        return {made, counter.paints};
    }
};

TEST_F(IdleTickTest, ATickThatChangesNothingAllocatesAndPaintsNothing)
{
    const std::pair<long, int> idle{0, 0};
    // The title screen, the sums still blank.
    tick();
    EXPECT_EQ(tick(), idle) << "title screen";

    // Between turns: the first tick after a write draws the sums, the next one nothing.
    roll({1, 1, 2, 3, 1});
    click("Label7");
    EXPECT_GT(tick().second, 0) << "the sums were not drawn";
    EXPECT_EQ(text("Label86"), "3");
    EXPECT_EQ(tick(), idle) << "between turns";

    // During a turn with a call placed: "1" and "CALL" shown, then left alone.
    roll({6, 6, 6, 2, 3});
    click("Label60");
    tick();
    EXPECT_EQ(text("Zvanje"), "CALL");
    EXPECT_EQ(tick(), idle) << "during a called turn";
}

}  // namespace
}  // namespace dakru::ui::testing
