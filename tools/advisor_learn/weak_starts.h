#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "players.h"
#include "self_play.h"

namespace dakru::advisor {

// Sheets unlike the advisor's own, for the corrections to learn from: a
// weaker player fills the first turns, then the advisor plays the game out,
// so that those sheets are valued by how the advisor goes on from them.

// `first` until `turns` cells are written, then `then`.
class HandoverPlayer final : public Player {
public:
    HandoverPlayer(Player& first, Player& then, int turns) : first_(first), then_(then), turns_(turns) {}
    Action decide(const GameState& state) override;

private:
    Player& first_;
    Player& then_;
    int turns_;
};

// Every turn played whole by one of `players`, drawn anew for each turn.
class TurnMixPlayer final : public Player {
public:
    TurnMixPlayer(std::vector<Player*> players, std::uint64_t seed) : players_(std::move(players)), random_(seed) {}
    Action decide(const GameState& state) override;

private:
    std::vector<Player*> players_;
    std::mt19937_64 random_;
    int turn_ = -1;
    std::size_t pick_ = 0;
};

struct WeakStart {
    PlayedGame game;
    int turns = 0;  // played by the weaker player, 1 to 54
};

// The game of `seed`: by the seed, the greedy player, the random one, or a mix
// of them and the advisor turn by turn, for a number of turns drawn from the
// seed; then `advisor` to the end.
WeakStart playWeakStart(Player& advisor, std::uint64_t seed);

}  // namespace dakru::advisor
