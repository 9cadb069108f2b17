#include "accessible_label.h"

#include <QAccessibleWidget>

#include "click_label.h"

namespace dakru::ui {
namespace {

constexpr char kRole[] = "dakruAccessibleRole";
constexpr char kValue[] = "dakruAccessibleValue";
constexpr char kCursor[] = "dakruCursorFocus";

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

}  // namespace dakru::ui
