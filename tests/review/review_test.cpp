// The review of a record: the advisor's own play loses nothing, the last turn
// is priced exactly, hints and undos are told, and a record that is not the
// game's is refused with a reason.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>

#include "reachable.h"
#include "replay.h"
#include "review.h"
#include "row_value.h"
#include "self_play.h"
#include "totals.h"

namespace dakru::review {
namespace {

using Holds = std::array<bool, kDiceCount>;
using Faces = std::array<int, kDiceCount>;

constexpr Holds kNone{};
constexpr Holds kFirstFour{true, true, true, true, false};
constexpr Holds kAll{true, true, true, true, true};

// Every cell written as five 1s score it, but for the open ones.
GameState takenUpWith(const std::vector<std::pair<Column, int>>& open)
{
    GameState state;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            state.cells[index(column)][row - 1].value = RowValue(row, {1, 1, 1, 1, 1});
        }
    }
    for (const auto& [column, row] : open) {
        state.cells[index(column)][row - 1].value.reset();
    }
    state.RollCount = 0;
    state.CalledRow = 0;
    state.DiceFaces.fill(0);
    return state;
}

// The last turn, with only Down\Up's Dakru cell open.
GameRecord lastTurn()
{
    return GameRecord::startingAt(takenUpWith({{Column::DownUp, row::Dakru}}));
}

Sheet finalSheet(const GameRecord& record, int dakru)
{
    Sheet sheet = record.start->cells;
    sheet[index(Column::DownUp)][row::Dakru - 1].value = dakru;
    for (auto& column : sheet) {
        for (Cell& c : column) {
            c.marked = false;
        }
    }
    return sheet;
}

Review reviewed(const GameRecord& record, const Sheet& sheet, advisor::Advisor& advisor)
{
    const Reviewed result = reviewGame(record, sheet, advisor);
    EXPECT_TRUE(result.review) << result.refusal;
    return result.review.value_or(Review{});
}

TEST(Review, TheAdvisorsOwnGamesLoseNothing)
{
    advisor::Advisor reviewer;
    advisor::AdvisorPlayer player;
    for (std::uint64_t seed = 1; seed <= 2; ++seed) {
        const advisor::PlayedGame game = advisor::playGame(player, seed);
        const Review review = reviewed(game.record, game.sheet, reviewer);
        EXPECT_GT(review.decisions.size(), 100u);
        for (const Decision& d : review.decisions) {
            EXPECT_EQ(d.loss, 0.0) << "turn " << d.turn << ", roll " << d.roll;
            EXPECT_EQ(d.played.expectedScore, d.best.expectedScore);
        }
        EXPECT_EQ(review.lost, 0.0);
        EXPECT_EQ(review.bestShare, 1.0);
        EXPECT_EQ(review.finalScore, game.finalScore);
        for (const int count : review.decisionsByKind) {
            EXPECT_GT(count, 0);
        }
    }
}

