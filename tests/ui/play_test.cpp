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
    EXPECT_EQ(label("Kocka4p")->pixmap().width(), pictureWidth("d4.jpg"));

    // The roll counter follows on the next tick; the sums stay as they were during a turn.
    EXPECT_EQ(text("RollsLeft"), QString());
    form->Timer1_Timer();
    EXPECT_EQ(text("RollsLeft"), QLatin1String("1"));
    EXPECT_EQ(text("Label86"), QString());

    roll({5});
    form->Timer1_Timer();
    EXPECT_EQ(text("RollsLeft"), QLatin1String("2"));
    EXPECT_EQ(yellowCount(), 16);
}

TEST_F(PlayTest, WritingACellEndsTheTurnAndTheTickSumsIt)
{
    roll({1, 1, 2, 3, 1});
    click("Label7");
    EXPECT_EQ(text("Label7"), QLatin1String("3"));
    EXPECT_EQ(yellowCount(), 0);
    EXPECT_EQ(cues.count(Cue::ClickYellow), 1);
    EXPECT_EQ(text("Label37"), QString());

    form->Timer1_Timer();
    EXPECT_EQ(text("Label37"), QLatin1String("3"));
    EXPECT_EQ(text("Label89"), QLatin1String("3"));
    EXPECT_EQ(text("Label52"), QLatin1String("0"));
    EXPECT_EQ(text("Label86"), QLatin1String("3"));
    EXPECT_EQ(text("RollsLeft"), QString());
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(label(qPrintable(QStringLiteral("Kocka%1p").arg(n)))->pixmap().width(), pictureWidth("d.jpg"));
    }

    // A black cell ignores the click; the written one keeps its text.
    click("Label12");
    click("Label7");
    EXPECT_EQ(text("Label12"), QString());
    EXPECT_EQ(text("Label7"), QLatin1String("3"));
    EXPECT_EQ(cues.count(Cue::ClickYellow), 1);
}

TEST_F(PlayTest, CallPlacedThenWrittenWithTheDisplayFollowing)
{
    roll({2, 2, 2, 5, 5});
    click("Label70");  // the Call cell of Full house: placing it is silent
    EXPECT_EQ(yellowCount(), 1);
    EXPECT_TRUE(yellow("Label70"));
    EXPECT_EQ(text("Label70"), QString());
    EXPECT_EQ(cues.count(Cue::ClickYellow), 0);
    form->Timer1_Timer();
    EXPECT_EQ(text("Zvanje"), QLatin1String("CALL"));

    for (const char* die : {"Kocka1p", "Kocka2p", "Kocka3p"}) {
        click(die);
    }
    roll({1, 1});
    roll({3, 3});
    EXPECT_EQ(yellowCount(), 1);
    click("Label8");  // black while the call is on
    EXPECT_EQ(text("Label8"), QString());

    click("Label70");
    EXPECT_EQ(text("Label70"), QLatin1String("42"));  // 2, 2, 2, 3, 3
    EXPECT_EQ(yellowCount(), 0);
    form->Timer1_Timer();
    EXPECT_EQ(text("Zvanje"), QString());
}

TEST_F(PlayTest, HoldingADieShowsItsHeldPictureAndKeepsItsFace)
{
    roll({3, 4, 5, 6, 1});
    click("Kocka2p");
    EXPECT_EQ(label("Kocka2p")->pixmap().width(), pictureWidth("d4s.jpg"));
    EXPECT_EQ(cues.count(Cue::Check), 1);
    roll({1, 1, 1, 1});
    EXPECT_EQ(cues.played.back(), (PlayedCue{Cue::Dice4, true}));
    EXPECT_EQ(form->engine().die(2).face, 4);
    EXPECT_EQ(form->engine().die(1).face, 1);

    click("Kocka2p");
    EXPECT_EQ(label("Kocka2p")->pixmap().width(), pictureWidth("d4.jpg"));
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
    EXPECT_EQ(text("Label86"), QLatin1String("0"));
    EXPECT_EQ(text("RollsLeft"), QString());

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
    EXPECT_EQ(form->engine().RollCount(), 1);
    EXPECT_EQ(dialogs.questions.size(), 1);
}

class MissingPicturesTest : public ::testing::Test, public Harness {
protected:
    MissingPicturesTest() : Harness(false) {}
};

TEST_F(MissingPicturesTest, DiceShowTheirFacesAsNumbers)
{
    roll({2, 3, 4, 5, 6});
    click("Kocka1p");
    EXPECT_EQ(text("Kocka1p"), QLatin1String("2"));
    EXPECT_EQ(text("Kocka5p"), QLatin1String("6"));
    EXPECT_NE(label("Kocka1p")->fill(), label("Kocka2p")->fill());
    click("Label7");
    form->Timer1_Timer();
    EXPECT_EQ(text("Kocka1p"), QString());
}

}  // namespace
}  // namespace dakru::ui::testing
