// A game's record as text: what it holds, written and read back whole, and
// every text it did not write refused with a reason.

#include "game_record_codec.h"
#include "harness.h"
#include "reachable.h"

namespace dakru::test {
namespace {

// Down 1 written, then a first roll, a call on Full house and die 1 held.
GameState midTurn()
{
    Play p;
    p.write(Column::Down, 1, {1, 1, 2, 3, 4});
    p.roll({2, 2, 3, 3, 3});
    p.click(Column::Call, row::FullHouse);
    p.engine.Kocka_Click(1);
    return p.engine.gameState();
}

GameRecord everyKindOfEvent(GameRecord record = {})
{
    record.roll({}, {1, 3, 3, 5, 6});
    record.hint();
    record.roll({false, true, true, false, false}, {2, 3, 3, 3, 4});
    record.call(row::ThreeOfKind);
    record.undo();
    record.write(Column::DownUp, row::ThreeOfKind);
    return record;
}

const std::string kWhole =
    "Dakru game record 1\n"
    "r 1 3 3 5 6\n"
    "h\n"
    "r 2 3h 3h 3 4\n"
    "c 9\n"
    "u\n"
    "w DownUp 9\n";

const std::string kTakenUp =
    "Dakru game record 1\n"
    "start\n"
    "Down 2 - - - - - - - - - - - - -\n"
    "DownUp - - - - - - - - - - - - - -\n"
    "Up - - - - - - - - - - - - - -\n"
    "Call - - - - - - - - - - - - - -\n"
    "dice 2h 2 3 3 3\n"
    "rolls 1\n"
    "call 12\n"
    "r 2 2 3 3 3\n"
    "w Call 12\n";

GameRecord decoded(const std::string& text)
{
    const DecodedGameRecord result = decodeGameRecord(text);
    EXPECT_TRUE(result.record) << result.error;
    return result.record.value_or(GameRecord{});
}

TEST(GameRecordText, WritesEveryEventAsALineAndReadsItBackWhole)
{
    const GameRecord whole = everyKindOfEvent();
    EXPECT_EQ(encodeGameRecord(whole), kWhole);
    EXPECT_EQ(decoded(kWhole), whole);
    EXPECT_EQ(whole.firstTurn(), 1);
    EXPECT_FALSE(whole.startsMidTurn());

    GameRecord takenUp = GameRecord::startingAt(midTurn());
    takenUp.roll({}, {2, 2, 3, 3, 3});
    takenUp.write(Column::Call, row::FullHouse);
    EXPECT_EQ(encodeGameRecord(takenUp), kTakenUp);
    EXPECT_EQ(decoded(kTakenUp), takenUp);

    std::string crlf;
    for (const char c : kTakenUp)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(decoded(crlf), takenUp);
    EXPECT_EQ(decoded(kTakenUp.substr(0, kTakenUp.size() - 1)), takenUp);  // no last line end
    EXPECT_EQ(decoded("Dakru game record 1\n"), GameRecord{});
}

// The start keeps what play reads of the position, with the marks the rules
// give it; a game taken up between turns before its first write is a new game.
TEST(GameRecordText, AStartKeepsThePositionPlayGoesOnFrom)
{
    GameState kept = midTurn();
    const GameRecord record = GameRecord::startingAt(kept);
    ASSERT_TRUE(record.start);
    kept.id.reset();  // the game's identity is no part of its position
    EXPECT_EQ(*record.start, kept);
    EXPECT_TRUE(reachable(*record.start));
    EXPECT_EQ(record.firstTurn(), 2);
    EXPECT_TRUE(record.startsMidTurn());

    Play betweenTurns;
    betweenTurns.fill(20);
    GameState assisted = betweenTurns.engine.gameState();
    assisted.assisted = true;
    const GameRecord later = GameRecord::startingAt(assisted);
    ASSERT_TRUE(later.start);
    EXPECT_FALSE(later.start->assisted);
    EXPECT_EQ(later.firstTurn(), 21);
    EXPECT_FALSE(later.startsMidTurn());
    EXPECT_EQ(decoded(encodeGameRecord(later)), later);

    EXPECT_FALSE(GameRecord::startingAt(GameState{}).start);
    Play fresh;
    fresh.engine.NewGame_Click();
    EXPECT_FALSE(GameRecord::startingAt(fresh.engine.gameState()).start);
}

TEST(GameRecordText, RefusesWhatItDidNotWrite)
{
    const auto replaced = [](const std::string& text, const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const auto whole = [&](const std::string& from, const std::string& to) { return replaced(kWhole, from, to); };
    const auto takenUp = [&](const std::string& from, const std::string& to) { return replaced(kTakenUp, from, to); };
    const std::pair<std::string, std::string> cases[] = {
        {"", "not a game record"},
        {std::string("\0\xff\xfe garbage\n", 13), "not a game record"},
        {"Dakru kept game 1\n", "not a game record"},
        {whole("record 1", "record x"), "damaged header"},

        {whole("r 1 3 3 5 6", "r 1 3 3 5"), "damaged at line 2"},
        {whole("r 1 3 3 5 6", "r 1 3 3 5 6 6"), "damaged at line 2"},
        {whole("r 1 3 3 5 6", "r 0 3 3 5 6"), "damaged at line 2"},
        {whole("r 1 3 3 5 6", "r 1 3 3 5 7"), "damaged at line 2"},
        {whole("r 1 3 3 5 6", "r 1 3 3 5 6h h"), "damaged at line 2"},
        {whole("r 1 3 3 5 6", "r 1 3  3 5 6"), "damaged at line 2"},
        {whole("r 1 3 3 5 6", "r 1 3x 3 5 6"), "damaged at line 2"},
        {whole("h\n", "hint\n"), "damaged at line 3"},
        {whole("h\n", "\n"), "damaged at line 3"},
        {whole("c 9", "c 15"), "damaged at line 5"},
        {whole("c 9", "c 0"), "damaged at line 5"},
        {whole("c 9", "c"), "damaged at line 5"},
        {whole("u\n", "u 1\n"), "damaged at line 6"},
        {whole("w DownUp 9", "w Down\\Up 9"), "damaged at line 7"},
        {whole("w DownUp 9", "w DownUp 15"), "damaged at line 7"},
        {whole("w DownUp 9", "w 9"), "damaged at line 7"},
        {kWhole + "x\n", "damaged at line 8"},

        {takenUp("Down 2", "Down 81"), "damaged at line 3"},
        {takenUp("DownUp", "Down"), "damaged at line 4"},
        {takenUp("Call - -", "Call -"), "damaged at line 6"},
        {takenUp("dice 2h", "dice 7h"), "damaged at line 7"},
        {takenUp("rolls 1", "rolls 4"), "damaged at line 8"},
        {takenUp("call 12", "call 15"), "damaged at line 9"},
        {kTakenUp.substr(0, kTakenUp.find("rolls")), "damaged at line 8"},
        // A call with the dice still blank, a write no row scores.
        {takenUp("dice 2h 2 3 3 3", "dice - - - - -"), "a start no play can reach"},
        {takenUp("Down 2", "Down 7"), "a start no play can reach"},
    };
    for (const auto& [text, error] : cases) {
        const DecodedGameRecord result = decodeGameRecord(text);
        EXPECT_FALSE(result.record) << text;
        EXPECT_EQ(result.error, error) << text;
        EXPECT_FALSE(result.otherVersion) << text;
    }
    for (const std::string version : {"0", "2", "17"}) {
        const DecodedGameRecord result = decodeGameRecord(whole("record 1", "record " + version));
        EXPECT_FALSE(result.record);
        EXPECT_TRUE(result.otherVersion) << version;
        EXPECT_EQ(result.error, "version " + version + ", this program reads version 1");
    }
}

}  // namespace
}  // namespace dakru::test
