#include "accessible_label.h"

#include <QAccessibleWidget>

#include "click_label.h"

namespace dakru::ui {
namespace {

constexpr char kRole[] = "dakruAccessibleRole";
constexpr char kValue[] = "dakruAccessibleValue";
constexpr char kCursor[] = "dakruCursorFocus";
constexpr char kHidden[] = "dakruHiddenFromReaders";

bool hidden(const QObject* object)
{
    return object->property(kHidden).toBool();
}

// A window as a screen reader walks it: its controls, less the decorations.
class ReaderWindow final : public QAccessibleWidget {
public:
    explicit ReaderWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shown().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QWidgetList children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

    // The cell under the keyboard cursor has the focus a reader follows;
    // without the cursor it is the window's own.
    QAccessibleInterface* focusChild() const override
    {
        for (QWidget* child : shown()) {
            if (child->property(kCursor).toBool()) {
                return QAccessible::queryAccessibleInterface(child);
            }
        }
        return QAccessibleWidget::focusChild();
    }

private:
    QWidgetList shown() const
    {
        QWidgetList children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !hidden(child)) {
                children.append(child);
            }
        }
        return children;
    }
};

class AccessibleLabel final : public QAccessibleWidget {
public:
    explicit AccessibleLabel(ClickLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        const QVariant role = widget()->property(kRole);
        return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        case QAccessible::Value: return widget()->property(kValue).toString();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::Button) {
            state.focusable = true;
        }
        if (widget()->property(kCursor).toBool()) {
            state.focused = true;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && role() == QAccessible::Button) {
            emit label()->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* accessibleLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className())) {
        if (auto* label = qobject_cast<ClickLabel*>(object)) {
            return new AccessibleLabel(label);
        }
    }
    // The game's own windows are plain widgets; the toolkit's windows have interfaces of their own.
    if (className == QLatin1String("QWidget") && object->isWidgetType()) {
        if (auto* window = static_cast<QWidget*>(object); window->isWindow()) {
            return new ReaderWindow(window);
        }
    }
    return nullptr;
}

}  // namespace

void installAccessibleLabels()
{
    static const bool installed = (QAccessible::installFactory(accessibleLabelFactory), true);
    Q_UNUSED(installed);
}

void setAccessibleRole(QWidget& label, QAccessible::Role role)
{
    label.setProperty(kRole, static_cast<int>(role));
}

void hideFromReaders(QWidget& control)
{
    control.setProperty(kHidden, true);
}

void setReading(QWidget& label, const Reading& reading)
{
    const QString name = reading.name();
    if (label.accessibleName() != name) {
        label.setAccessibleName(name);
    }
    if (label.property(kValue).toString() != reading.value) {
        label.setProperty(kValue, reading.value);
        QAccessibleValueChangeEvent event(&label, reading.value);
        QAccessible::updateAccessibility(&event);
    }
}

void setCursorFocus(QWidget& label, bool focused)
{
    if (label.property(kCursor).toBool() == focused) {
        return;
    }
    label.setProperty(kCursor, focused);
    QAccessible::State changed;
    changed.focused = true;
    QAccessibleStateChangeEvent state(&label, changed);
    QAccessible::updateAccessibility(&state);
    if (focused) {
        QAccessibleEvent focus(&label, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void returnFocusToWindow(QWidget& window)
{
    window.setFocus(Qt::OtherFocusReason);
    QAccessibleEvent focus(&window, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace dakru::ui
