#include "harness.h"

namespace dakru::test {
namespace {

using Log = std::vector<std::string>;

const Log kBlankPictures{"picture 1 d.jpg", "picture 2 d.jpg", "picture 3 d.jpg", "picture 4 d.jpg",
                         "picture 5 d.jpg"};

TEST_F(Game, ProgramStartLeavesEverythingUnset)
{
    EXPECT_FALSE(engine.RollCount());
    EXPECT_FALSE(engine.CalledRow());
    EXPECT_FALSE(engine.DiceFaces()[0]);
    engine.Form_Load();
    EXPECT_EQ(shell.take(), (Log{"cue Intro.wav", "cover F"}));
}

TEST_F(Game, ARollInOrder)
{
    roll({4, 4, 4, 4, 4});
    EXPECT_EQ(shell.take(), (Log{"cover B", "wait d5.wav", "cue 5ofKind.wav", "picture 1 d4.jpg",
                                 "picture 2 d4.jpg", "picture 3 d4.jpg", "picture 4 d4.jpg",
                                 "picture 5 d4.jpg"}));
    EXPECT_EQ(engine.RollCount(), 1);
    for (int n = 1; n <= kDiceCount; ++n) {
        EXPECT_EQ(engine.die(n).face, 4);
        EXPECT_EQ(engine.DiceFaces()[n - 1], 4);
    }
}

TEST_F(Game, TheRollingCueEndsBeforeTheFacesChange)
{
    roll({1, 2, 3, 4, 5});
    engine.Kocka_Click(2);
    std::vector<std::optional<int>> seen;
    shell.whileCuePlaying = [&] {
        for (int n = 1; n <= kDiceCount; ++n) seen.push_back(engine.die(n).face);
    };
    roll({6, 6, 6, 6});
    EXPECT_EQ(seen, (std::vector<std::optional<int>>{1, 2, 3, 4, 5}));
    EXPECT_EQ(engine.die(2).face, 2);
    EXPECT_EQ(engine.die(5).face, 6);
}

TEST_F(Game, TheRollingCueCountsTheReleasedDice)
{
    for (int held = 0; held < kDiceCount; ++held) {
        roll({1, 2, 3, 4, 5});
        for (int n = 1; n <= held; ++n) engine.Kockap_Click(n);
        shell.take();
        roll(Dice(static_cast<std::size_t>(kDiceCount - held), 6));
        EXPECT_EQ(shell.log.at(1), "wait d" + std::to_string(kDiceCount - held) + ".wav");
        for (int n = 1; n <= kDiceCount; ++n) {
            EXPECT_EQ(engine.die(n).face, n <= held ? n : 6);
            EXPECT_EQ(engine.DiceFaces()[n - 1], n <= held ? n : 6);
        }
        click(Column::DownUp, held + 1);
    }
}

TEST_F(Game, RollingWithAllDiceHeld)
{
    roll({2, 2, 2, 2, 2});
    for (int n = 1; n <= kDiceCount; ++n) engine.Kocka_Click(n);
    shell.take();
    roll({});
    EXPECT_EQ(engine.RollCount(), 2);
    EXPECT_EQ(shell.take(), (Log{"cover B", "cue 5ofKind.wav", "picture 1 d2s.jpg", "picture 2 d2s.jpg",
                                 "picture 3 d2s.jpg", "picture 4 d2s.jpg", "picture 5 d2s.jpg"}));
    EXPECT_EQ(yellow().size(), 16u);  // marked again: the Call cells are black after the first roll
    EXPECT_EQ(engine.die(3).face, 2);
}

TEST_F(Game, AFourthRollIsRefusedSilentlyAfterTheCoverGoesBack)
{
    roll({1, 2, 3, 4, 5});
    roll({1, 2, 3, 4, 5});
    roll({1, 1, 1, 1, 1});
    const Snapshot before = snapshot();
    shell.take();
    roll({});
    EXPECT_EQ(shell.take(), Log{"cover B"});
    EXPECT_TRUE(snapshot() == before);
}

TEST_F(Game, HoldingBeforeTheFirstRollDoesNothing)
{
    engine.Kocka_Click(1);
    EXPECT_TRUE(shell.take().empty());
    engine.Kockap_Click(3);
    EXPECT_EQ(shell.take(), kBlankPictures);
    EXPECT_FALSE(engine.die(3).held);
    roll({1, 2, 3, 4, 5});  // all five are thrown
}

TEST_F(Game, HoldAndReleaseRedrawOnlyFromThePicture)
{
    roll({1, 2, 3, 4, 5});
    shell.take();
    engine.Kocka_Click(2);
    EXPECT_TRUE(engine.die(2).held);
    EXPECT_EQ(shell.take(), Log{"cue Check.wav"});
    engine.Kockap_Click(2);
    EXPECT_FALSE(engine.die(2).held);
    EXPECT_EQ(shell.take(), (Log{"cue Check.wav", "picture 1 d1.jpg", "picture 2 d2.jpg", "picture 3 d3.jpg",
                                 "picture 4 d4.jpg", "picture 5 d5.jpg"}));
}

// Writing a score ends the turn: dice released and blank, faces "0", nothing yellow.
TEST_F(Game, WritingEndsTheTurn)
{
    roll({3, 3, 1, 2, 6});
    engine.Kocka_Click(1);
    roll({3, 3, 2, 2});
    shell.take();
    click(Column::DownUp, 3);
    EXPECT_EQ(shell.take(), Log{"cue ClickYellow.wav"});
    EXPECT_EQ(value(Column::DownUp, 3), 9);
    EXPECT_EQ(engine.RollCount(), 0);
    EXPECT_EQ(engine.CalledRow(), std::nullopt);  // a write outside Call leaves it unset
    EXPECT_TRUE(yellow().empty());
    for (int n = 1; n <= kDiceCount; ++n) {
        EXPECT_FALSE(engine.die(n).face);
        EXPECT_FALSE(engine.die(n).held);
        EXPECT_EQ(engine.DiceFaces()[n - 1], 0);
    }
}

TEST_F(Game, SoundOffMutesEveryCueButFiveOfAKind)
{
    engine.ToggleSound();
    engine.Form_Load();
    roll({5, 5, 5, 5, 5});
    engine.Kockap_Click(1);
    engine.Kockap_Click(1);
    click(Column::Call, row::Minimum);
    click(Column::Call, row::Minimum);
    write(Column::Down, 1, {1, 2, 3, 4, 5});
    Log cues;
    for (const std::string& line : shell.take()) {
        if (line.rfind("picture", 0) != 0) cues.push_back(line);
    }
    EXPECT_EQ(cues, (Log{"cover F", "cover B", "cue 5ofKind.wav", "cover B"}));

    engine.ToggleSound();
    write(Column::Down, 2, {1, 2, 3, 4, 5});
    EXPECT_EQ(shell.log.at(1), "wait d5.wav");
    EXPECT_EQ(shell.log.back(), "cue ClickYellow.wav");
}

}  // namespace
}  // namespace dakru::test
