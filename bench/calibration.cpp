// How right the advisor's model is on sheets of other players: over seeded
// games of each player, the model's value of the sheet at the end of every turn
// against the exact expectation that the next turn's plan finds for it (the
// bias), summed per game and split by turn and by open Call cells.
//
//   dakru_bench_calibration [--games N] [--first SEED] [--players nearbest,greedy,random]
//
// The bias is what a review charges a player beyond their real loss: over a
// turn, the points lost in its decisions (best expectation less chosen) add
// up, on average, to the plan's value at its start less the model's value of
// the sheet it leaves, so over a game to the empty sheet's expectation less
// the final score less the summed bias. The advisor's own games on the same
// seeds give the real gap it is compared with.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "model.h"
#include "players.h"
#include "self_play.h"
#include "turn_plan.h"

namespace {

using namespace dakru::advisor;
using dakru::Column;
using dakru::Sheet;

constexpr int kTurns = dakru::kCellCount - 1;  // the sheets after turns 1 to 55; after 56 the score is known

struct Options {
    int games = 2000;
    std::uint64_t first = 1;
    std::string players = "nearbest,greedy,random";
};

// Turns 1-7, 8-14, ... 50-55.
constexpr int kTurnBuckets = 8;
constexpr int turnBucket(int turn)
{
    return (turn - 1) / 7;
}

// Empty Call cells: none, 1-3, 4-7, 8-11, 12-14.
constexpr int kCallBuckets = 5;
constexpr int callBucket(int open)
{
    return open == 0 ? 0 : 1 + std::min(open / 4, 3);
}

struct Game {
    int score = 0;
    std::array<double, kTurns> bias{};
    std::array<int, kTurns> callsOpen{};
};

std::unique_ptr<Player> playerNamed(std::string_view name, std::uint64_t seed, const Model& model)
{
    if (name == "random") {
        return std::make_unique<RandomPlayer>(seed ^ 0x5eedull);
    }
    if (name == "greedy") {
        return std::make_unique<GreedyPlayer>();
    }
    if (name == "nearbest") {
        return std::make_unique<NearBestPlayer>(seed ^ 0xb357ull, model);
    }
    return std::make_unique<AdvisorPlayer>(model);
}

Game measureGame(Player& player, std::uint64_t seed, const SheetValuer& valuer)
{
    const PlayedGame played = playGame(player, seed);
    Game game;
    game.score = played.finalScore;
    for (int turn = 1; turn <= kTurns; ++turn) {
        const Sheet sheet = sheetAfter(played, turn);
        game.bias[turn - 1] = valuer.sheet(sheet) - TurnPlan(valuer, sheet).beforeFirstRoll();
        for (const dakru::Cell& c : sheet[dakru::index(Column::Call)]) {
            game.callsOpen[turn - 1] += c.value ? 0 : 1;
        }
    }
    return game;
}

// Every game of one player, on both cores: the same games in any order.
std::vector<Game> playAll(std::string_view name, const Options& options, const Model& model, const SheetValuer& valuer)
{
    std::vector<Game> games(options.games);
    const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u));
    std::vector<std::jthread> threads;
    threads.reserve(workers);
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            // The advisor keeps nothing between games that changes its play; the others are seeded per game.
            std::unique_ptr<Player> advisor = playerNamed("advisor", 0, model);
            for (int g = w; g < options.games; g += workers) {
                const std::uint64_t seed = options.first + static_cast<std::uint64_t>(g);
                if (name == "advisor") {
                    games[g] = measureGame(*advisor, seed, valuer);
                } else {
                    games[g] = measureGame(*playerNamed(name, seed, model), seed, valuer);
                }
            }
        });
    }
    threads.clear();  // joins them
    return games;
}

struct Summary {
    double score = 0;
    double bias = 0;  // summed over a game
    double biasSe = 0;
    std::array<double, kTurnBuckets> byTurn{};  // per turn
    std::array<double, kCallBuckets> byCalls{};
    std::array<double, kCallBuckets> callsShare{};
};

Summary summarise(const std::vector<Game>& games)
{
    Summary s;
    std::array<double, kTurnBuckets> turnCount{};
    std::array<double, kCallBuckets> callCount{};
    double squares = 0;
    for (const Game& g : games) {
        s.score += g.score;
        double sum = 0;
        for (int t = 0; t < kTurns; ++t) {
            sum += g.bias[t];
            s.byTurn[turnBucket(t + 1)] += g.bias[t];
            ++turnCount[turnBucket(t + 1)];
            s.byCalls[callBucket(g.callsOpen[t])] += g.bias[t];
            ++callCount[callBucket(g.callsOpen[t])];
        }
        s.bias += sum;
        squares += sum * sum;
    }
    const auto n = static_cast<double>(games.size());
    s.score /= n;
    s.bias /= n;
    s.biasSe = std::sqrt(std::max(0.0, squares / n - s.bias * s.bias) / n);
    for (int b = 0; b < kTurnBuckets; ++b) {
        s.byTurn[b] /= std::max(1.0, turnCount[b]);
    }
    for (int b = 0; b < kCallBuckets; ++b) {
        s.byCalls[b] /= std::max(1.0, callCount[b]);
        s.callsShare[b] = callCount[b] / (n * kTurns);
    }
    return s;
}

void print(std::string_view name, const Summary& s, const Summary& advisor, double emptySheet)
{
    const double gap = advisor.score - s.score;
    const double charged = emptySheet - s.score - s.bias;
    std::printf("| %-8s | %7.1f | %6.1f ± %4.1f | %7.1f | %7.1f | %5.2f |", std::string(name).c_str(), s.score, s.bias,
                s.biasSe, charged, gap, gap > 0 ? charged / gap : 0.0);
    for (const double b : s.byTurn) {
        std::printf(" %5.1f", b);
    }
    std::printf(" |");
    for (int b = 0; b < kCallBuckets; ++b) {
        std::printf(" %5.1f (%2.0f%%)", s.byCalls[b], 100 * s.callsShare[b]);
    }
    std::printf(" |\n");
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
        std::cerr << "usage: dakru_bench_calibration [--games N] [--first SEED] [--players nearbest,greedy,random]\n";
        return 2;
    }
    try {
        const Model model = learnedModel();
        const SheetValuer valuer(model);
        const double emptySheet = TurnPlan(valuer, Sheet{}).beforeFirstRoll();
        std::printf("%d seeded games from seed %llu; the empty sheet's expectation %.1f\n", options.games,
                    static_cast<unsigned long long>(options.first), emptySheet);
        std::printf("bias: the model's value of the sheet at a turn's end less the next turn's exact expectation\n");
        std::printf(
            "charged: what a review would charge (the expectation less the score less the bias); gap: the "
            "advisor's mean less the player's\n\n");
        std::printf(
            "| player   |    mean | bias a game   | charged |     gap | ratio | bias a turn, turns 1-7 ... "
            "50-55          | bias a turn by open Call cells: 0, 1-3, 4-7, 8-11, 12-14 |\n");
        const Summary advisor = summarise(playAll("advisor", options, model, valuer));
        print("advisor", advisor, advisor, emptySheet);
        std::string_view list = options.players;
        while (!list.empty()) {
            const std::size_t comma = list.find(',');
            const std::string_view name = list.substr(0, comma);
            list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            if (name != "random" && name != "greedy" && name != "nearbest" && name != "advisor") {
                std::cerr << "dakru_bench_calibration: no player named " << name << "\n";
                return 2;
            }
            print(name, summarise(playAll(name, options, model, valuer)), advisor, emptySheet);
        }
    } catch (const std::exception& e) {
        std::cerr << "dakru_bench_calibration: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
