#include <algorithm>
#include <functional>

#include "game_record_codec.h"
#include "game_state_codec.h"
#include "harness.h"
#include "kept_game_codec.h"

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
    "Dakru kept game 2\n"
    "Down 2 - - - - - - - - - - - - -\n"
    "DownUp - - - - - - - - - - - - - -\n"
    "Up - - - - - - - - - - - - - -\n"
    "Call - - - - - - - - - - - -* - -\n"
    "dice 2h 2 3 3 3\n"
    "faces 2 2 3 3 3\n"
    "rolls 1\n"
    "call 12\n"
    "playing 1\n"
    "game 00000000000000000000000000000001\n";

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
    ended.fill(56);
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

    // A file of the first version has no identity: the game takes one when it is offered.
    std::string first = kMidTurn;
    first.replace(first.find("kept game 2"), 11, "kept game 1");
    first.erase(first.find("game 0"));
    GameState older = decoded(first);
    EXPECT_FALSE(older.id);
    Play next;
    next.engine.OfferKeptGame(older);
    older.id = GameId{0, 1};
    EXPECT_EQ(next.engine.gameToKeep(), older);
}

// Nothing of a bad file is taken: every cut, other files, other versions,
// values out of range and states that no play reaches.
TEST(KeptGameFile, RefusesDamagedForeignAndNewerFilesWhole)
{
    // The lines after the tenth are there only when they say something, so a
    // cut just before them leaves a whole file (the kept game is always
    // written whole; the identity is new when it is offered again).
    const std::size_t optional = kMidTurn.find("game 0");
    for (std::size_t cut = 0; cut + 1 < kMidTurn.size(); ++cut) {
        if (cut + 1 != optional && cut != optional) {
            EXPECT_FALSE(decodeGameState(kMidTurn.substr(0, cut)).state) << cut;
        }
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

        {replaced("kept game 2", "kept game x"), "damaged header"},
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
        {replaced("game 0", "game x"), "damaged at line 11"},
        {replaced("game 0", "game 00"), "damaged at line 11"},
        {replaced("00000001", "0000000A"), "damaged at line 11"},
        {kMidTurn + "taken 2\n", "damaged at line 11"},
        {kMidTurn + "taken 1\nassisted 1\n", "damaged at line 11"},  // out of order
        {kMidTurn + "taken 1\ntaken 1\n", "damaged at line 11"},
    };
    for (const auto& [text, error] : cases) {
        const DecodedGameState result = decodeGameState(text);
        EXPECT_FALSE(result.state) << text;
        EXPECT_EQ(result.error, error) << text;
        EXPECT_FALSE(result.otherVersion) << text;
    }
    for (const std::string version : {"0", "3", "17"}) {
        const DecodedGameState result = decodeGameState(replaced("kept game 2", "kept game " + version));
        EXPECT_FALSE(result.state);
        EXPECT_TRUE(result.otherVersion) << version;
        EXPECT_EQ(result.error, "version " + version + ", this program reads versions 1 to 2");
    }
}

