// How well the computer players play: the same seeded games (the same dice
// seeds for every player) played by a random legal player and by the three
// strengths of a computer opponent (easy is the greedy player, strong the
// advisor). Prints, per player, the mean final score, its standard deviation,
// the 10th, 50th and 90th percentiles, the time per decision, and the 99th
// percentile of a turn's thinking (its decisions added up).
//
//   dakru_bench_players [--games N] [--first SEED] [--players random,easy,medium,strong]

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game_state.h"
#include "players.h"
#include "self_play.h"
#include "strengths.h"

namespace {

using namespace dakru::advisor;
using dakru::GameState;

struct Options {
    int games = 10'000;
    std::uint64_t first = 1;
    std::string players = "random,easy,medium,strong";
};

struct Named {
    std::string_view name;
    std::string_view label;
};
constexpr std::array<Named, 4> kPlayers{{
    {"random", "random"},
    {"easy", "easy (greedy)"},
    {"medium", "medium"},
    {"strong", "strong (advisor)"},
}};

std::unique_ptr<Player> makeNamed(std::string_view name, std::uint64_t seed)
{
    if (name == "random") {
        return std::make_unique<RandomPlayer>(seed ^ 0x5eedull);
    }
    return makePlayer(*strengthFromKey(name), seed);
}

// Tells when a turn starts (the first roll, from blank dice; every game
// starts with one), so that the decisions of one turn can be added up.
class TurnMarks final : public Player {
public:
    TurnMarks(Player& inner, std::function<void()> turnStarts) : inner_(inner), turnStarts_(std::move(turnStarts)) {}
    Action decide(const GameState& state) override
    {
        if (state.RollCount.value_or(0) == 0) {
            turnStarts_();
        }
        return inner_.decide(state);
    }

private:
    Player& inner_;
    std::function<void()> turnStarts_;
};

template <typename T>
T percentile(std::vector<T> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size()))) - 1;
    return values[std::min(at, values.size() - 1)];
}

void measure(const Named& player, const Options& options)
{
    std::vector<int> scores;
    std::vector<std::int64_t> decisionNs;
    std::vector<std::int64_t> turnNs;  // the last one is the turn under way
    const auto turnStarts = [&] { turnNs.push_back(0); };
    const auto keepTime = [&](std::chrono::nanoseconds ns) {
        decisionNs.push_back(ns.count());
        turnNs.back() += ns.count();
    };
    const auto started = std::chrono::steady_clock::now();
    for (int g = 0; g < options.games; ++g) {
        const std::uint64_t seed = options.first + static_cast<std::uint64_t>(g);
        const std::unique_ptr<Player> inner = makeNamed(player.name, seed);
        TurnMarks marked(*inner, turnStarts);
        scores.push_back(playGame(marked, seed, keepTime).finalScore);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;

    double mean = 0;
    for (const int s : scores) {
        mean += s;
    }
    mean /= static_cast<double>(scores.size());
    double variance = 0;
    for (const int s : scores) {
        variance += (s - mean) * (s - mean);
    }
    const double sd = std::sqrt(variance / static_cast<double>(scores.size()));
    double meanUs = 0;
    for (const auto ns : decisionNs) {
        meanUs += static_cast<double>(ns) / 1000.0;
    }
    meanUs /= static_cast<double>(decisionNs.size());
    const double p99Us = static_cast<double>(percentile(decisionNs, 99)) / 1000.0;
    const double turnP99Us = static_cast<double>(percentile(turnNs, 99)) / 1000.0;
    std::printf("| %-16s | %7.1f | %6.1f | %5d | %5d | %5d | %9.1f us | %9.1f us | %9.1f us | %6.1f s |\n",
                std::string(player.label).c_str(), mean, sd, percentile(scores, 10), percentile(scores, 50),
                percentile(scores, 90), meanUs, p99Us, turnP99Us, took.count());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    bool understood = argc % 2 == 1;
    for (int i = 1; understood && i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--games" && std::atoi(argv[i + 1]) > 0) {
            options.games = std::atoi(argv[i + 1]);
        } else if (name == "--first") {
            options.first = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (name == "--players") {
            options.players = argv[i + 1];
        } else {
            understood = false;
        }
    }
    if (!understood) {
        std::cerr << "usage: dakru_bench_players [--games N] [--first SEED] [--players random,easy,medium,strong]\n";
        return 2;
    }
    std::printf("%d seeded games from seed %llu, the same dice seeds for every player\n\n", options.games,
                static_cast<unsigned long long>(options.first));
    std::printf(
        "| player           |    mean |     sd |   p10 |   p50 |   p90 | decision mean | decision p99 | "
        "turn p99     |   time   |\n");
    std::printf(
        "|------------------|---------|--------|-------|-------|-------|---------------|--------------|-"
        "-------------|----------|\n");
    std::string_view list = options.players;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string name(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        const auto* player =
            std::find_if(kPlayers.begin(), kPlayers.end(), [&](const Named& p) { return p.name == name; });
        if (player == kPlayers.end()) {
            std::cerr << "dakru_bench_players: no player named " << name << "\n";
            return 2;
        }
        try {
            measure(*player, options);
        } catch (const std::exception& e) {
            std::cerr << "dakru_bench_players: " << name << ": " << e.what() << "\n";
            return 1;
        }
    }
    return 0;
}
