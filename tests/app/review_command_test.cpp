// dakru --review [N]: read from the command line, and the review it prints of
// a known history line for line; the games it leaves out (damaged, without a
// record) and its exit status and one line when there is nothing to review;
// the real program without a display.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "command_line.h"
#include "game_record_codec.h"
#include "history_database.h"
#include "history_review.h"
#include "review_text.h"
#include "row_value.h"
#include "self_play.h"
#include "totals.h"

namespace dakru::app {
namespace {

namespace fs = std::filesystem;

// A finished game as the history keeps it, with its sums and score by the rules.
history::FinishedGame stored(const Sheet& sheet, const GameRecord* record, std::string endedAt, std::string table = {})
{
    history::FinishedGame game;
    game.endedAt = std::move(endedAt);
    for (int row = 1; row <= kRowCount; ++row) {
        for (const Column column : kColumns) {
            game.cells[static_cast<std::size_t>((row - 1) * kColumnCount + index(column))] =
                sheet[index(column)][row - 1].value.value_or(0);
        }
    }
    const Totals totals = computeTotals(sheet);
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            game.sectionSums[index(section)][index(column)] = totals.sums[index(section)][index(column)];
        }
    }
    game.finalScore = totals.grandTotal;
    game.record = record != nullptr ? encodeGameRecord(*record) : std::string();
    game.table = std::move(table);
    static int games = 0;
    game.gameId = std::to_string(++games);
    return game;
}

// The last turn with Down\Up's Dakru cell open, every other cell what five 1s
// score in it (413 in all): four sixes, a hint, 0 written and taken back, then
// three sixes held twice and nothing made (see the review's own text test).
std::pair<GameRecord, Sheet> knownGame()
{
    GameState state;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            state.cells[index(column)][row - 1].value = RowValue(row, {1, 1, 1, 1, 1});
        }
    }
    state.cells[index(Column::DownUp)][row::Dakru - 1].value.reset();
    state.RollCount = 0;
    state.CalledRow = 0;
    state.DiceFaces.fill(0);
    GameRecord record = GameRecord::startingAt(state);
    const std::array<bool, kDiceCount> threeSixes{true, true, true, false, false};
    record.roll({}, {6, 6, 6, 6, 1});
    record.hint();
    record.write(Column::DownUp, row::Dakru);
    record.undo();
    record.roll(threeSixes, {6, 6, 6, 2, 3});
    record.roll(threeSixes, {6, 6, 6, 4, 5});
    record.write(Column::DownUp, row::Dakru);
    Sheet sheet = state.cells;
    sheet[index(Column::DownUp)][row::Dakru - 1].value = 0;
    return {record, sheet};
}

class ReviewCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        advisor::GreedyPlayer greedy;
        const advisor::PlayedGame old = advisor::playGame(greedy, 1);
        const auto [record, sheet] = knownGame();
        history::FinishedGame damaged = stored(sheet, &record, "2026-12-04T08:00:00Z");
        damaged.finalScore += 1;
        add({stored(old.sheet, nullptr, "2026-12-01T20:00:00Z"),
             stored(atTable.sheet, &atTable.record, "2026-12-02T20:00:00Z", "you,easy,strong"),
             stored(sheet, &record, "2026-12-03T21:00:00Z"), damaged});
    }

    void add(const std::vector<history::FinishedGame>& games)
    {
        auto database = history::HistoryDatabase::open(player / history::HistoryDatabase::kFileName);
        ASSERT_TRUE(database);
        for (const history::FinishedGame& game : games) {
            ASSERT_TRUE(database->record(game));
        }
    }

    // The exit status, with what was said on each stream.
    int run(int n, std::string& out, std::string& err)
    {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int status = printReview(player, n);
        err = ::testing::internal::GetCapturedStderr();
        out = ::testing::internal::GetCapturedStdout();
        return status;
    }

    advisor::PlayedGame atTable = [] {
        advisor::GreedyPlayer greedy;
        return advisor::playGame(greedy, 2);
    }();
    QTemporaryDir folder;
    // The player's folder as the program finds it under XDG_DATA_HOME.
    fs::path player = fs::path(folder.path().toStdString()) / "Dakru";
};

