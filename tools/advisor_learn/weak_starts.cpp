#include "weak_starts.h"

namespace dakru::advisor {
namespace {

int filled(const Sheet& sheet)
{
    return kCellCount - emptyCellsOf(sheet);
}

}  // namespace

Action HandoverPlayer::decide(const GameState& state)
{
    return (filled(state.cells) < turns_ ? first_ : then_).decide(state);
}

Action TurnMixPlayer::decide(const GameState& state)
{
    if (const int turn = filled(state.cells); turn != turn_) {
        turn_ = turn;
        pick_ = std::uniform_int_distribution<std::size_t>(0, players_.size() - 1)(random_);
    }
    return players_[pick_]->decide(state);
}

WeakStart playWeakStart(Player& advisor, std::uint64_t seed)
{
    std::mt19937_64 draw(seed ^ 0x3ea4ull);
    GreedyPlayer greedy;
    RandomPlayer random(draw());
    TurnMixPlayer mix({&advisor, &greedy, &random}, draw());
    Player* const firsts[] = {&greedy, &random, &mix};
    WeakStart start;
    start.turns = std::uniform_int_distribution<int>(1, kCellCount - 2)(draw);
    HandoverPlayer player(*firsts[seed % 3], advisor, start.turns);
    start.game = playGame(player, seed);
    return start;
}

}  // namespace dakru::advisor
