#include "learn_corrections.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <iostream>
#include <thread>
#include <vector>

#include "corrections.h"
#include "self_play.h"

namespace dakru::advisor {

namespace {

// Game g of `games` is play(advisor, firstSeed + g), with an advisor of each core's own.
template <typename Game, typename Play>
std::vector<Game> playOnBothCores(const Model& model, std::uint64_t firstSeed, int games, Play play)
{
    std::vector<Game> played(games);
    const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u));
    std::vector<std::jthread> threads;
    threads.reserve(workers);
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            AdvisorPlayer player(model, Depth::Turn);
            for (int g = w; g < games; g += workers) {
                played[g] = play(player, firstSeed + static_cast<std::uint64_t>(g));
            }
        });
    }
    threads.clear();  // joins them
    return played;
}

}  // namespace

std::vector<PlayedGame> playGames(const Model& model, std::uint64_t firstSeed, int games)
{
    return playOnBothCores<PlayedGame>(model, firstSeed, games,
                                       [](Player& advisor, std::uint64_t seed) { return playGame(advisor, seed); });
}

std::vector<WeakStart> playWeakStarts(const Model& model, std::uint64_t firstSeed, int games)
{
    return playOnBothCores<WeakStart>(model, firstSeed, games, playWeakStart);
}

namespace {

constexpr std::uint64_t kFirstSeed = 100'000'000;
constexpr std::uint64_t kFirstWeakSeed = 200'000'000;
constexpr int kTurns = kCellCount - 1;  // the sheets after turns 1 to 55; after 56 the score is known

// A remembered game: for the sheet after each turn from the advisor's first,
// the model's value without corrections and the entries of the corrections it
// has. The sheets before `from` were left by another player's turns, whose
// continuation says nothing of the advisor's.
struct Remembered {
    std::array<double, kTurns> base{};
    std::array<std::array<int, corrections::kSheetEntries>, kTurns> entries{};
    int finalScore = 0;
    int from = 0;  // the first turn's index (turn - 1) with a target
};

Remembered remember(const PlayedGame& game, const SheetValuer& uncorrected, int weakTurns = 0)
{
    Remembered r;
    r.finalScore = game.finalScore;
    r.from = std::max(0, weakTurns - 1);
    for (int turn = r.from + 1; turn <= kTurns; ++turn) {
        const Sheet sheet = sheetAfter(game, turn);
        r.base[turn - 1] = uncorrected.sheet(sheet);
        r.entries[turn - 1] = corrections::sheetEntries(sheet, kCellCount - turn);
    }
    return r;
}

// Fits the corrections to the remembered games: the targets are the
// λ-returns under the current corrections, then each slot of the entries in
// turn (the same table for every sheet) takes the mean of what the others
// leave, drawn toward 0 by `shrink`.
void fit(std::vector<float>& w, const std::deque<Remembered>& games, const CorrectionsRun& run)
{
    const std::size_t samples = games.size() * kTurns;
    std::vector<double> target(samples);
    std::vector<double> predicted(samples);
    std::size_t i = 0;
    for (const Remembered& g : games) {
        double ahead = g.finalScore;
        std::array<double, kTurns> value{};
        for (int t = g.from; t < kTurns; ++t) {
            value[t] = g.base[t] + corrections::sumOf(w, g.entries[t]);
        }
        for (int t = kTurns - 1; t >= g.from; --t) {
            target[i + t] = ahead;
            predicted[i + t] = value[t];
            ahead = (1 - run.lambda) * value[t] + run.lambda * ahead;
        }
        i += kTurns;
    }
    std::vector<double> sum(w.size());
    std::vector<int> seen(w.size());
    std::vector<float> change(w.size());
    std::vector<int> touched;
    for (int sweep = 0; sweep < run.sweeps; ++sweep) {
        for (int slot = 0; slot < corrections::kSheetEntries; ++slot) {
            std::size_t s = 0;
            for (const Remembered& g : games) {
                for (int t = 0; t < kTurns; ++t, ++s) {
                    if (const int e = g.entries[t][slot]; t >= g.from && e != corrections::kNone) {
                        sum[e] += target[s] - predicted[s] + w[e];
                        if (seen[e]++ == 0) {
                            touched.push_back(e);
                        }
                    }
                }
            }
            for (const int e : touched) {
                // The stage's entry is shared by every sheet and needs no drawing toward 0.
                const double k = corrections::isStageEntry(e) ? 0 : run.shrink;
                const auto fitted = static_cast<float>(sum[e] / (seen[e] + k));
                change[e] = fitted - w[e];
                w[e] = fitted;
                sum[e] = 0;
                seen[e] = 0;
            }
            s = 0;
            for (const Remembered& g : games) {
                for (int t = 0; t < kTurns; ++t, ++s) {
                    if (const int e = g.entries[t][slot]; t >= g.from && e != corrections::kNone) {
                        predicted[s] += change[e];
                    }
                }
            }
            for (const int e : touched) {
                change[e] = 0;
            }
            touched.clear();
        }
    }
}

}  // namespace

void learnCorrections(Model& model, const CorrectionsRun& run)
{
    Model uncorrectedModel = model;
    uncorrectedModel.corrections.clear();
    const SheetValuer uncorrected(uncorrectedModel);
    model.corrections.assign(corrections::kSize, 0.0f);
    std::deque<Remembered> games;
    for (int first = 0; first < run.games; first += run.batch) {
        const auto start = std::chrono::steady_clock::now();
        const int count = std::min(run.batch, run.games - first);
        long scores = 0;
        for (const PlayedGame& game : playGames(model, kFirstSeed + first, count)) {
            scores += game.finalScore;
            games.push_back(remember(game, uncorrected));
            if (static_cast<int>(games.size()) > run.remembered) {
                games.pop_front();
            }
        }
        const int weakFirst = static_cast<int>(first * run.weakShare);
        const int weakCount = static_cast<int>((first + count) * run.weakShare) - weakFirst;
        for (const WeakStart& start : playWeakStarts(model, kFirstWeakSeed + weakFirst, weakCount)) {
            games.push_back(remember(start.game, uncorrected, start.turns));
            if (static_cast<int>(games.size()) > run.remembered) {
                games.pop_front();
            }
        }
        fit(model.corrections, games, run);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cout << "corrections: " << first + count << " games and " << weakFirst + weakCount
                  << " from weaker starts, mean score " << static_cast<double>(scores) / count << " (" << took.count()
                  << " s)" << std::endl;
    }
}

}  // namespace dakru::advisor