TEST(ReviewCommand, CommandLineAsksForTheNthLastGame)
{
    const struct {
        QStringList arguments;
        CommandLine::Request request;
        int game;
        const char* said;  // the start of the text for a refusal, none for a review
    } cases[] = {
        {{"--review"}, CommandLine::Request::Review, 1, nullptr},
        {{"--review", "3"}, CommandLine::Request::Review, 3, nullptr},
        {{"3", "--review"}, CommandLine::Request::Review, 3, nullptr},
        {{"--review", "0"}, CommandLine::Request::Refuse, 1, "Bad game number '0' for --review"},
        {{"--review", "two"}, CommandLine::Request::Refuse, 1, "Bad game number 'two' for --review"},
        {{"--review", "1.5"}, CommandLine::Request::Refuse, 1, "Bad game number '1.5'"},
        {{"--review", "99999999999"}, CommandLine::Request::Refuse, 1, "Bad game number '99999999999'"},
        {{"--review", "-2"}, CommandLine::Request::Refuse, 1, "Unknown option '2'."},
        {{"--review", "1", "2"}, CommandLine::Request::Refuse, 1, "Unexpected argument '1'."},
        {{"--review=2"}, CommandLine::Request::Refuse, 1, "Unexpected value after '--review'."},
        {{"--review", "--export-history", "a.csv"},
         CommandLine::Request::Refuse,
         1,
         "--export-history and --review cannot be given together."},
        {{"2"}, CommandLine::Request::Refuse, 1, "Unexpected argument '2'."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
        const CommandLine line = readCommandLine(QStringList{QStringLiteral("dakru")} + c.arguments);
        EXPECT_EQ(line.request, c.request);
        EXPECT_EQ(line.reviewGame, c.game);
        if (c.said == nullptr) {
            EXPECT_TRUE(line.text.isEmpty()) << qPrintable(line.text);
        } else {
            EXPECT_TRUE(line.text.startsWith(QString::fromLatin1(c.said))) << qPrintable(line.text);
            EXPECT_TRUE(line.text.contains(QLatin1String("Usage:"))) << qPrintable(line.text);
        }
    }
    EXPECT_TRUE(
        readCommandLine({QStringLiteral("dakru"), QStringLiteral("--help")}).text.contains(QLatin1String("--review")));
}

TEST(ReviewCommand, GamesCountedBack)
{
    const std::pair<int, const char*> cases[] = {{1, "last"},         {2, "2nd last"},    {3, "3rd last"},
                                                 {4, "4th last"},     {11, "11th last"},  {12, "12th last"},
                                                 {13, "13th last"},   {21, "21st last"},  {22, "22nd last"},
                                                 {101, "101st last"}, {111, "111th last"}};
    for (const auto& [n, text] : cases) {
        EXPECT_EQ(countedBack(n), text);
    }
}

// The last game with a record, after a newer damaged one: which game, the
// headline figures, then the costly decision.
TEST_F(ReviewCommandTest, TheLastRecordedGameLineForLine)
{
    std::string out;
    std::string err;
    ASSERT_EQ(run(1, out, err), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(out,
              "The last game with a record, ended 2026-12-03T21:00:00Z, 413 points, played alone.\n"
              "A game of 413 points, reviewed against the advisor from turn 56: the turns before it were not "
              "recorded.\n"
              "Points lost: 17.0 in 2 decisions, 8.49 a decision; best decisions: 50.0 %.\n"
              "Grades: 1 best, 0 inaccuracies, 0 mistakes, 1 blunder (losing 0.25 points or more is an inaccuracy, "
              "2.5 a mistake, 10 a blunder).\n"
              "Lost by kind: holds 17.0 in 2, calls 0.0 in 0, writes 0.0 in 0.\n"
              "Lost by column: Down 0.0, Down\\Up 17.0, Up 0.0, Call 0.0.\n"
              "Rows that lost most: Dakru (17.0).\n"
              "Hints shown: 1; undos: 1.\n"
              "\n"
              "Mistakes and blunders, with the expected final score after each move:\n"
              "Turn 56, roll 1, dice 6 6 6 6 1: Hold the three sixes and roll (420.5); best: Hold the four sixes "
              "and roll (437.4); 17.0 lost, blunder, after a hint\n");

    // The one before: a whole game at a table.
    ASSERT_EQ(run(2, out, err), 0) << err;
    advisor::Advisor advisor;
    const review::Reviewed reviewed = review::reviewGame(atTable.record, atTable.sheet, advisor);
    ASSERT_TRUE(reviewed.review);
    EXPECT_EQ(out, "The 2nd last game with a record, ended 2026-12-02T20:00:00Z, " + std::to_string(atTable.finalScore)
                       + " points, played at a table of 3.\n" + review::reviewText(*reviewed.review));
}

// Nothing to review is one line and status 1, whatever the reason.
TEST_F(ReviewCommandTest, NothingToReviewIsOneLine)
{
    std::string out;
    std::string err;
    EXPECT_EQ(run(3, out, err), 1);
    EXPECT_EQ(err, "dakru: there is no 3rd last game to review: 2 games have a record of their decisions\n");
    EXPECT_EQ(out, "");

    // A record that does not reach its game's sheet.
    fs::remove_all(player);
    const auto [record, sheet] = knownGame();
    Sheet other = sheet;
    other[index(Column::DownUp)][row::Dakru - 1].value = 80;
    add({stored(other, &record, "2026-12-05T10:00:00Z")});
    EXPECT_EQ(run(1, out, err), 1);
    EXPECT_EQ(err.rfind("dakru: the game that ended 2026-12-05T10:00:00Z, 493 points, played alone cannot be "
                        "reviewed: ",
                        0),
              0u)
        << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(out, "");

    fs::remove_all(player);
    add({stored(sheet, nullptr, "2026-12-05T10:00:00Z")});
    EXPECT_EQ(run(1, out, err), 1);
    EXPECT_EQ(err,
              "dakru: no game in the history has a record of its decisions to review (games played before Dakru "
              "kept them have none)\n");

    fs::remove_all(player);
    EXPECT_EQ(run(1, out, err), 1);
    EXPECT_EQ(err, "dakru: no game has been played to the end yet, so there is none to review\n");
    EXPECT_FALSE(fs::exists(player)) << "the history is only read";
}

// The real program in a terminal without a desktop.
TEST_F(ReviewCommandTest, TheProgramReviewsWithoutADisplay)
{
    const struct {
        QStringList arguments;
        int exitCode;
        const char* out;  // the start of each stream
        const char* err;
    } cases[] = {
        {{"--review"}, 0, "The last game with a record, ended 2026-12-03T21:00:00Z, 413 points", ""},
        {{"--review", "2"}, 0, "The 2nd last game with a record", ""},
        {{"--review", "5"}, 1, "", "dakru: there is no 5th last game to review"},
        {{"--review", "x"}, 2, "", "Bad game number 'x' for --review"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QString::fromLatin1(name));
        }
        env.insert(QStringLiteral("HOME"), folder.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), folder.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DAKRU_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(60000));
        const std::string out = program.readAllStandardOutput().toStdString();
        const std::string err = program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << err;
        EXPECT_EQ(program.exitCode(), c.exitCode) << err;
        EXPECT_EQ(out.rfind(c.out, 0), 0u) << out;
        EXPECT_EQ(err.rfind(c.err, 0), 0u) << err;
        if (c.exitCode == 1) {
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
    }
}

}  // namespace
}  // namespace dakru::app