// A hand-edited file is taken only when play can reach what it holds; the
// marks are the ones the rules give, not whatever the file says.
TEST(KeptGameFile, RefusesPositionsNoPlayReaches)
{
    // Between turns: Down 1 and 2, Up 14 and the call of Full house written.
    const std::string between =
        "Dakru kept game 1\n"
        "Down 3 4 - - - - - - - - - - - -\n"
        "DownUp - - - - - - - - - - - - - -\n"
        "Up - - - - - - - - - - - - - 80\n"
        "Call - - - - - - - - - - - 41 - -\n"
        "dice - - - - -\n"
        "faces 0 0 0 0 0\n"
        "rolls 0\n"
        "call 0\n"
        "playing 1\n";
    ASSERT_TRUE(decodeGameState(between).state);
    ASSERT_TRUE(decodeGameState(kMidTurn).state);
    const auto edit = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> bad[] = {
        {edit(between, "Down 3", "Down 80"), "Ones = 80"},
        {edit(between, "Down 3", "Down 6"), "Ones = 6"},
        {edit(between, "3 4 -", "3 5 -"), "Twos = 5"},
        {edit(between, "Up - - - - - - - - - - - - - 80", "Up - - - - - - - - 14 - - - - 80"), "3 of kind = 14"},
        {edit(between, "- 41 -", "- 36 -"), "Full house = 36"},
        {edit(between, "- 41 -", "- 40 -"), "Full house = 40"},
        {edit(between, "- 41 -", "- 59 -"), "Full house = 59"},
        {edit(between, "Down 3 4 -", "Down - 4 -"), "Down with a gap"},
        {edit(between, "\nUp - -", "\nUp 5 -"), "Up written from the top"},
        {edit(between, "Down 3 4 -", "Down 3 4* -"), "a written cell marked"},
        {edit(between, "Down 3 4 - -", "Down 3 4 -* -"), "marked between turns"},
        {edit(kMidTurn, "Down 2 - -", "Down 2 -* -"), "marked beside a call"},
        {edit(kMidTurn, "- -* - -", "- - - -"), "the call not marked"},
        {edit(kMidTurn, "Up - - - - - - - - - - - - - -", "Up - - - - - - - - - - - - - -*"), "Up 14 marked"},
        {edit(between, "rolls 0", "rolls 1"), "rolled without dice"},
        {edit(kMidTurn, "dice 2h 2 3 3 3", "dice 2h 2 3 3 -"), "a die without a face"},
        {edit(kMidTurn, "faces 2 2", "faces 2 4"), "faces that are not the dice"},
        {edit(between, "dice - -", "dice -h -"), "a blank die held"},
        {edit(between, "faces 0 0 0 0 0", "faces - - - - -"), "faces unset after a turn"},
        {edit(between, "rolls 0", "rolls -"), "a written sheet never rolled"},
        {edit(between, "call 0", "call -"), "a written call never set"},
        {edit(between, "call 0", "call 12"), "a call on a written cell"},
        {edit(kMidTurn, "call 12", "call 0"), "a Call cell marked without a call after the first roll"},
        {edit(between, "playing 1", "playing 0"), "dealt with before the sheet is full"},
    };
    for (const auto& [text, what] : bad) {
        const DecodedGameState result = decodeGameState(text);
        EXPECT_FALSE(result.state) << what;
        EXPECT_EQ(result.error, "a game no play can reach") << what;
    }

    // Only Call cells left and no call: the second roll is refused, so a
    // second roll cannot have been made.
    Play forced;
    forced.fill(42);
    forced.roll({2, 2, 2, 2, 2});
    const std::string oneRoll = encodeGameState(forced.engine.gameState());
    ASSERT_TRUE(decodeGameState(oneRoll).state);
    std::string twoRolls = edit(oneRoll, "rolls 1", "rolls 2");
    twoRolls = edit(twoRolls, "Call -* -* -* -* -* -* -* -* -* -* -* -* -* -*", "Call - - - - - - - - - - - - - -");
    EXPECT_FALSE(decodeGameState(twoRolls).state);
}

