#include "first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <vector>

namespace dakru::ui {
namespace {

// The frame is painted and flushed while the window's first exposure is being
// handled. The window handles that exposure here, and the action follows at
// once, before the event loop hands the window anything else (a click, a key).
// One watch a window holds every action asked for, in order.
class FirstExposure final : public QObject {
public:
    explicit FirstExposure(QWindow& window) : QObject(&window), window_(window)
    {
        setObjectName(kName);
        window_.installEventFilter(this);
    }

    static inline const QString kName = QStringLiteral("FirstExposure");

    void add(std::function<void()> action) { actions_.push_back(std::move(action)); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || !window_.isExposed()) {
            return false;
        }
        window_.removeEventFilter(this);
        static_cast<QObject&>(window_).event(event);
        setObjectName(QString());  // a later wait for a first frame starts afresh
        deleteLater();
        for (const std::function<void()>& action : actions_) {
            action();
        }
        return true;
    }

private:
    QWindow& window_;
    std::vector<std::function<void()>> actions_;
};

}  // namespace

void afterFirstFrame(QWidget& window, std::function<void()> action)
{
    QWindow* handle = window.windowHandle();
    if (handle && !handle->isExposed()) {
        auto* watch =
            static_cast<FirstExposure*>(handle->findChild<QObject*>(FirstExposure::kName, Qt::FindDirectChildrenOnly));
        if (!watch) {
            watch = new FirstExposure(*handle);
        }
        watch->add(std::move(action));
    } else {
        // Not shown, or already on screen.
        QTimer::singleShot(0, &window, std::move(action));
    }
}

}  // namespace dakru::ui
