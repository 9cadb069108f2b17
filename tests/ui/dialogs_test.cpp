#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

#include "dialogs.h"
#include "score_dialogs.h"
#include "table_dialogs.h"

namespace dakru::ui::testing {
namespace {

// A desktop style that puts pictures on the standard buttons of boxes.
class PicturedButtonsStyle final : public QProxyStyle {
public:
    PicturedButtonsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// Every box of the game looks the same: titled "Dakru", no icon, plain buttons.
TEST(Boxes, TitledWithoutIconAndWithPlainButtonsUnderEveryStyle)
{
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new PicturedButtonsStyle);
    QtDialogs dialogs;
    scores::QtScoreDialogs scoreDialogs;
    const std::pair<const char*, std::function<void()>> boxes[] = {
        {"message", [&] { dialogs.message(QStringLiteral("You must place a call first !")); }},
        {"yes or no", [&] { dialogs.askYesNo(QStringLiteral("New game?")); }},
        {"name", [&] { scoreDialogs.askName(QStringLiteral("You are the 4th one\r\nEnter your name"), {}); }},
        {"score message", [&] { scoreDialogs.showMessage(QStringLiteral("Not saved.")); }},
        {"setup", [&] { table::QtTableDialogs().askSetup({}); }},
    };
    for (const auto& [what, open] : boxes) {
        SCOPED_TRACE(what);
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Dakru");
            if (auto* message = qobject_cast<QMessageBox*>(box)) {
                EXPECT_EQ(message->icon(), QMessageBox::NoIcon);
            }
            for (const QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
                ++buttons;
                EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
            }
            box->reject();
        });
        open();
        EXPECT_GT(buttons, 0);
    }
    QApplication::setStyle(before);
}

}  // namespace
}  // namespace dakru::ui::testing
