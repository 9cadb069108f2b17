#include "harness.h"
#include "sheet_cursor.h"
#include "sheet_names.h"

namespace dakru::ui {

inline void PrintTo(const CellPlace& place, std::ostream* out)
{
    *out << cellName(place.column, place.row).toStdString();
}

namespace testing {
namespace {

std::optional<CellPlace> cursorOf(const Harness& t)
{
    return t.form->findChild<SheetCursor*>(QStringLiteral("SheetCursor"))->place();
}

class KeyboardTest : public Form1Test {
protected:
    std::optional<CellPlace> place() const { return cursorOf(*this); }

    // Every key goes through here: a shown cursor frames a yellow cell.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        keyUp(key, modifiers);
        const QWidget* frame = widget("SheetCursor");
        EXPECT_EQ(frame->isVisible(), place().has_value());
        if (const std::optional<CellPlace> at = place()) {
            const QString cell = cellName(at->column, at->row);
            EXPECT_TRUE(yellow(cell)) << "cursor on black " << cell.toStdString();
            EXPECT_TRUE(frame->geometry().contains(widget(cell)->geometry()));
        }
    }

    // A turn with the dice as they fall (sixes): roll, Tab to the cell, Enter.
    void writeTurn(Column column, int row)
    {
        press(Qt::Key_Space);
        for (int i = 0; i < kCellCount && place() != CellPlace{column, row}; ++i) {
            press(Qt::Key_Tab);
        }
        press(Qt::Key_Return);
        if (column == Column::Call) {
            EXPECT_EQ(place(), (CellPlace{column, row})) << "placing the call keeps the cursor";
            press(Qt::Key_Return);
        }
        EXPECT_NE(text(cellName(column, row)), "") << row;
        EXPECT_EQ(place(), std::nullopt);
    }
};

TEST_F(KeyboardTest, WholeGameWithTheKeyboardOnlyReachesTheNamePrompt)
{
    // Before the first roll nothing is yellow: no cursor, and Tab keeps the focus.
    const QWidget* focus = QApplication::focusWidget();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab}) {
        press(key);
    }
    EXPECT_EQ(place(), std::nullopt);
    EXPECT_EQ(QApplication::focusWidget(), focus);

    // The first turn by the arrows, with a die held between rolls.
    dice.push({1, 2, 1, 4, 1});
    press(Qt::Key_Space);
    const std::pair<Qt::Key, CellPlace> arrows[] = {
        {Qt::Key_Right, {Column::Down, 1}},  // the first yellow cell in reading order
        {Qt::Key_Right, {Column::DownUp, 1}}, {Qt::Key_Right, {Column::Call, 1}},  // Up 1 is black
        {Qt::Key_Down, {Column::Call, 2}},    {Qt::Key_Left, {Column::DownUp, 2}},
        {Qt::Key_3, {Column::DownUp, 2}},  // holding a die keeps the cursor
    };
    for (const auto& [key, to] : arrows) {
        press(key);
        EXPECT_EQ(place(), to) << key;
    }
    press(Qt::Key_Space);
    EXPECT_EQ(form->engine().RollCount(), 2);
    EXPECT_EQ(place(), std::nullopt) << "every roll takes the cursor away";
    dice.push({1, 1, 1, 5});
    press(Qt::Key_Return);
    EXPECT_EQ(form->engine().RollCount(), 3) << "Enter without the cursor rolls";
    press(Qt::Key_Up);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text("Label7"), "4");

    for (int row = 1; row <= kRowCount; ++row) {
        if (row > 1) {
            writeTurn(Column::Down, row);
        }
        writeTurn(Column::Up, kRowCount + 1 - row);
        writeTurn(Column::DownUp, row);
    }

    // Only Call cells are left: a second roll needs a call first.
    press(Qt::Key_Space);
    press(Qt::Key_Space);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("You must place a call first !")});
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(place(), (CellPlace{Column::Call, kRowCount})) << "Shift+Tab starts from the last";
    press(Qt::Key_Return);
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    EXPECT_EQ(place(), (CellPlace{Column::Call, kRowCount})) << "the called cell is the one yellow cell";
    press(Qt::Key_Return);
    for (int row = 1; row < kRowCount; ++row) {
        writeTurn(Column::Call, row);
    }

    // Sixes throughout but for the four ones in Down: 4 x 202 + 4.
    form->Timer1_Timer();
    EXPECT_EQ(text(QString::fromLatin1(kGrandTotalName)), "812");
    form->Timer2_Timer();
    ASSERT_NE(form->highScoreWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
    EXPECT_EQ(scoreDialogs.prompts.size(), 1);
    EXPECT_EQ(scores::readTable(tableFile)[0], "0812 - Tester");
}

