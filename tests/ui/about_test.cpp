#include <QPlainTextEdit>

#include "harness.h"

namespace dakru::ui::testing {
namespace {

using AboutTest = Form1Test;

int aboutWindows()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == QLatin1String("frmAbout") ? 1 : 0;
    }
    return count;
}

TEST_F(AboutTest, OneWindowWithItsVersionAndKeys)
{
    click("G4");
    AboutWindow* about = form->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QLatin1String("Dakru"));
    EXPECT_EQ(about->size(), QSize(395, 529));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QLatin1String("Version: 1.6.6"));
    EXPECT_EQ(about->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText(),
              QLatin1String("1 to 5 - Selecting dices\nEnter/Space - Roll\nS - Sound on/off\nEsc - Exit game \n"
                            "You can play with a \nmouse too :)\n"));

    click("G4");
    EXPECT_EQ(form->aboutWindow(), about);
    EXPECT_EQ(aboutWindows(), 1);
}

TEST_F(AboutTest, TitleAndCloseCuesFollowTheSoundSwitch)
{
    click("G4");
    AboutWindow* about = form->aboutWindow();
    auto* title = about->findChild<ClickLabel*>(QStringLiteral("Label1"));
    auto* close = about->findChild<ClickLabel*>(QStringLiteral("LabelExit"));
    auto moveOverClose = [close] {
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), close->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(close, &move);
    };

    click(title);
    click(title);
    moveOverClose();
    moveOverClose();
    EXPECT_EQ(cues.played, (std::vector<PlayedCue>{{Cue::Intro, false}, {Cue::Intro, false},
                                                   {Cue::MouseOver, false}, {Cue::MouseOver, false}}));

    form->engine().ToggleSound();
    click(title);
    moveOverClose();
    EXPECT_EQ(cues.played.size(), 4u);

    click(close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->aboutWindow(), nullptr);
    EXPECT_EQ(aboutWindows(), 0);
    click("G4");
    EXPECT_NE(form->aboutWindow(), nullptr);
}

}  // namespace
}  // namespace dakru::ui::testing
