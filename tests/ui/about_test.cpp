#include <QPlainTextEdit>

#include "harness.h"

namespace dakru::ui::testing {
namespace {

using AboutTest = Form1Test;

int aboutWindows()
{
    return static_cast<int>(
        std::ranges::count(QApplication::topLevelWidgets(), QStringLiteral("frmAbout"), &QWidget::objectName));
}

TEST_F(AboutTest, OneWindowWithItsVersionAndKeys)
{
    click("G4");
    AboutWindow* about = form->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "Dakru");
    EXPECT_EQ(about->size(), QSize(395, 529));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version: 1.6.6");
    EXPECT_EQ(about->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText(),
              "1 to 5 - Selecting dices\nEnter/Space - Roll\nS - Sound on/off\nEsc - Exit game \n"
              "You can play with a \nmouse too :)\n");

    click("G4");
    EXPECT_EQ(form->aboutWindow(), about);
    EXPECT_EQ(aboutWindows(), 1);
}

TEST_F(AboutTest, TitleAndCloseCuesFollowTheSoundSwitch)
{
    click("G4");
    QWidget* title = form->aboutWindow()->findChild<ClickLabel*>(QStringLiteral("Label1"));
    QWidget* close = form->aboutWindow()->findChild<ClickLabel*>(QStringLiteral("LabelExit"));
    click(title);
    click(title);
    moveOver(close);
    moveOver(close);
    EXPECT_EQ(cues.played,
              (std::vector<PlayedCue>{
                  {Cue::Intro, false}, {Cue::Intro, false}, {Cue::MouseOver, false}, {Cue::MouseOver, false}}));

    form->engine().ToggleSound();
    click(title);
    moveOver(close);
    EXPECT_EQ(cues.played.size(), 4u);

    click(close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->aboutWindow(), nullptr);
    EXPECT_EQ(aboutWindows(), 0);
    click("G4");
    EXPECT_NE(form->aboutWindow(), nullptr);
}

// F1 opens the About window as INFO does; Esc closes it, and the Esc let go
// over the main window afterwards does not end the game.
TEST_F(AboutTest, F1OpensItAndEscClosesIt)
{
    keyUp(Qt::Key_F1);
    AboutWindow* about = form->aboutWindow();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    keyUp(Qt::Key_F1);
    EXPECT_EQ(aboutWindows(), 1);

    QTest::keyPress(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->aboutWindow(), nullptr);
    QTest::keyRelease(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible()) << "the release belongs to the key that closed the About window";

    // Other keys do nothing in the About window.
    keyUp(Qt::Key_F1);
    about = form->aboutWindow();
    ASSERT_NE(about, nullptr);
    QTest::keyClick(about, Qt::Key_Return);
    QTest::keyClick(about, Qt::Key_F1);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(cues.played.empty());
}

}  // namespace
}  // namespace dakru::ui::testing
