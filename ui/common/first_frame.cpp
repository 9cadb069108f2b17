#include "first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace dakru::ui {
namespace {

// The frame is painted and flushed while the window's first exposure is being
// handled, so the action runs at the next turn of the event loop.
class FirstExposure final : public QObject {
public:
    FirstExposure(QWindow& window, std::function<void()> action)
        : QObject(&window), window_(window), action_(std::move(action))
    {
        window_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_.isExposed()) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                action_();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWindow& window_;
    std::function<void()> action_;
};

}  // namespace

void afterFirstFrame(QWidget& window, std::function<void()> action)
{
    QWindow* handle = window.windowHandle();
    if (handle && !handle->isExposed()) {
        new FirstExposure(*handle, std::move(action));
    } else {
        // Not shown, or already on screen.
        QTimer::singleShot(0, &window, std::move(action));
    }
}

}  // namespace dakru::ui
