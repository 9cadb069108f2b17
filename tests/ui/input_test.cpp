#include <QKeyEvent>
#include <QPointer>

#include "harness.h"

namespace dakru::ui::testing {
namespace {

using InputTest = Form1Test;

// The one highlight frame shown (1 to 5), 0 for none, -1 for several.
int shownFrame(const Form1& form)
{
    int shown = 0;
    for (int k = 1; k <= 5; ++k) {
        if (!form.findChild<QWidget*>(QStringLiteral("GS%1").arg(k))->isHidden()) {
            shown = shown == 0 ? k : -1;
        }
    }
    return shown;
}

TEST_F(InputTest, HoverCueOncePerEntry)
{
    // All frames are shown at the start, so the first hover is silent.
    const std::tuple<const char*, int, int> steps[] = {
        // pointer over, hover cues so far, frame shown
        {"G1", 0, 1}, {"G1", 0, 1}, {"Image1", 0, 0}, {"G1", 1, 1},
        {"G1", 1, 1}, {"G2", 2, 2}, {"G5", 3, 5},     {"G5", 3, 5},
    };
    for (const auto& [over, cuesSoFar, frame] : steps) {
        moveOver(over);
        EXPECT_EQ(cues.count(Cue::MouseOver), cuesSoFar) << over;
        EXPECT_EQ(shownFrame(*form), frame) << over;
    }
    // Every frame now lies on its hot spot.
    EXPECT_EQ(widget("GS1")->geometry(), widget("G1")->geometry());
    EXPECT_EQ(widget("GS4")->geometry(), widget("G4")->geometry());

    keyUp(Qt::Key_S);
    moveOver("G3");
    EXPECT_EQ(cues.count(Cue::MouseOver), 3);
    EXPECT_EQ(shownFrame(*form), 3);
}

// Each key is released in a fresh window after a first roll of 1, 2, 3, 4, 5.
TEST_F(InputTest, EveryKeyOfTheTable)
{
    using Check = std::function<void(Harness&)>;
    const auto rolledAgain = [](Harness& t) { EXPECT_EQ(t.form->engine().RollCount(), 2); };
    const auto soundOff = [](Harness& t) { EXPECT_TRUE(t.form->engine().soundOff()); };
    // Only die `held` is held afterwards (none for 0), and nothing else happened.
    const auto onlyHeld = [](int held) -> Check {
        return [held](Harness& t) {
            EXPECT_EQ(t.form->engine().RollCount(), 1);
            for (int n = 1; n <= 5; ++n) {
                EXPECT_EQ(t.form->engine().die(n).held, n == held) << n;
            }
        };
    };
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, Check> cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, rolledAgain},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, rolledAgain},
        {"Space", Qt::Key_Space, Qt::NoModifier, rolledAgain},
        {"F2", Qt::Key_F2, Qt::NoModifier, [](Harness& t) { EXPECT_EQ(t.dialogs.questions.size(), 1); }},
        {"F3", Qt::Key_F3, Qt::NoModifier,
         [](Harness& t) { EXPECT_TRUE(t.form->highScoreWindow() && t.form->highScoreWindow()->isVisible()); }},
        {"S", Qt::Key_S, Qt::NoModifier, soundOff},
        {"Shift+S", Qt::Key_S, Qt::ShiftModifier, soundOff},
        {"Esc", Qt::Key_Escape, Qt::NoModifier, [](Harness& t) { EXPECT_FALSE(t.form->isVisible()); }},
        {"1", Qt::Key_1, Qt::NoModifier, onlyHeld(1)},
        {"2", Qt::Key_2, Qt::NoModifier, onlyHeld(2)},
        {"3", Qt::Key_3, Qt::NoModifier, onlyHeld(3)},
        {"4", Qt::Key_4, Qt::NoModifier, onlyHeld(4)},
        {"5", Qt::Key_5, Qt::NoModifier, onlyHeld(5)},
        {"Shift+1", Qt::Key_Exclam, Qt::ShiftModifier, onlyHeld(1)},
        {"Shift+5", Qt::Key_Percent, Qt::ShiftModifier, onlyHeld(5)},
        {"keypad 3", Qt::Key_3, Qt::KeypadModifier, onlyHeld(0)},
        {"6", Qt::Key_6, Qt::NoModifier, onlyHeld(0)},
        {"A", Qt::Key_A, Qt::NoModifier, onlyHeld(0)},
    };
    for (const auto& [what, key, modifiers, check] : cases) {
        SCOPED_TRACE(what);
        Harness fresh;
        fresh.roll({1, 2, 3, 4, 5});
        fresh.keyUp(key, modifiers);
        check(fresh);
        EXPECT_TRUE(fresh.dialogs.messages.isEmpty());
    }
}

TEST_F(InputTest, OnlyReleasesOfKeysPressedHereAct)
{
    roll({1, 2, 3, 4, 5});
    dialogs.answer = false;
    keyUp(Qt::Key_F2);
    ASSERT_EQ(dialogs.questions.size(), 1);
    // The box took the Enter press; only its release reaches the main window.
    QTest::keyRelease(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->engine().RollCount(), 1);

    // A held Space repeats presses and releases; only the last, real release acts, once.
    const auto space = [this](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
        QApplication::sendEvent(form.get(), &event);
    };
    space(QEvent::KeyPress, false);
    space(QEvent::KeyRelease, true);
    space(QEvent::KeyPress, true);
    EXPECT_EQ(form->engine().RollCount(), 1);
    space(QEvent::KeyRelease, false);
    EXPECT_EQ(form->engine().RollCount(), 2);
    space(QEvent::KeyRelease, false);
    EXPECT_EQ(form->engine().RollCount(), 2);

    // Shift let go before the digit: the release is still that of Shift+2.
    QTest::keyPress(form.get(), Qt::Key_At, Qt::ShiftModifier);
    QTest::keyRelease(form.get(), Qt::Key_2);
    EXPECT_TRUE(form->engine().die(2).held);
}

TEST_F(InputTest, EscAndExitCloseEveryWindow)
{
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "Esc" : "EXIT");
        Harness fresh;
        fresh.click("G4");
        fresh.keyUp(Qt::Key_F3);
        ASSERT_NE(fresh.form->aboutWindow(), nullptr);
        ASSERT_NE(fresh.form->highScoreWindow(), nullptr);
        byKey ? fresh.keyUp(Qt::Key_Escape) : fresh.click("G5");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(fresh.form->isVisible());
        EXPECT_EQ(fresh.form->aboutWindow(), nullptr);
        EXPECT_EQ(fresh.form->highScoreWindow(), nullptr);
        EXPECT_TRUE(fresh.dialogs.questions.isEmpty());
    }
}

// Each can lie behind the main window, and neither outlives it, open or hidden.
TEST_F(InputTest, TheOtherWindowsStandAloneAndEndWithTheMainWindow)
{
    click("G4");
    keyUp(Qt::Key_F3);
    const QPointer<QWidget> about = form->aboutWindow();
    const QPointer<QWidget> table = form->highScoreWindow();
    ASSERT_TRUE(about && table);
    for (const QWidget* window : {about.data(), table.data()}) {
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->parentWidget(), nullptr) << window->objectName().toStdString();
    }
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_FALSE(table->isVisible());

    form.reset();
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(table.isNull());
}

}  // namespace
}  // namespace dakru::ui::testing
