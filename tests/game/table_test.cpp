// A game for several players at one table: whole turns in order, a sheet
// each under the same rules, the end and its ranking, undo that never takes
// back a computer's move, and the whole table kept and taken up again.
#include "harness.h"
#include "kept_game_codec.h"
#include "reachable.h"

namespace dakru::test {
namespace {

const std::vector<Seat> kThree{{"Ann", std::nullopt}, {"Medium", "medium"}, {"Bob", std::nullopt}};

class Table : public Game {
protected:
    void SetUp() override { engine.NewGame_Click(kThree); }

    // The player whose turn it is writes the next cell of fillOrder() on
    // their own sheet, with the faces given.
    void turn(const Dice& faces = {1, 1, 1, 1, 1})
    {
        const int seat = engine.seatToPlay();
        const int filled = writtenCells(engine.gameState().cells);
        const auto [column, row] = fillOrder()[static_cast<std::size_t>(filled)];
        roll(faces);
        if (column == Column::Call)
            click(column, row);
        click(column, row);
        ASSERT_EQ(writtenCells(engine.gameOf(seat).cells), filled + 1) << "cell not written";
    }
    // A round: every player one turn, seat 0's with `first`.
    void round(const Dice& first = {1, 1, 1, 1, 1})
    {
        turn(first);
        turn();
        turn();
    }
};

TEST_F(Table, PlayersTakeWholeTurnsInOrderEachOnTheirOwnSheet)
{
    EXPECT_TRUE(engine.tableGame());
    EXPECT_EQ(engine.seatToPlay(), 0);
    roll({6, 6, 6, 6, 6});
    roll({6, 6, 6, 6, 6});
    EXPECT_EQ(engine.seatToPlay(), 0) << "rolls do not pass the turn";
    click(Column::Down, 1);
    EXPECT_EQ(engine.seatToPlay(), 1);
    EXPECT_TRUE(engine.computerToPlay());
    EXPECT_FALSE(value(Column::Down, 1)) << "the next player's sheet is empty";
    EXPECT_EQ(engine.RollCount(), 0);
    turn();
    EXPECT_EQ(engine.seatToPlay(), 2);
    turn();
    EXPECT_EQ(engine.seatToPlay(), 0);
    EXPECT_EQ(value(Column::Down, 1), 0) << "five sixes in the ones";

    // Each sheet keeps its own Down order: Ann's Down 2 is open, Bob's too.
    roll({2, 2, 2, 2, 2});
    EXPECT_TRUE(engine.cell(Column::Down, 2).marked);
    EXPECT_FALSE(engine.cell(Column::Down, 3).marked);
    EXPECT_EQ(engine.gameOf(1).cells[index(Column::Down)][0].value, 5);
    EXPECT_EQ(engine.gameOf(2).cells[index(Column::Down)][0].value, 5);
}

// After the last write of the last player the game ends: every person's game
// goes to the history with its record and the table, the computer's does
// not, and the ranking is best first with ties in the order of play.
TEST_F(Table, TheEndRecordsThePersonsAndRanksEveryone)
{
    round({6, 6, 6, 6, 6});  // Ann's ones are none: 5 points short of the others
    for (int n = 1; n < kCellCount; ++n) {
        round();
    }
    EXPECT_EQ(engine.seatToPlay(), 2);
    shell.take();
    engine.Timer2();
    EXPECT_EQ(shell.take(), (Log{"cover F", "ranking 1:468 2:468 0:463"}));
    ASSERT_EQ(shell.finishedSeats, (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(shell.finished[0].cells[index(Column::Down)][0].value, 0);
    // A roll and a write each turn, and the call of each Call cell.
    EXPECT_EQ(shell.finishedRecords[0].events.size(), 2U * kCellCount + kRowCount);
    EXPECT_NE(shell.finished[0].id, shell.finished[1].id);

    engine.ScoreDealtWith();
    EXPECT_FALSE(engine.rollVisible());
    EXPECT_FALSE(engine.tableToKeep());
    engine.Timer2();
    EXPECT_EQ(shell.take(), Log{}) << "handed over once";
}

// Undo takes back a person's last write or call until the next roll, also
// once the turn has passed on; never a computer's.
TEST_F(Table, UndoTakesBackAPersonsMoveNeverAComputers)
{
    roll({3, 3, 3, 3, 3});
    click(Column::DownUp, 3);
    EXPECT_EQ(engine.seatToPlay(), 1);
    engine.Undo();
    EXPECT_EQ(engine.seatToPlay(), 0) << "the turn comes back to Ann";
    EXPECT_FALSE(value(Column::DownUp, 3));
    EXPECT_EQ(engine.RollCount(), 1);
    click(Column::DownUp, 3);

    turn();  // the computer's write
    EXPECT_EQ(engine.seatToPlay(), 2);
    engine.Undo();
    EXPECT_EQ(engine.seatToPlay(), 2) << "a computer's write stays";
    EXPECT_EQ(writtenCells(engine.gameOf(1).cells), 1);

    turn();  // Bob's write, then Ann rolls: Bob's write is for good
    roll({1, 2, 3, 4, 5});
    engine.Undo();
    EXPECT_EQ(engine.seatToPlay(), 0);
    EXPECT_EQ(writtenCells(engine.gameOf(2).cells), 1);
}

// The whole table is kept and comes back at the first roll press exactly as
// it was left, in the middle of a computer's turn too.
TEST_F(Table, TheWholeTableIsKeptAndTakenUpAgain)
{
    round();
    turn();
    roll({4, 4, 4, 2, 1});  // the computer's first roll
    engine.Kocka_Click(1);
    engine.HintShown();  // no hint for a computer in practice; recorded on its game alone here
    const std::optional<TableGames> kept = engine.tableToKeep();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->seats, kThree);
    EXPECT_EQ(kept->turn, 1);
    EXPECT_FALSE(engine.gameToKeep()) << "a table is kept whole, not as one game";

    Play next;
    next.engine.OfferKeptTable(*kept);
    EXPECT_TRUE(next.engine.keptGameWaiting());
    EXPECT_EQ(next.engine.tableToKeep(), kept);
    next.roll({});
    EXPECT_EQ(next.engine.seatToPlay(), 1);
    EXPECT_EQ(next.engine.gameState(), engine.gameState());
    EXPECT_EQ(next.engine.gameOf(0), engine.gameOf(0));
    EXPECT_TRUE(next.engine.gameState().assisted);
    EXPECT_FALSE(next.engine.gameOf(0).assisted) << "a hint marks one player's game only";
    EXPECT_EQ(next.engine.record(), engine.record());

    // A table whose persons' scores have all gone to the table is over.
    TableGames over = *kept;
    for (GameState& game : over.games)
        game.scoreTaken = true;
    Play after;
    after.engine.OfferKeptTable(over);
    EXPECT_FALSE(after.engine.keptGameWaiting());
}

// The kept table as text: every player's game with its record, read back
// whole; anything play cannot reach, or a damaged line, is refused.
TEST_F(Table, TheKeptTableIsTextReadBackWholeOrNotAtAll)
{
    round();
    turn();
    roll({4, 4, 4, 2, 1});
    const TableGames table = *engine.tableToKeep();
    const std::string text = encodeKeptTable(table);
    EXPECT_TRUE(text.starts_with("Dakru kept table 1\nturn 1\nplayer person Ann\nDakru kept game 2\n")) << text;
    EXPECT_NE(text.find("\nplayer computer medium Medium\nDakru kept game 2\n"), std::string::npos);
    EXPECT_TRUE(isKeptTable(text));
    EXPECT_FALSE(isKeptTable(encodeKeptGame(engine.gameState(), engine.record())));
    const DecodedKeptTable decoded = decodeKeptTable(text);
    ASSERT_TRUE(decoded.table) << decoded.error;
    EXPECT_EQ(*decoded.table, table);

    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string edited = text;
        edited.replace(edited.find(from), from.size(), to);
        return edited;
    };
    const std::pair<std::string, std::string> bad[] = {
        {replaced("kept table 1", "kept table x"), "damaged header"},
        {replaced("turn 1", "turn one"), "damaged at line 2"},
        {replaced("turn 1", "turn 2"), "not a table that play can reach"},  // Bob is not inside a turn
        {replaced("turn 1", "turn 7"), "not a table that play can reach"},
        {replaced("player person Ann", "player robot Ann"), "damaged at line 3"},
        {replaced("player computer medium Medium", "player computer medium"), "damaged at line 20"},
        {replaced("Down 5 ", "Down 5 5 "), "damaged at line 4"},
    };
    for (const auto& [edited, error] : bad) {
        const DecodedKeptTable refused = decodeKeptTable(edited);
        EXPECT_FALSE(refused.table) << edited;
        EXPECT_EQ(refused.error, error) << edited;
    }
    const DecodedKeptTable newer = decodeKeptTable(replaced("kept table 1", "kept table 2"));
    EXPECT_TRUE(newer.otherVersion);
}

// NEW plays again with the same players; a table of one person is the game
// alone, kept as always.
TEST_F(Table, ANewGameKeepsThePlayersUntilTheSetupChanges)
{
    round();
    engine.NewGame_Click();
    EXPECT_TRUE(engine.tableGame());
    EXPECT_EQ(engine.seatToPlay(), 0);
    EXPECT_EQ(writtenCells(engine.gameOf(2).cells), 0);

    engine.NewGame_Click(std::vector<Seat>{{"Ann", std::nullopt}});
    EXPECT_FALSE(engine.tableGame());
    roll({1, 2, 3, 4, 5});
    EXPECT_TRUE(engine.gameToKeep());
    EXPECT_FALSE(engine.tableToKeep());
}

}  // namespace
}  // namespace dakru::test