TEST(KeptGameFile, AGameIdIsThirtyTwoHexadecimalDigits)
{
    const GameId id{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
    EXPECT_EQ(id.text(), "0123456789abcdeffedcba9876543210");
    EXPECT_EQ(GameId::fromText(id.text()), id);
    for (const std::string_view bad : {"", "0123456789abcdeffedcba987654321", "0123456789abcdeffedcba98765432100",
                                       "0123456789ABCDEFfedcba9876543210", "0123456789abcdef-edcba9876543210"}) {
        EXPECT_FALSE(GameId::fromText(bad)) << bad;
    }
    EXPECT_NE(GameId::make(), GameId::make());
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
    p.engine.NewGame_Click();
    p.fill(56);
    next.engine.OfferKeptGame(p.engine.gameState());
    EXPECT_EQ(next.engine.gameToKeep(), p.engine.gameState());  // still waiting for its first roll

    // Once the table has taken its score, a finished game is over for good,
    // even if the program ended before it could say the score was dealt with.
    p.engine.ScoreTaken();
    EXPECT_EQ(p.engine.gameToKeep(), p.engine.gameState());
    EXPECT_TRUE(decoded(encodeGameState(p.engine.gameState())).scoreTaken);
    Play after;
    after.engine.OfferKeptGame(p.engine.gameState());
    EXPECT_FALSE(after.engine.keptGameWaiting());
    EXPECT_FALSE(after.engine.gameToKeep());
}

// A game has one identity from its first roll to its end: every turn,
// undo and hand-over keeps it, and only the next game's first roll makes a new one.
TEST(KeptGame, AGameHasOneIdentityFromItsFirstRollToItsEnd)
{
    Play p;
    EXPECT_FALSE(p.engine.gameState().id);
    p.roll({1, 2, 3, 4, 5});
    EXPECT_EQ(p.engine.gameState().id, (GameId{0, 1}));
    p.click(Column::DownUp, 1);
    p.engine.Undo();
    p.click(Column::Down, 1);
    const Cells order = fillOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        p.write(order[i].first, order[i].second);
    }
    p.engine.Timer2();
    ASSERT_EQ(p.shell.finished.size(), 1u);
    EXPECT_EQ(p.shell.finished[0].id, (GameId{0, 1}));
    p.engine.ScoreDealtWith();
    p.engine.NewGame_Click();
    EXPECT_FALSE(p.engine.gameState().id);
    p.roll({1, 2, 3, 4, 5});
    EXPECT_EQ(p.engine.gameState().id, (GameId{0, 2}));
}

// The record of every decision travels with the kept game and goes on from
// where it was left; a game kept without one starts its record there.
TEST(KeptGame, TheRecordGoesOnWithTheKeptGame)
{
    Play before;
    playMidTurn(before);
    const std::string text = encodeKeptGame(before.engine.gameState(), before.engine.record());
    const DecodedKeptGame kept = decodeKeptGame(text);
    ASSERT_TRUE(kept.state && kept.record) << kept.error << kept.recordError;
    EXPECT_EQ(*kept.record, before.engine.record());

    Play after;
    after.engine.OfferKeptGame(*kept.state, kept.record);
    EXPECT_EQ(after.engine.recordToKeep(), before.engine.record());
    after.roll({});  // takes the kept game up
    after.click(Column::Call, row::FullHouse);
    before.click(Column::Call, row::FullHouse);
    EXPECT_EQ(after.engine.record(), before.engine.record());
    ASSERT_EQ(after.engine.record().events.size(), 5U);  // roll, write, roll, call, write
    EXPECT_EQ(after.engine.record().events[3].move, RecordedMove::Call);

    // Kept by a version that did not record, or with a record this version
    // cannot read: the game goes on, its record from this position.
    for (const std::string& file :
         {encodeGameState(*kept.state), text.substr(0, text.find("Dakru game record")) + "Dakru game record 99\n"}) {
        const DecodedKeptGame older = decodeKeptGame(file);
        ASSERT_TRUE(older.state);
        EXPECT_FALSE(older.record);
        Play next;
        next.engine.OfferKeptGame(*older.state, older.record);
        ASSERT_TRUE(next.engine.recordToKeep().start);
        EXPECT_EQ(next.engine.recordToKeep().firstTurn(), 2);
        EXPECT_TRUE(next.engine.recordToKeep().startsMidTurn());
    }
}

using Resume = Game;

// The start looks as always; the first roll press puts the kept game back
// exactly as it was left, brings the sheet out from under the cover and
// throws nothing: here a first roll with die 1 held and a call on Full house.
TEST_F(Resume, TheFirstRollPressShowsAGameKeptMidTurnAsItWasLeft)
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

    roll({});
    EXPECT_EQ(shell.take(), concat({"cover B"}, pictures({"d2s.jpg", "d2.jpg", "d3.jpg", "d3.jpg", "d3.jpg"})));
    EXPECT_EQ(engine.gameState(), before.engine.gameState());
    engine.Timer1();  // the sums of the kept sheet show at once, mid-turn
    EXPECT_EQ(engine.grandTotal(), 2);
    EXPECT_EQ(engine.rollsLeftText() + engine.zvanjeText(), "1CALL");
    click(Column::Call, row::FullHouse);  // written with the kept dice
    EXPECT_EQ(value(Column::Call, row::FullHouse), 2 + 2 + 9 + 30);
}

