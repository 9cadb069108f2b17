#pragma once

#include <cstdint>
#include <vector>

#include "model.h"
#include "self_play.h"
#include "weak_starts.h"

namespace dakru::advisor {

struct CorrectionsRun {
    int games = 0;           // in all
    int batch = 2000;        // games played on one model before it learns again
    double weakShare = 0.5;  // games from a weaker start (weak_starts.h) per game of the advisor's own
    int remembered = 60000;  // the most recent games it learns from, of both kinds
    double lambda = 0.3;
    double shrink = 100;  // an entry seen this often counts as much as the model alone
    int sweeps = 2;
};

// `games` seeded games from `firstSeed` on, played by the advisor on `model`
// to the end of each turn, on both cores: the same games in any order.
std::vector<PlayedGame> playGames(const Model& model, std::uint64_t firstSeed, int games);
std::vector<WeakStart> playWeakStarts(const Model& model, std::uint64_t firstSeed, int games);

// Learns model.corrections by playing `run.games` seeded games with the
// advisor on the model as it learns, and with each batch games from weaker
// starts that the advisor plays out. After every batch the corrections are
// fitted again to the sheets of the games it remembers: each sheet after a
// turn the advisor played from should be worth what followed it (its
// λ-return), fitted by least squares one table at a time. Deterministic: the games of a batch are
// played in parallel but learned from in order.
void learnCorrections(Model& model, const CorrectionsRun& run);

}  // namespace dakru::advisor
