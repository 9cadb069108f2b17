#include "harness.h"

namespace dakru::test {
namespace {

// The log followed by the redraw of dice 1 to 5: one picture for all five, or one for each.
Log withPictures(Log log, const std::vector<std::string>& names)
{
    for (std::size_t die = 1; die <= kDiceCount; ++die) {
        log.push_back("picture " + std::to_string(die) + " " + names[names.size() == 1 ? 0 : die - 1]);
    }
    return log;
}

TEST_F(Game, ProgramStartThenTheFirstRollInOrder)
{
    engine.Form_Load();
    engine.Kocka_Click(1);  // nothing to hold before the first roll
    roll({4, 4, 4, 4, 4});
    EXPECT_EQ(shell.take(),
              withPictures({"cue Intro.wav", "cover F", "cover B", "wait d5.wav", "cue 5ofKind.wav"}, {"d4.jpg"}));
    EXPECT_EQ(engine.RollCount(), 1);
}

TEST_F(Game, TheRollingCueCountsTheReleasedDiceAndEndsBeforeTheFacesChange)
{
    std::array<std::optional<int>, kDiceCount> during{};
    shell.whileCuePlaying = [&] { during = engine.DiceFaces(); };
    for (int held = 0; held < kDiceCount; ++held) {
        roll({1, 2, 3, 4, 5});
        for (int n = 1; n <= held; ++n)
            engine.Kocka_Click(n);
        shell.take();
        roll(Dice(static_cast<std::size_t>(kDiceCount - held), 6));
        EXPECT_EQ(shell.log.at(1), "wait d" + std::to_string(kDiceCount - held) + ".wav");
        EXPECT_EQ(during, (decltype(during){1, 2, 3, 4, 5}));
        for (int n = 1; n <= kDiceCount; ++n)
            EXPECT_EQ(engine.die(n).face, n <= held ? n : 6);
        click(Column::DownUp, held + 1);
    }
}

TEST_F(Game, RollingWithAllDiceHeldIsARollAndAFourthRollIsRefusedSilently)
{
    roll({2, 2, 2, 2, 2});
    for (int n = 1; n <= kDiceCount; ++n)
        engine.Kocka_Click(n);
    shell.take();
    roll({});  // counts, marks again as any second roll, and repeats the five-of-a-kind cue
    EXPECT_EQ(engine.RollCount(), 2);
    EXPECT_EQ(shell.take(), withPictures({"cover B", "cue 5ofKind.wav"}, {"d2s.jpg"}));
    EXPECT_EQ(yellow(engine).size(), 16u);
    roll({});
    const std::string before = state(engine);
    shell.take();
    roll({});  // the fourth: only the cover goes back
    EXPECT_EQ(shell.take(), Log{"cover B"});
    EXPECT_EQ(state(engine), before);
}

TEST_F(Game, WritingEndsTheTurn)
{
    roll({3, 3, 1, 2, 6});
    engine.Kocka_Click(1);
    roll({3, 3, 2, 2});
    click(Column::DownUp, 3);
    EXPECT_EQ(value(Column::DownUp, 3), 9);
    EXPECT_TRUE(yellow(engine).empty());
    EXPECT_EQ(engine.RollCount(), 0);
    for (int n = 1; n <= kDiceCount; ++n) {
        EXPECT_FALSE(engine.die(n).face || engine.die(n).held);
        EXPECT_EQ(engine.DiceFaces()[n - 1], 0);
    }
}

TEST_F(Game, SoundOffMutesEveryCueButFiveOfAKind)
{
    engine.ToggleSound();
    engine.Form_Load();
    roll({5, 5, 5, 5, 5});
    engine.Kockap_Click(1);
    click(Column::Call, row::Minimum);
    click(Column::Call, row::Minimum);
    const Log rolled = withPictures({"cover F", "cover B", "cue 5ofKind.wav"}, {"d5.jpg"});
    EXPECT_EQ(shell.take(), withPictures(rolled, {"d5s.jpg", "d5.jpg", "d5.jpg", "d5.jpg", "d5.jpg"}));
    EXPECT_EQ(value(Column::Call, row::Minimum), 25);
}

}  // namespace
}  // namespace dakru::test
