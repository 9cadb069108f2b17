#include "harness.h"

namespace dakru::test {
namespace {

Log pictures(const std::string& names)  // "d4.jpg d4s.jpg ..." for dice 1 to 5
{
    Log log;
    std::istringstream in(names);
    for (std::string name; in >> name;) log.push_back("picture " + std::to_string(log.size() + 1) + " " + name);
    return log;
}

Log operator+(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(Game, ProgramStartThenTheFirstRollInOrder)
{
    EXPECT_FALSE(engine.RollCount());
    EXPECT_FALSE(engine.CalledRow());
    EXPECT_FALSE(engine.DiceFaces()[0]);
    engine.Form_Load();
    EXPECT_EQ(shell.take(), (Log{"cue Intro.wav", "cover F"}));
    roll({4, 4, 4, 4, 4});
    EXPECT_EQ(shell.take(), (Log{"cover B", "wait d5.wav", "cue 5ofKind.wav"} +
                             pictures("d4.jpg d4.jpg d4.jpg d4.jpg d4.jpg")));
    EXPECT_EQ(engine.RollCount(), 1);
    EXPECT_EQ(engine.DiceFaces()[4], 4);
}

// The rolling cue names the released dice and is heard to its end before any face changes.
TEST_F(Game, TheRollingCueCountsTheReleasedDiceAndEndsBeforeTheFacesChange)
{
    for (int held = 0; held < kDiceCount; ++held) {
        roll({1, 2, 3, 4, 5});
        for (int n = 1; n <= held; ++n) engine.Kockap_Click(n);
        std::vector<std::optional<int>> during;
        shell.whileCuePlaying = [&] {
            for (int n = 1; n <= kDiceCount; ++n) during.push_back(engine.die(n).face);
        };
        shell.take();
        roll(Dice(static_cast<std::size_t>(kDiceCount - held), 6));
        shell.whileCuePlaying = nullptr;
        EXPECT_EQ(shell.log.at(1), "wait d" + std::to_string(kDiceCount - held) + ".wav");
        EXPECT_EQ(during, (std::vector<std::optional<int>>{1, 2, 3, 4, 5}));
        for (int n = 1; n <= kDiceCount; ++n) {
            EXPECT_EQ(engine.die(n).face, n <= held ? n : 6);
            EXPECT_EQ(engine.DiceFaces()[n - 1], n <= held ? n : 6);
        }
        click(Column::DownUp, held + 1);
    }
}

TEST_F(Game, RollingWithAllDiceHeldCountsMarksAndRepeatsTheFiveOfAKindCue)
{
    roll({2, 2, 2, 2, 2});
    for (int n = 1; n <= kDiceCount; ++n) engine.Kocka_Click(n);
    shell.take();
    roll({});
    EXPECT_EQ(engine.RollCount(), 2);
    EXPECT_EQ(shell.take(), (Log{"cover B", "cue 5ofKind.wav"} +
                             pictures("d2s.jpg d2s.jpg d2s.jpg d2s.jpg d2s.jpg")));
    EXPECT_EQ(yellow().size(), 16u);  // marked again, as on any second roll
}

TEST_F(Game, AFourthRollIsRefusedSilentlyAfterTheCoverGoesBack)
{
    for (int n = 0; n < 3; ++n) roll({1, 2, 3, 4, 5});
    const std::string before = state();
    shell.take();
    roll({});
    EXPECT_EQ(shell.take(), Log{"cover B"});
    EXPECT_EQ(state(), before);
}

TEST_F(Game, HoldingBeforeTheFirstRollDoesNothingButThePictureClickRedraws)
{
    engine.Kocka_Click(1);
    EXPECT_TRUE(shell.take().empty());
    engine.Kockap_Click(3);
    EXPECT_EQ(shell.take(), pictures("d.jpg d.jpg d.jpg d.jpg d.jpg"));
    roll({1, 2, 3, 4, 5});  // all five are thrown
    shell.take();
    engine.Kocka_Click(2);  // only the picture click redraws
    EXPECT_EQ(shell.take(), Log{"cue Check.wav"});
    engine.Kockap_Click(4);
    EXPECT_EQ(shell.take(), Log{"cue Check.wav"} + pictures("d1.jpg d2s.jpg d3.jpg d4s.jpg d5.jpg"));
    engine.Kockap_Click(4);
    EXPECT_FALSE(engine.die(4).held);
}

TEST_F(Game, WritingEndsTheTurn)
{
    roll({3, 3, 1, 2, 6});
    engine.Kocka_Click(1);
    roll({3, 3, 2, 2});
    shell.take();
    click(Column::DownUp, 3);
    EXPECT_EQ(shell.take(), Log{"cue ClickYellow.wav"});
    EXPECT_EQ(value(Column::DownUp, 3), 9);
    EXPECT_TRUE(yellow().empty());
    EXPECT_EQ(engine.RollCount(), 0);
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
    Log heard;
    for (const std::string& line : shell.take()) {
        if (line.rfind("picture", 0) != 0) heard.push_back(line);
    }
    EXPECT_EQ(heard, (Log{"cover F", "cover B", "cue 5ofKind.wav", "cover B"}));

    engine.ToggleSound();
    write(Column::Down, 2, {1, 2, 3, 4, 5});
    EXPECT_EQ(shell.log.at(1), "wait d5.wav");
    EXPECT_EQ(shell.log.back(), "cue ClickYellow.wav");
}

}  // namespace
}  // namespace dakru::test