// With one cell left the expectation is the game's end itself: writing now
// scores what the sheet sums to, and holding four sixes twice makes Dakru
// (80) with chance 1 - (5/6)^2, once with chance 1/6. Holding all five spends
// a roll for nothing. The write after the third roll is forced, no decision.
TEST(Review, TheLastTurnIsPricedExactly)
{
    constexpr double kTwoTries = 80.0 * (1 - 25.0 / 36.0);
    constexpr double kOneTry = 80.0 / 6.0;
    struct Case {
        const char* play;
        std::vector<std::pair<Holds, Faces>> rolls;
        int dakru;
        std::vector<double> losses;
    };
    const std::vector<Case> cases{
        {"writes 0 at once", {{kNone, {6, 6, 6, 6, 1}}}, 0, {kTwoTries}},
        {"holds the four sixes", {{kNone, {6, 6, 6, 6, 1}}, {kFirstFour, {6, 6, 6, 6, 6}}}, 80, {0, 0}},
        {"holds all five, then the four sixes",
         {{kNone, {6, 6, 6, 6, 1}}, {kAll, {6, 6, 6, 6, 1}}, {kFirstFour, {6, 6, 6, 6, 2}}},
         0,
         {kTwoTries - kOneTry, 0}},
    };
    advisor::Advisor reviewer;
    for (const Case& c : cases) {
        GameRecord record = lastTurn();
        for (const auto& [held, faces] : c.rolls) {
            record.roll(held, faces);
        }
        record.write(Column::DownUp, row::Dakru);
        const Sheet sheet = finalSheet(record, c.dakru);
        const Review review = reviewed(record, sheet, reviewer);
        ASSERT_EQ(review.decisions.size(), c.losses.size()) << c.play;
        double lost = 0;
        for (std::size_t i = 0; i < c.losses.size(); ++i) {
            EXPECT_NEAR(review.decisions[i].loss, c.losses[i], 1e-9) << c.play << ", decision " << i + 1;
            lost += c.losses[i];
        }
        const Decision& first = review.decisions.front();
        EXPECT_EQ(first.best.move, advisor::Move::Roll) << c.play;
        EXPECT_EQ(first.best.hold, kFirstFour) << c.play;
        const int baseScore = computeTotals(finalSheet(record, 0)).grandTotal;
        EXPECT_NEAR(first.best.expectedScore, baseScore + kTwoTries, 1e-9) << c.play;
        EXPECT_EQ(review.finalScore, baseScore + c.dakru) << c.play;
        EXPECT_EQ(review.firstTurn, kCellCount);
        EXPECT_NEAR(review.lost, lost, 1e-9) << c.play;
        EXPECT_NEAR(review.lostByCell[index(Column::DownUp)][row::Dakru - 1], lost, 1e-9) << c.play;
        EXPECT_NEAR(review.lostByRow()[row::Dakru - 1], lost, 1e-9) << c.play;
        EXPECT_NEAR(review.lostByColumn()[index(Column::DownUp)], lost, 1e-9) << c.play;
    }
    const GameRecord writesAtOnce = [] {
        GameRecord record = lastTurn();
        record.roll(kNone, {6, 6, 6, 6, 1});
        record.write(Column::DownUp, row::Dakru);
        return record;
    }();
    const Review review = reviewed(writesAtOnce, finalSheet(writesAtOnce, 0), reviewer);
    EXPECT_EQ(review.decisions.front().played.expectedScore, review.finalScore);
    EXPECT_EQ(review.decisions.front().grade, Grade::Blunder);
    EXPECT_EQ(review.decisions.front().kind, Kind::Write);
}

// The hint was seen in the position whose write was taken back, so the roll
// made there instead is marked; the write after it is not. The hint before
// the turn's first roll marks nothing.
TEST(Review, HintsMarkTheirDecisionAndUndoneChoicesAreGone)
{
    GameRecord record = lastTurn();
    record.hint();
    record.roll(kNone, {6, 6, 6, 6, 1});
    record.hint();
    record.write(Column::DownUp, row::Dakru);
    record.undo();
    record.roll(kFirstFour, {6, 6, 6, 6, 2});
    record.write(Column::DownUp, row::Dakru);
    advisor::Advisor reviewer;
    std::vector<std::pair<int, int>> progress;
    const Reviewed result = reviewGame(record, finalSheet(record, 0), reviewer,
                                       [&](int done, int total) { progress.emplace_back(done, total); });
    ASSERT_TRUE(result.review) << result.refusal;
    const Review& review = *result.review;
    ASSERT_EQ(review.decisions.size(), 2u);
    EXPECT_EQ(review.decisions[0].kind, Kind::Holds);
    EXPECT_TRUE(review.decisions[0].hinted);
    EXPECT_EQ(review.decisions[0].roll, 1);
    EXPECT_EQ(review.decisions[1].kind, Kind::Write);
    EXPECT_FALSE(review.decisions[1].hinted);
    EXPECT_EQ(review.decisions[1].roll, 2);
    EXPECT_EQ(review.hintsShown, 2);
    EXPECT_EQ(review.undos, 1);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
}