TEST_F(KeyboardTest, CursorLeavesOnMouseWritesAndCallsElsewhereKeysCountAsPressedHere)
{
    roll({1, 2, 3, 4, 6});
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    ASSERT_EQ(place(), (CellPlace{Column::DownUp, 2}));
    // The frame lets the click through to the cell beneath it.
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, widget("Label13")->geometry().center());
    EXPECT_EQ(text("Label13"), "2");
    EXPECT_EQ(place(), std::nullopt);

    roll({1, 2, 3, 4, 6});
    press(Qt::Key_Tab);
    ASSERT_EQ(place(), (CellPlace{Column::Down, 1}));
    // Shift+Tab with Shift let go first: pressed as Backtab, released as plain Tab. It still steps back.
    QTest::keyPress(form.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyRelease(form.get(), Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(place(), (CellPlace{Column::Call, row::Dakru}));
    click("Label75");  // a call elsewhere blackens the cursor's cell
    EXPECT_EQ(place(), std::nullopt);

    // An Enter whose press went to a box writes nothing under the cursor.
    press(Qt::Key_Down);
    ASSERT_EQ(place(), (CellPlace{Column::Call, row::Poker}));
    QTest::keyRelease(form.get(), Qt::Key_Return);
    EXPECT_EQ(text("Label75"), "");
    EXPECT_EQ(place(), (CellPlace{Column::Call, row::Poker}));
}

// Ctrl+Z acts on its press, however its keys are let go; a held Z repeats nothing.
TEST_F(KeyboardTest, CtrlZUndoesOnThePressWhicheverKeyIsLetGoFirst)
{
    const auto ctrlDown = [this] { QTest::keyPress(form.get(), Qt::Key_Control, Qt::ControlModifier); };
    const auto zDown = [this] { QTest::keyPress(form.get(), Qt::Key_Z, Qt::ControlModifier); };
    const auto zRepeats = [this] {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(form.get(), &repeat);
    };
    const auto zUpWithCtrl = [this] { QTest::keyRelease(form.get(), Qt::Key_Z, Qt::ControlModifier); };
    const auto zUp = [this] { QTest::keyRelease(form.get(), Qt::Key_Z); };
    const auto ctrlUp = [this] { QTest::keyRelease(form.get(), Qt::Key_Control); };
    const struct {
        const char* order;
        const char* calledCell;
        std::vector<std::function<void()>> keys;
    } cases[] = {
        {"Z let go before Ctrl", "Label75", {ctrlDown, zDown, zUpWithCtrl, ctrlUp}},
        {"Ctrl let go before Z", "Label80", {ctrlDown, zDown, ctrlUp, zUp}},
        {"Z held down", "Label70", {ctrlDown, zDown, zRepeats, zRepeats, zUpWithCtrl, ctrlUp}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        const QString cell = QString::fromLatin1(c.calledCell);
        roll({1, 1, 2, 3, 1});
        click(cell);  // the call, then the write
        click(cell);
        ASSERT_EQ(text(cell), "0");
        for (std::size_t i = 0; i + 1 < c.keys.size(); ++i) {
            c.keys[i]();
        }
        EXPECT_EQ(text(cell), "") << "taken back on the press";
        EXPECT_EQ(yellowCount(), 1) << "the call stays: one step only";
        c.keys.back()();
        EXPECT_EQ(text(cell), "");
        EXPECT_EQ(form->engine().RollCount(), 1);
        click(cell);
    }
}

// An undo puts the cursor back where it was when the write or call was made.
TEST_F(KeyboardTest, UndoBringsTheCursorBackWhereItWas)
{
    roll({1, 2, 3, 4, 6});
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    ASSERT_EQ(place(), (CellPlace{Column::DownUp, 1}));
    press(Qt::Key_Return);
    ASSERT_EQ(text("Label8"), "1");
    ASSERT_EQ(place(), std::nullopt);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("Label8"), "");
    EXPECT_EQ(place(), (CellPlace{Column::DownUp, 1}));
    press(Qt::Key_Left);
    press(Qt::Key_Return);
    EXPECT_EQ(text("Label7"), "1") << "Enter writes the cell the player turns to; it does not roll";
    EXPECT_EQ(form->engine().RollCount(), 0);

    // A click elsewhere while the cursor was shown: the cursor comes back to its own cell.
    roll({1, 2, 3, 4, 6});
    press(Qt::Key_Up);
    ASSERT_EQ(place(), (CellPlace{Column::DownUp, 1}));
    click("Label13");
    ASSERT_EQ(place(), std::nullopt);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(place(), (CellPlace{Column::DownUp, 1}));

    // No cursor before the write, none after the undo.
    press(Qt::Key_Space);
    click("Label13");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("Label13"), "");
    EXPECT_EQ(place(), std::nullopt);
    // Nothing to undo after a roll: the cursor stays away.
    click("Label13");
    press(Qt::Key_Space);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(place(), std::nullopt);
}

}  // namespace
}  // namespace testing
}  // namespace dakru::ui
