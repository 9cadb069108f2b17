#pragma once

#include <cstdint>
#include <random>

#include "advisor.h"
#include "game_state.h"

namespace dakru::advisor {

// Someone who plays the game: one action for each state that asks for one.
class Player {
public:
    virtual ~Player() = default;
    virtual Action decide(const GameState& state) = 0;
};

// The advisor's best action, every time.
class AdvisorPlayer final : public Player {
public:
    explicit AdvisorPlayer(const Model& model = learnedModel(), Depth depth = Depth::NextTurn) : advisor_(model, depth)
    {
    }
    Action decide(const GameState& state) override;

private:
    Advisor advisor_;
};

// Nearly the advisor: its best action, but with chance 1/4 its second or
// third best (either alike), for a player a little short of the best.
class NearBestPlayer final : public Player {
public:
    explicit NearBestPlayer(std::uint64_t seed, const Model& model = learnedModel(), Depth depth = Depth::NextTurn)
        : advisor_(model, depth), random_(seed)
    {
    }
    Action decide(const GameState& state) override;

private:
    Advisor advisor_;
    std::mt19937_64 random_;
};

// For scale: any legal action with the same chance, random holds.
class RandomPlayer final : public Player {
public:
    explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}
    Action decide(const GameState& state) override;

private:
    std::mt19937_64 random_;
};

// For scale: three rolls holding the most frequent face, then the highest
// score a marked cell gives now; a call only when nothing else is left.
class GreedyPlayer final : public Player {
public:
    Action decide(const GameState& state) override;
};

}  // namespace dakru::advisor