TEST(Review, ARecordThatIsNotTheGamesIsRefusedWithItsReason)
{
    const auto with = [](GameRecord record, const std::function<void(GameRecord&)>& events) {
        events(record);
        return record;
    };
    const GameRecord last = lastTurn();
    const Sheet zero = finalSheet(last, 0);
    GameState callsOnly = takenUpWith({{Column::Call, row::Poker}, {Column::Call, row::Dakru}});
    GameState unreachable = takenUpWith({{Column::Down, 1}});
    unreachable.cells[index(Column::Down)][row::Dakru - 1].value = 7;  // Down below an empty cell, and no 7 in Dakru
    struct Case {
        GameRecord record;
        Sheet sheet;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 6});
                  r.write(Column::DownUp, row::Dakru);
              }),
         zero, "the record leaves 80 in Down\\Up row 14, the game has 0"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 6});
              }),
         zero, "the record leaves nothing in Down\\Up row 14, the game has 0"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {1, 1, 1, 1, 1});
                  r.roll(kNone, {1, 1, 1, 1, 1});
                  r.roll(kNone, {1, 1, 1, 1, 1});
                  r.roll(kNone, {1, 1, 1, 1, 1});
              }),
         zero, "event 4: a fourth roll in a turn"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kFirstFour, {6, 6, 6, 6, 1});
              }),
         zero, "event 1: die 1 held before the turn's first roll"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 1});
                  r.roll(kFirstFour, {6, 6, 6, 5, 1});
              }),
         zero, "event 2: held die 4 changed its face"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 0, 6, 6, 1});
              }),
         zero, "event 1: die 2 shows 0"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 1});
                  r.write(Column::Down, row::Dakru);
              }),
         zero, "event 2: a write into Down row 14, which may not be written now"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 1});
                  r.call(row::Dakru);
              }),
         zero, "event 2: a call on row 14, which may not be called now"},
        {with(last, [](GameRecord& r) { r.write(Column::DownUp, row::Dakru); }), zero,
         "event 1: a write into Down\\Up row 14, which may not be written now"},
        {with(last,
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 1});
                  r.undo();
              }),
         zero, "event 2: an undo with nothing to take back"},
        {with(GameRecord::startingAt(callsOnly),
              [](GameRecord& r) {
                  r.roll(kNone, {6, 6, 6, 6, 1});
                  r.roll(kFirstFour, {6, 6, 6, 6, 1});
              }),
         zero, "event 2: the game refused the roll: You must place a call first !"},
        {GameRecord{.start = unreachable, .events = {}}, zero, "a start no play can reach"},
    };
    advisor::Advisor reviewer;
    for (const Case& c : cases) {
        const Reviewed result = reviewGame(c.record, c.sheet, reviewer);
        EXPECT_FALSE(result.review) << c.refusal;
        EXPECT_EQ(result.refusal, c.refusal);
    }
}

// Whatever a damaged record holds, the replay answers with a reason or a
// game, never a crash: faces, holds, rows and columns changed, events
// dropped, doubled or swapped, in a whole greedy game.
TEST(Review, AMangledRecordIsRefusedOrReplayedNeverACrash)
{
    advisor::GreedyPlayer greedy;
    const advisor::PlayedGame game = advisor::playGame(greedy, 3);
    ASSERT_TRUE(replay(game.record, game.sheet).refusal.empty());
    std::mt19937 random(5);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int refused = 0;
    for (int trial = 0; trial < 400; ++trial) {
        GameRecord record = game.record;
        std::vector<RecordedEvent>& events = record.events;
        const auto at = static_cast<std::size_t>(pick(0, static_cast<int>(events.size()) - 1));
        RecordedEvent& e = events[at];
        switch (pick(0, 6)) {
        case 0: e.faces[pick(0, 4)] = pick(0, 7); break;
        case 1: e.held[pick(0, 4)] ^= true; break;
        case 2: e.row = pick(0, 15); break;
        case 3: e.column = kColumns[pick(0, 3)]; break;
        case 4: e.move = static_cast<RecordedMove>(pick(0, 4)); break;
        case 5: events.erase(events.begin() + static_cast<std::ptrdiff_t>(at)); break;
        default: std::swap(e, events[std::min(at + 1, events.size() - 1)]); break;
        }
        const Replay replayed = replay(record, game.sheet);
        refused += replayed.refusal.empty() ? 0 : 1;
        if (!replayed.refusal.empty()) {
            EXPECT_TRUE(replayed.choices.empty());
        }
    }
    // Many changes touch what an event does not use (the row of a roll) or
    // leave the game as it was; about half make another game.
    EXPECT_GT(refused, 150);
}

}  // namespace
}  // namespace dakru::review
