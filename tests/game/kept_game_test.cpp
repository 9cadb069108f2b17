#include "game_state_codec.h"
#include "harness.h"

namespace dakru::test {
namespace {

// The redraw of dice 1 to 5, then whatever follows.
Log pictures(const std::vector<std::string>& names, Log then = {})
{
    Log log;
    for (std::size_t die = 1; die <= kDiceCount; ++die) {
        log.push_back("picture " + std::to_string(die) + " " + names[die - 1]);
    }
    log.insert(log.end(), then.begin(), then.end());
    return log;
}

Log concat(Log first, const Log& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Down 1 written, then a first roll, a call on Full house and die 1 held.
void playMidTurn(Play& p)
{
    p.write(Column::Down, 1, {1, 1, 2, 3, 4});
    p.roll({2, 2, 3, 3, 3});
    p.click(Column::Call, row::FullHouse);
    p.engine.Kocka_Click(1);
}

const std::string kMidTurn =
    "Dakru kept game 1\n"
    "Down 2 - - - - - - - - - - - - -\n"
    "DownUp - - - - - - - - - - - - - -\n"
    "Up - - - - - - - - - - - - - -\n"
    "Call - - - - - - - - - - - -* - -\n"
    "dice 2h 2 3 3 3\n"
    "faces 2 2 3 3 3\n"
    "rolls 1\n"
    "call 12\n"
    "playing 1\n";

GameState decoded(const std::string& text)
{
    DecodedGameState result = decodeGameState(text);
    EXPECT_TRUE(result.state) << result.error;
    return result.state.value_or(GameState{});
}

TEST(KeptGameFile, WritesTheStateAsLinesAndReadsItBackWhole)
{
    Play mid;
    playMidTurn(mid);
    EXPECT_EQ(encodeGameState(mid.engine.gameState()), kMidTurn);

    Play fresh, full, ended;
    full.fill(56);
    ended.write(Column::DownUp, 3, {3, 3, 3, 6, 6});
    ended.engine.ScoreDealtWith();
    for (const Play* p : {&mid, &fresh, &full, &ended}) {
        const GameState& state = p->engine.gameState();
        EXPECT_EQ(decoded(encodeGameState(state)), state) << encodeGameState(state);
    }

    std::string crlf;
    for (const char c : kMidTurn)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(decoded(crlf), mid.engine.gameState());
    EXPECT_EQ(decoded(kMidTurn.substr(0, kMidTurn.size() - 1)), mid.engine.gameState());  // no last line end
}

// Nothing of a bad file is taken: every cut, other files, other versions,
// values out of range and states that no play reaches.
TEST(KeptGameFile, RefusesDamagedForeignAndNewerFilesWhole)
{
    for (std::size_t cut = 0; cut + 1 < kMidTurn.size(); ++cut) {
        EXPECT_FALSE(decodeGameState(kMidTurn.substr(0, cut)).state) << cut;
    }
    const auto replaced = [](const std::string& from, const std::string& to) {
        std::string text = kMidTurn;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "not a kept game"},
        {std::string("\0\xff\xfe garbage\n", 13), "not a kept game"},
        {"1 - 2 - 3\n", "not a kept game"},
        {replaced("game 1", "game 2"), "version 2, this program reads version 1"},
        {replaced("game 1", "game 0"), "version 0, this program reads version 1"},
        {replaced("game 1", "game x"), "damaged header"},
        {replaced("Down 2", "Down 81"), "damaged at line 2"},
        {replaced("Down 2", "Down -1"), "damaged at line 2"},
        {replaced("Down 2", "Down +2"), "damaged at line 2"},
        {replaced("Down 2", "Down  2"), "damaged at line 2"},
        {replaced("DownUp", "Down\\Up"), "damaged at line 3"},
        {replaced("- -*", "- - -*"), "damaged at line 5"},
        {replaced("2h", "7h"), "damaged at line 6"},
        {replaced("faces 2", "faces 9"), "damaged at line 7"},
        {replaced("rolls 1", "rolls 4"), "damaged at line 8"},
        {replaced("call 12", "call 15"), "damaged at line 9"},
        {replaced("playing 1", "playing yes"), "damaged at line 10"},
        {kMidTurn + "extra\n", "damaged at line 11"},
        {replaced("dice 2h 2 3 3 3", "dice 2h 2 3 3 -"), "a game no play can reach"},
        {replaced("rolls 1", "rolls 0"), "a game no play can reach"},
        {replaced("Down 2", "Down 2*"), "a game no play can reach"},
        {replaced("Call - - - - - - - - - - - -*", "Call - - - - - - - - - - - 3*"), "a game no play can reach"},
    };
    for (const auto& [text, error] : cases) {
        const DecodedGameState result = decodeGameState(text);
        EXPECT_FALSE(result.state) << text;
        EXPECT_EQ(result.error, error) << text;
    }
}

TEST(KeptGame, WhatIsKeptWhenTheProgramCloses)
{
    Play p;
    EXPECT_FALSE(p.engine.gameToKeep());  // nothing played yet
    p.roll({1, 2, 3, 4, 5});
    EXPECT_EQ(p.engine.gameToKeep(), p.engine.gameState());
    p.click(Column::DownUp, 1);
    p.engine.NewGame_Click();
    EXPECT_FALSE(p.engine.gameToKeep());
    p.fill(56);
    EXPECT_EQ(p.engine.gameToKeep(), p.engine.gameState());  // finished, not yet dealt with
    p.engine.ScoreDealtWith();
    EXPECT_FALSE(p.engine.gameToKeep());

    Play next;
    next.engine.OfferKeptGame(p.engine.gameState());
    EXPECT_EQ(next.engine.gameToKeep(), p.engine.gameState());  // still waiting for its first roll
}

using Resume = Game;

// The start looks as always; the first roll puts the kept game back, brings
// the sheet out from under the cover and rolls on it: here its second roll,
// with die 1 held and the call still the only yellow cell.
TEST_F(Resume, TheFirstRollContinuesAGameKeptMidTurn)
{
    Play before;
    playMidTurn(before);
    Play startedFresh;
    startedFresh.engine.Form_Load();
    startedFresh.engine.Timer1();

    engine.OfferKeptGame(decoded(encodeGameState(before.engine.gameState())));
    engine.Form_Load();
    engine.Timer1();
    EXPECT_EQ(state(engine), state(startedFresh.engine));
    engine.Kocka_Click(1);  // nothing to hold on the blank dice
    click(Column::Call, row::FullHouse);
    EXPECT_EQ(state(engine), state(startedFresh.engine));
    shell.take();

    roll({2, 3, 3, 3});
    EXPECT_EQ(shell.take(), concat(concat({"cover B"}, pictures({"d2s.jpg", "d2.jpg", "d3.jpg", "d3.jpg", "d3.jpg"},
                                                                {"cover B", "wait d4.wav"})),
                                   pictures({"d2s.jpg", "d2.jpg", "d3.jpg", "d3.jpg", "d3.jpg"})));
    EXPECT_EQ(engine.RollCount(), 2);
    EXPECT_EQ(yellow(engine), (Cells{{Column::Call, row::FullHouse}}));
    EXPECT_EQ(value(Column::Down, 1), 2);
    engine.Timer1();  // the sums of the kept sheet show at once, mid-turn
    EXPECT_EQ(engine.grandTotal(), 2);
    EXPECT_EQ(engine.rollsLeftText() + engine.zvanjeText(), "2CALL");
    click(Column::Call, row::FullHouse);
    EXPECT_EQ(value(Column::Call, row::FullHouse), 2 + 2 + 9 + 30);
}

// The roll acts as it would on the kept game: a fourth roll is refused
// silently and shows the kept dice; a second roll with only Call cells left
// asks for a call, over the sheet.
TEST_F(Resume, ARollRefusedOnTheKeptGameLeavesItShown)
{
    Play threeRolls;
    for (int n = 0; n < 3; ++n)
        threeRolls.roll({4, 4, 5, 5, 6});
    engine.OfferKeptGame(threeRolls.engine.gameState());
    roll({});
    EXPECT_EQ(shell.take(),
              concat({"cover B"}, pictures({"d4.jpg", "d4.jpg", "d5.jpg", "d5.jpg", "d6.jpg"}, {"cover B"})));
    EXPECT_EQ(engine.gameState(), threeRolls.engine.gameState());

    Play onlyCalls;
    onlyCalls.fill(42);
    onlyCalls.roll({1, 1, 1, 1, 1});
    Play p;
    p.engine.OfferKeptGame(onlyCalls.engine.gameState());
    p.roll({});
    EXPECT_EQ(p.shell.take(), concat({"cover B"}, pictures(std::vector<std::string>(kDiceCount, "d1.jpg"),
                                                           {"message You must place a call first !"})));
    EXPECT_EQ(p.engine.gameState(), onlyCalls.engine.gameState());
}

TEST_F(Resume, ANewGameDropsTheKeptGame)
{
    Play kept;
    kept.fill(3);
    engine.OfferKeptGame(kept.engine.gameState());
    shell.answer = false;
    engine.NewGame_Click();
    EXPECT_TRUE(engine.keptGameWaiting());
    shell.answer = true;
    engine.NewGame_Click();
    EXPECT_FALSE(engine.keptGameWaiting());
    EXPECT_FALSE(engine.gameToKeep());
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(yellow(engine).size(), 30u);  // the first roll of an empty sheet
}

}  // namespace
}  // namespace dakru::test
