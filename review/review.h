#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "advisor.h"
#include "game_record.h"
#include "game_state.h"
#include "sheet.h"

namespace dakru::review {

// What a decision chose: the dice to hold before a roll (rolling with the
// holds unchanged included), a call, or a write.
enum class Kind { Holds, Call, Write };
inline constexpr int kKindCount = 3;

// How much a decision cost, by the points of expected final score it lost
// against the advisor's best.
enum class Grade { Best, Inaccuracy, Mistake, Blunder };
inline constexpr int kGradeCount = 4;

// The least loss of each grade, in points: below `inaccuracy` a decision
// counts as the best. Set from the losses of near-best play (the advisor
// taking its second or third best a quarter of the time), which lose nothing
// in three decisions of four: losses under a quarter point are near-ties,
// 1 % of its decisions and 0.1 % of its loss; from there to 2.5 points lie
// its everyday slips (12 % of decisions, a tenth of the loss); from 2.5 to 10
// the clear mistakes (7 %, a quarter); from 10 on, the few decisions a game
// (4.5 %) that carry two thirds of all it loses. Greedy play blunders in one
// decision of six, random play in every other.
struct Thresholds {
    double inaccuracy;
    double mistake;
    double blunder;
};
inline constexpr Thresholds kThresholds{0.25, 2.5, 10.0};

Grade gradeOf(double loss);

// One decision of the game, priced.
struct Decision {
    GameState position;  // as the player saw it
    int turn = 0;        // 1 to 56
    int roll = 0;        // the rolls made in the turn so far, 1 to 3
    Kind kind = Kind::Write;
    advisor::Action played;  // what the player did, with the expected final score after it
    advisor::Action best;    // the advisor's best, likewise
    double loss = 0;         // best less played, in points
    Grade grade = Grade::Best;
    bool hinted = false;  // a hint was shown before it
    // The cell this turn was written in, none when the record ends mid-turn.
    std::optional<Column> column;
    int row = 0;
};

struct Review {
    // Every decision that had more than one choice, in the order played.
    std::vector<Decision> decisions;
    int firstTurn = 1;           // the record starts at this turn...
    bool startsMidTurn = false;  // ...after some of its rolls
    int finalScore = 0;          // of the sheet the record reaches
    int hintsShown = 0;
    int undos = 0;

    // The headline figures.
    double lost = 0;       // points lost in all
    double meanLoss = 0;   // per decision
    double bestShare = 0;  // of decisions graded Best, 0 to 1

    std::array<int, kGradeCount> grades{};  // decisions per grade
    std::array<int, kKindCount> decisionsByKind{};
    std::array<double, kKindCount> lostByKind{};
    // Every decision's loss counts in the cell its turn was written in.
    std::array<std::array<double, kRowCount>, kColumnCount> lostByCell{};  // [column][row - 1]

    std::array<double, kColumnCount> lostByColumn() const;
    std::array<double, kRowCount> lostByRow() const;
};

// The review, or why there is none.
struct Reviewed {
    std::optional<Review> review;
    std::string refusal;
};

// Told after each decision priced: how many are done of how many.
using Progress = std::function<void(int done, int total)>;

// Replays the record, refuses it unless it reaches `finalSheet`, and prices
// every decision with `advisor`. Never throws: whatever goes wrong is a refusal.
Reviewed reviewGame(const GameRecord& record, const Sheet& finalSheet, advisor::Advisor& advisor,
                    const Progress& progress = {});

}  // namespace dakru::review