// From a kept position the turn goes on as if the program had never closed.
TEST_F(Resume, EveryKeptPositionPlaysOnAsBefore)
{
    struct Case {
        const char* what;
        std::function<void(Play&)> play;  // up to the kept position
        std::function<void(Play&)> next;  // what the player does after the roll press
    };
    const Case cases[] = {
        {"first roll, no call",
         [](Play& p) {
             p.roll({1, 2, 3, 4, 6});
         },
         [](Play& p) {
             p.click(Column::Call, row::LargeStraight);  // a call is still open after the first roll
             p.engine.Kockap_Click(1);
             p.roll({5, 5, 5, 5});
         }},
        {"second roll, a die held",
         [](Play& p) {
             p.roll({1, 2, 3, 4, 6});
             p.engine.Kocka_Click(5);
             p.roll({1, 1, 1, 1});
         },
         [](Play& p) {
             p.engine.Kocka_Click(5);
             p.engine.Kocka_Click(2);
             p.roll({6, 6, 6, 6});
             p.click(Column::Down, 1);
         }},
        {"three rolls",
         [](Play& p) {
             p.write(Column::Down, 1);
             for (const int face : {1, 2, 3})
                 p.roll(Dice(kDiceCount, face));
         },
         [](Play& p) {
             p.roll({});  // a fourth is refused
             p.click(Column::Down, 2);
         }},
        {"forced call",
         [](Play& p) {
             p.fill(42), p.roll({4, 4, 4, 2, 2});
         },
         [](Play& p) {
             p.engine.Roll_Click();  // refused: a call first
             p.click(Column::Call, row::FullHouse);
             p.click(Column::Call, row::FullHouse);
         }},
        {"between turns",
         [](Play& p) {
             p.write(Column::DownUp, 5, {5, 5, 1, 2, 3});
         },
         [](Play& p) { p.click(Column::Down, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Play before, after;
        c.play(before);
        after.engine.OfferKeptGame(decoded(encodeGameState(before.engine.gameState())));
        const bool betweenTurns = before.engine.RollCount() == 0;
        after.roll(betweenTurns ? Dice{1, 1, 1, 1, 1} : Dice{});
        if (betweenTurns) {
            before.roll({1, 1, 1, 1, 1});  // the same roll without the break
        }
        EXPECT_EQ(after.engine.gameState(), before.engine.gameState());
        before.shell.take();
        after.shell.take();
        c.next(before);
        c.next(after);
        EXPECT_EQ(after.engine.gameState(), before.engine.gameState());
        EXPECT_EQ(after.shell.take(), before.shell.take());
    }
}

// NEW never drops a score: a kept full sheet not yet dealt with is handed
// over first, with no question, and only the next NEW asks.
TEST_F(Resume, ANewGameHandsOverAKeptFullSheetFirst)
{
    Play full;
    full.fill(56);
    engine.OfferKeptGame(decoded(encodeGameState(full.engine.gameState())));
    engine.NewGame_Click();
    const Log log = shell.take();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(Log(log.end() - 2, log.end()), (Log{"cover F", "handover 468"}));
    EXPECT_EQ(std::ranges::count_if(log, [](const std::string& line) { return line.starts_with("ask"); }), 0);
    EXPECT_FALSE(engine.keptGameWaiting());
    EXPECT_EQ(engine.gameToKeep(), full.engine.gameState());  // kept until the score is dealt with
    engine.ScoreDealtWith();
    EXPECT_FALSE(engine.gameToKeep());
    engine.NewGame_Click();
    EXPECT_EQ(shell.take().front(), "ask Are you sure you want to play a New Game?");
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
