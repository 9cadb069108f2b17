#include <QKeyEvent>

#include "harness.h"

namespace dakru::ui::testing {
namespace {

using InputTest = Form1Test;

std::vector<bool> framesShown(const Form1& form)
{
    std::vector<bool> shown;
    for (int k = 1; k <= 5; ++k) {
        shown.push_back(!form.findChild<QWidget*>(QStringLiteral("GS%1").arg(k))->isHidden());
    }
    return shown;
}

TEST_F(InputTest, HoverCueOncePerEntry)
{
    struct Step {
        const char* over;
        int cuesSoFar;
        std::vector<bool> frames;
    };
    // All frames are shown at the start, so the first hover is silent.
    const Step steps[] = {
        {"G1", 0, {true, false, false, false, false}},
        {"G1", 0, {true, false, false, false, false}},
        {"Image1", 0, {false, false, false, false, false}},
        {"G1", 1, {true, false, false, false, false}},
        {"G1", 1, {true, false, false, false, false}},
        {"G2", 2, {false, true, false, false, false}},
        {"G5", 3, {false, false, false, false, true}},
        {"G5", 3, {false, false, false, false, true}},
    };
    for (const Step& step : steps) {
        moveOver(step.over);
        EXPECT_EQ(cues.count(Cue::MouseOver), step.cuesSoFar) << step.over;
        EXPECT_EQ(framesShown(*form), step.frames) << step.over;
    }
    // Every frame now lies on its hot spot.
    EXPECT_EQ(widget("GS1")->geometry(), widget("G1")->geometry());
    EXPECT_EQ(widget("GS4")->geometry(), widget("G4")->geometry());

    keyUp(Qt::Key_S);
    moveOver("G3");
    EXPECT_EQ(cues.count(Cue::MouseOver), 3);
    EXPECT_EQ(framesShown(*form), (std::vector<bool>{false, false, true, false, false}));
}

TEST_F(InputTest, EveryKeyOfTheTable)
{
    struct Case {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<void(Harness&)> check;
    };
    const auto rolled = [](Harness& t) { EXPECT_EQ(t.form->engine().RollCount(), 1); };
    const auto notRolled = [](Harness& t) { EXPECT_EQ(t.form->engine().RollCount(), std::nullopt); };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, rolled},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, rolled},
        {"Space", Qt::Key_Space, Qt::NoModifier, rolled},
        {"F2", Qt::Key_F2, Qt::NoModifier,
         [](Harness& t) { EXPECT_EQ(t.dialogs.questions.size(), 1); }},
        {"F3", Qt::Key_F3, Qt::NoModifier,
         [](Harness& t) {
             ASSERT_NE(t.form->highScoreWindow(), nullptr);
             EXPECT_TRUE(t.form->highScoreWindow()->isVisible());
         }},
        {"S", Qt::Key_S, Qt::NoModifier, [](Harness& t) { EXPECT_TRUE(t.form->engine().soundOff()); }},
        {"Shift+S", Qt::Key_S, Qt::ShiftModifier, [](Harness& t) { EXPECT_TRUE(t.form->engine().soundOff()); }},
        {"Esc", Qt::Key_Escape, Qt::NoModifier, [](Harness& t) { EXPECT_FALSE(t.form->isVisible()); }},
        {"A", Qt::Key_A, Qt::NoModifier, notRolled},
        {"6", Qt::Key_6, Qt::NoModifier, notRolled},
        {"keypad 1", Qt::Key_1, Qt::KeypadModifier, notRolled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Harness fresh;
        fresh.keyUp(c.key, c.modifiers);
        c.check(fresh);
        EXPECT_TRUE(fresh.dialogs.messages.isEmpty());
    }
}

TEST_F(InputTest, DigitsHoldTheirDiceAndTheKeypadDoesNot)
{
    roll({1, 2, 3, 4, 5});
    for (int n = 1; n <= 5; ++n) {
        keyUp(Qt::Key_0 + n);
        EXPECT_TRUE(form->engine().die(n).held) << n;
        EXPECT_EQ(label(qPrintable(QStringLiteral("Kocka%1p").arg(n)))->pixmap().width(),
                  pictureWidth("d" + std::to_string(n) + "s.jpg"));
    }
    keyUp(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_TRUE(form->engine().die(3).held);
    keyUp(Qt::Key_3);
    EXPECT_FALSE(form->engine().die(3).held);
    EXPECT_EQ(cues.count(Cue::Check), 6);
}

TEST_F(InputTest, OnlyReleasesOfKeysPressedHereAct)
{
    // The Enter that closed a message box: its press went to the box.
    QTest::keyRelease(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->engine().RollCount(), std::nullopt);

    // Auto-repeat neither presses nor releases.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(form.get(), &press);
    QApplication::sendEvent(form.get(), &repeatedRelease);
    EXPECT_EQ(form->engine().RollCount(), std::nullopt);
    QApplication::sendEvent(form.get(), &release);
    EXPECT_EQ(form->engine().RollCount(), 1);
    QApplication::sendEvent(form.get(), &release);
    EXPECT_EQ(form->engine().RollCount(), 1);
}

TEST_F(InputTest, KeyReleaseAfterTheNewGameQuestionDoesNothing)
{
    roll({1, 2, 3, 4, 5});
    dialogs.answer = false;
    keyUp(Qt::Key_F2);
    ASSERT_EQ(dialogs.questions.size(), 1);
    // The box took the Enter press; only its release reaches the main window.
    QTest::keyRelease(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->engine().RollCount(), 1);
    EXPECT_EQ(cues.count(Cue::Dice5), 1);
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
        if (byKey) {
            fresh.keyUp(Qt::Key_Escape);
        } else {
            fresh.click("G5");
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(fresh.form->isVisible());
        EXPECT_EQ(fresh.form->aboutWindow(), nullptr);
        EXPECT_EQ(fresh.form->highScoreWindow(), nullptr);
        EXPECT_TRUE(fresh.dialogs.questions.isEmpty());
    }
}

}  // namespace
}  // namespace dakru::ui::testing
