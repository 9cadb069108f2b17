#include "harness.h"

namespace dakru::ui::testing {
namespace {

using PlayTest = Form1Test;

TEST_F(PlayTest, FirstRollMarksThirtyCellsAndSendsTheCoverBack)
{
    roll({1, 2, 3, 4, 6});
    EXPECT_EQ(cues.played, (std::vector<PlayedCue>{{Cue::Dice5, true}}));
    EXPECT_EQ(yellowCount(), 30);
    for (const char* marked : {"Label7", "Label8", "Label94", "Label79", "Label10", "Label92", "Label80"}) {
        EXPECT_TRUE(yellow(marked)) << marked;
    }
    for (const char* black : {"Label12", "Label9", "Label95", "Label93"}) {
        EXPECT_FALSE(yellow(black)) << black;
    }
    EXPECT_EQ(form->childAt(widget("Label7")->geometry().center()), widget("Label7"));
    EXPECT_EQ(dieWidth(4), pictureWidth("d4.jpg"));

    // The roll counter follows on the next tick; the sums stay as they were during a turn.
    EXPECT_EQ(text("RollsLeft"), "");
    form->Timer1_Timer();
    EXPECT_EQ(text("RollsLeft"), "1");
    EXPECT_EQ(text("Label86"), "");

    roll({5});
    form->Timer1_Timer();
    EXPECT_EQ(text("RollsLeft"), "2");
    EXPECT_EQ(yellowCount(), 16);
}

TEST_F(PlayTest, WritingACellEndsTheTurnAndTheTickSumsIt)
{
    roll({1, 1, 2, 3, 1});
    click("Label7");
    EXPECT_EQ(text("Label7"), "3");
    EXPECT_EQ(yellowCount(), 0);
    EXPECT_EQ(cues.count(Cue::ClickYellow), 1);
    EXPECT_EQ(text("Label37"), "");

    form->Timer1_Timer();
    EXPECT_EQ(text("Label37"), "3");
    EXPECT_EQ(text("Label89"), "3");
    EXPECT_EQ(text("Label52"), "0");
    EXPECT_EQ(text("Label86"), "3");
    EXPECT_EQ(text("RollsLeft"), "");
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(dieWidth(n), pictureWidth("d.jpg")) << n;
    }

    // A black cell ignores the click; the written one keeps its text.
    click("Label12");
    click("Label7");
    EXPECT_EQ(text("Label12"), "");
    EXPECT_EQ(text("Label7"), "3");
    EXPECT_EQ(cues.count(Cue::ClickYellow), 1);
}

TEST_F(PlayTest, CallPlacedThenWrittenWithHeldDiceAndTheDisplayFollowing)
{
    roll({2, 2, 2, 5, 5});
    click("Label70");  // the Call cell of Full house: placing it is silent
    EXPECT_EQ(yellowCount(), 1);
    EXPECT_TRUE(yellow("Label70"));
    EXPECT_EQ(text("Label70"), "");
    EXPECT_EQ(cues.count(Cue::ClickYellow), 0);
    form->Timer1_Timer();
    EXPECT_EQ(text("Zvanje"), "CALL");

    for (const char* die : {"Kocka1p", "Kocka2p", "Kocka3p"}) {
        click(die);
    }
    EXPECT_EQ(dieWidth(2), pictureWidth("d2s.jpg"));
    EXPECT_EQ(cues.count(Cue::Check), 3);
    roll({1, 1});
    EXPECT_EQ(cues.played.back(), (PlayedCue{Cue::Dice2, true}));
    roll({3, 3});
    click("Kocka3p");  // released: same face, free picture
    EXPECT_EQ(dieWidth(3), pictureWidth("d2.jpg"));
    EXPECT_EQ(yellowCount(), 1);
    click("Label8");  // black while the call is on
    EXPECT_EQ(text("Label8"), "");

    click("Label70");
    EXPECT_EQ(text("Label70"), "42");  // 2, 2, 2, 3, 3
    EXPECT_EQ(yellowCount(), 0);
    form->Timer1_Timer();
    EXPECT_EQ(text("Zvanje"), "");
}

TEST_F(PlayTest, DiceShowTheirFacesAsNumbersWithoutTheirPictures)
{
    QDir(folder.filePath(QStringLiteral("Pictures"))).removeRecursively();
    roll({2, 3, 4, 5, 6});
    click("Kocka1p");
    EXPECT_EQ(text("Kocka1p"), "2");
    EXPECT_EQ(text("Kocka5p"), "6");
    EXPECT_NE(label("Kocka1p")->fill(), label("Kocka2p")->fill());  // held and free look apart
}

TEST_F(PlayTest, NewHotSpotRollsOnAFreshSheetAndAsksOtherwise)
{
    click("G2");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(form->engine().RollCount(), 1);

    form->Timer1_Timer();  // the roll counter shows 1: NEW now asks
    dialogs.answer = false;
    click("G2");
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Are you sure you want to play a New Game?")});
    EXPECT_EQ(form->engine().RollCount(), 1);

    dialogs.answer = true;
    click("G2");
    EXPECT_EQ(form->engine().RollCount(), 0);
    form->Timer1_Timer();
    EXPECT_EQ(text("Label86"), "0");
    EXPECT_EQ(text("RollsLeft"), "");

    click("G2");  // grand total "0" and no rolls: plays again without asking
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(form->engine().RollCount(), 1);
}

TEST_F(PlayTest, RollHotSpotStartsANewGameOnceTheScoreIsDealtWith)
{
    form->engine().ScoreDealtWith();
    click("G1");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(form->engine().rollVisible());
    EXPECT_EQ(form->engine().RollCount(), 0);
    click("G1");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(form->engine().RollCount(), 1);
}

}  // namespace
}  // namespace dakru::ui::testing
