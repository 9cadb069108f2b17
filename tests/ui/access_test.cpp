#include <QAccessible>
#include <QSet>

#include "harness.h"
#include "sheet_cursor.h"

namespace dakru::ui::testing {
namespace {

class AccessTest : public Form1Test {
protected:
    QAccessibleInterface& reader(const char* control) const
    {
        return *QAccessible::queryAccessibleInterface(widget(QString::fromLatin1(control)));
    }

    // Control and its whole reading; the value is the reading after the control's own words.
    void expectReadings(std::initializer_list<std::pair<const char*, const char*>> readings)
    {
        for (const auto& [control, expected] : readings) {
            const QString name = reader(control).text(QAccessible::Name);
            EXPECT_EQ(name, expected) << control;
            EXPECT_TRUE(name.endsWith(reader(control).text(QAccessible::Value))) << control;
        }
    }
};

TEST_F(AccessTest, EveryKindOfChangeIsRead)
{
    expectReadings({
        {"Label7", "Down, Ones, empty"},
        {"Label92", "Call, Large Straight, empty"},
        {"Label37", "Down, upper sum, empty"},
        {"Label89", "Upper total, empty"},
        {"Label86", "Score, empty"},
        {"Kocka3p", "Die 3, blank"},
        {"RollsLeft", "This turn, no rolls used"},
        {"Zvanje", "Called row, none"},
        {"G1", "Roll"},
        {"Label6", "Ones"},  // a row's caption reads as the cells name its row
        {"Label3", "Down Up"},
    });
    EXPECT_EQ(reader("G1").text(QAccessible::Description), "Enter or Space");
    EXPECT_EQ(reader("Label75").text(QAccessible::Value), "empty");
    for (const auto& [control, role] : {std::pair{"G5", QAccessible::Button},
                                        {"Label7", QAccessible::Button},
                                        {"Kocka1p", QAccessible::Button},
                                        {"Label37", QAccessible::StaticText}}) {
        EXPECT_EQ(reader(control).role(), role) << control;
    }

    roll({1, 5, 3, 5, 5});
    expectReadings({
        {"Kocka3p", "Die 3, three"},
        {"Label7", "Down, Ones, empty, can be written"},
        {"Label75", "Call, Poker, empty, can be written"},
        {"Label12", "Down, Twos, empty"},
    });
    keyUp(Qt::Key_4);
    expectReadings({{"Kocka4p", "Die 4, five, held"}});

    click("Label75");  // the call; its display follows on the tick
    expectReadings({
        {"Label75", "Call, Poker, empty, called, can be written"},
        {"Label7", "Down, Ones, empty"},
        {"Zvanje", "Called row, none"},
    });
    form->Timer1_Timer();
    expectReadings({{"Zvanje", "Called row, Poker"}, {"RollsLeft", "This turn, one roll used"}});

    roll({5, 5, 5, 2});
    form->Timer1_Timer();
    expectReadings({{"RollsLeft", "This turn, two rolls used"}, {"Kocka5p", "Die 5, two"}});

    click("Label75");  // five, five, five, five, two: 4 x 5 + 40; the dice and sums follow on the tick
    expectReadings(
        {{"Label75", "Call, Poker, 60"}, {"Kocka4p", "Die 4, five, held"}, {"Label85", "Call, lower sum, empty"}});
    form->Timer1_Timer();
    expectReadings({
        {"Kocka4p", "Die 4, blank"},
        {"Label85", "Call, lower sum, 60"},
        {"Label87", "Lower total, 60"},
        {"Label86", "Score, 60"},
        {"Label37", "Down, upper sum, 0"},
        {"RollsLeft", "This turn, no rolls used"},
        {"Zvanje", "Called row, none"},
    });
}

TEST_F(AccessTest, TheKeyboardCursorCarriesTheFocus)
{
    const auto focused = [this](const char* control) { return reader(control).state().focused; };
    roll({1, 2, 3, 4, 6});
    keyUp(Qt::Key_Down);
    EXPECT_TRUE(focused("Label7"));
    keyUp(Qt::Key_Tab);
    EXPECT_FALSE(focused("Label7"));
    EXPECT_TRUE(focused("Label8"));

    // Pressing a cell through the screen reader is a click on it. The cursor
    // goes, and with it the focus the reader follows: it is the window's again.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->focusChild(), &reader("Label8"));
    reader("Label8").actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(text("Label8"), "1");
    EXPECT_FALSE(focused("Label8"));
    EXPECT_EQ(form->findChild<SheetCursor*>()->place(), std::nullopt);
    const QAccessibleInterface* focus = window->focusChild();
    EXPECT_TRUE(focus == nullptr || focus == window);
}

// What a screen reader walks: the window's children, each once, each named
// so that the name alone says what it is.
TEST_F(AccessTest, TheTreeHoldsEachThingOnceByANameThatStandsAlone)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    QStringList names;
    QStringList controls;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent()->object(), form.get());
        names.append(child->text(QAccessible::Name));
        controls.append(child->object()->objectName());
        EXPECT_FALSE(names.last().isEmpty()) << controls.last().toStdString();
    }
    // 56 cells, 12 sums, 3 totals, the score, 5 dice, 5 hot spots, 2 displays, 5 column and 14 row headers.
    EXPECT_EQ(names.size(), 103);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << names.join(" | ").toStdString();
    for (const char* decoration :
         {"Label1", "Label36", "Label51", "Label81", "Label90", "Image1", "GridLines", "GS1", "SheetCursor"}) {
        EXPECT_FALSE(controls.contains(QLatin1String(decoration))) << decoration;
    }
    EXPECT_FALSE(reader("RollsLeft").text(QAccessible::Name).startsWith(reader("G1").text(QAccessible::Name)));
    for (const auto& [control, role] : {std::pair{"Label76", QAccessible::RowHeader},
                                        {"Label91", QAccessible::ColumnHeader},
                                        {"Label2", QAccessible::ColumnHeader}}) {
        EXPECT_EQ(reader(control).role(), role) << control;
    }
    EXPECT_EQ(reader("Label76").text(QAccessible::Name), "Dakru");
}

}  // namespace
}  // namespace dakru::ui::testing
