// Learns the advisor's model by self-play and writes it as advisor/learned_model.cpp.
//
//   dakru_advisor_learn [--rounds N] [--games N] [--correction-games N] [--weak-share X] [--out FILE]
//
// It starts from what each cell would get if a whole turn were played for it
// alone, then plays rounds of seeded games with the advisor on the current
// model and takes, for every cell, how often each score ended up there as the
// next model. The games of the last round are the most. Then it plays more
// games to learn the corrections to that model (learn_corrections.h), with X
// games from a weaker start for each of them (weak_starts.h). The
// seeds are fixed, so the same command always writes the same file.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "dice_tables.h"
#include "learn_corrections.h"
#include "model.h"
#include "model_codec.h"
#include "self_play.h"

namespace dakru::advisor {
namespace {

struct Options {
    int rounds = 8;
    int games = 8000;  // in the last round; the earlier ones play fewer
    CorrectionsRun corrections{.games = 120000};
    std::string out = DAKRU_SOURCE_DIR "/advisor/learned_model.cpp";
};

double meanOf(const Model::Histogram& h)
{
    double mean = 0;
    for (int v = 0; v <= kMaxCellValue; ++v) {
        mean += v * h[v];
    }
    return mean;
}

// The scores a row gets when a whole turn is played for it alone (for
// Minimum: as low as it can be).
Model::Histogram dedicatedTurn(int row)
{
    const DiceTables& dice = DiceTables::get();
    const double sign = row == row::Minimum ? -1.0 : 1.0;
    using PerThrow = std::array<double, kThrowCount>;
    using PerKeep = std::array<double, kKeepCount>;
    const auto expect = [&](const PerThrow& then) {
        PerKeep out{};
        for (int k = 0; k < kKeepCount; ++k) {
            for (const Outcome& o : dice.outcomes(k)) {
                out[k] += o.probability * then[o.throwIndex];
            }
        }
        return out;
    };
    // The best keep for every throw, given what rolling from each keep is worth.
    const auto bestKeeps = [&](const PerKeep& rolled) {
        std::array<int, kThrowCount> keep{};
        for (int t = 0; t < kThrowCount; ++t) {
            keep[t] = dice.throwKeep(t);  // keeping all five: stop here
            for (const int k : dice.subKeeps(t)) {
                if (rolled[k] > rolled[keep[t]] + 1e-12) {
                    keep[t] = k;
                }
            }
        }
        return keep;
    };
    PerThrow third{};
    for (int t = 0; t < kThrowCount; ++t) {
        third[t] = sign * dice.rowValue(row, t);
    }
    const PerKeep rolled3 = expect(third);
    const auto keep2 = bestKeeps(rolled3);
    PerThrow second{};
    for (int t = 0; t < kThrowCount; ++t) {
        second[t] = rolled3[keep2[t]];
    }
    const auto keep1 = bestKeeps(expect(second));

    PerThrow chance{};
    for (const Outcome& o : dice.outcomes(dice.keepIndex(Counts{}))) {
        chance[o.throwIndex] += o.probability;
    }
    for (const auto& keep : {keep1, keep2}) {
        PerThrow next{};
        for (int t = 0; t < kThrowCount; ++t) {
            for (const Outcome& o : dice.outcomes(keep[t])) {
                next[o.throwIndex] += chance[t] * o.probability;
            }
        }
        chance = next;
    }
    Model::Histogram h{};
    for (int t = 0; t < kThrowCount; ++t) {
        h[dice.rowValue(row, t)] += chance[t];
    }
    return h;
}

Model startingModel()
{
    Model model;
    for (int row = 1; row <= kRowCount; ++row) {
        const Model::Histogram h = dedicatedTurn(row);
        for (int phase = 0; phase < kPhaseCount; ++phase) {
            for (int c = 0; c < kColumnCount; ++c) {
                model.phases[phase][c][row - 1] = h;
                model.means[phase][c][row - 1].fill(meanOf(h));
            }
        }
    }
    return model;
}

// Phases in which a cell was seldom seen empty lean on what it gets overall.
constexpr double kPriorWeight = 20;

// Plays `games` seeded games on `model`; returns what the cells got, for every
// phase in which they were still empty.
Model playRound(const Model& model, int round, int games, double& meanScore)
{
    using Counts = std::array<std::array<Model::Histogram, kRowCount>, kColumnCount>;
    std::vector<Counts> seen(kPhaseCount + 1);  // the last: every game once
    // Sums and counts of the scores by phase, cell and wait for its turn.
    std::array<Model::Means, kPhaseCount> sums{};
    std::array<Model::Means, kPhaseCount> samples{};
    long total = 0;
    for (const PlayedGame& game : playGames(model, 1'000'000ull * static_cast<unsigned>(round + 1), games)) {
        total += game.finalScore;
        for (int c = 0; c < kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                const int value = std::clamp(*game.sheet[c][r].value, 0, kMaxCellValue);
                ++seen[kPhaseCount][c][r][value];
                // Empty after turns 0 to the one before its write, with 56 - turn cells empty.
                for (int turn = 0; turn < game.writtenInTurn[c][r]; ++turn) {
                    const int phase = phaseOf(kCellCount - turn);
                    ++seen[phase][c][r][value];
                    std::array<Cell, kRowCount> then{};
                    for (int before = 0; before < kRowCount; ++before) {
                        if (game.writtenInTurn[c][before] <= turn) {
                            then[before].value = 0;
                        }
                    }
                    const int wait = waitOf(kColumns[c], then, r + 1);
                    sums[phase][c][r][wait] += value;
                    ++samples[phase][c][r][wait];
                }
            }
        }
    }
    meanScore = static_cast<double>(total) / games;
    Model learned;
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        for (int c = 0; c < kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                const auto& here = seen[phase][c][r];
                const auto& overall = seen[kPhaseCount][c][r];
                double n = 0;
                for (const double k : here) {
                    n += k;
                }
                for (int v = 0; v <= kMaxCellValue; ++v) {
                    learned.phases[phase][c][r][v] = (here[v] + kPriorWeight * overall[v] / games) / (n + kPriorWeight);
                }
                const double phaseMean = meanOf(learned.phases[phase][c][r]);
                for (int wait = 0; wait < kWaits; ++wait) {
                    learned.means[phase][c][r][wait] = (sums[phase][c][r][wait] + kPriorWeight * phaseMean)
                                                       / (samples[phase][c][r][wait] + kPriorWeight);
                }
            }
        }
    }
    return learned;
}

// A packed table as pieces of at most 16,000 characters: some compilers refuse
// longer string literals.
void writePieces(std::ostream& out, std::string_view name, const std::string& text)
{
    constexpr std::size_t kPiece = 16000;
    constexpr std::size_t kLine = 100;
    out << "constexpr std::array<std::string_view, " << (text.size() + kPiece - 1) / kPiece << "> " << name << "{\n";
    for (std::size_t piece = 0; piece < text.size(); piece += kPiece) {
        for (std::size_t line = piece; line < std::min(text.size(), piece + kPiece); line += kLine) {
            out << "    \"" << text.substr(line, std::min(kLine, piece + kPiece - line)) << "\"\n";
        }
        out << "    ,\n";
    }
    out << "};\n\n";
}

void writeModel(const Model& model, const std::string& path, const std::string& how)
{
    const PackedModel packed = packModel(model);
    std::ofstream out(path, std::ios::binary);
    // The format check leaves the file alone from its first line: how it was made may run long.
    out << "// clang-format off\n"
        << "// Made by tools/advisor_learn (" << how << ");\n// see tools/CMakeLists.txt. Do not edit.\n"
        << "// The model packed by packModel (model_codec.h): for each phase and cell, how often\n"
        << "// each score was written there and its mean score by wait; then the corrections.\n"
        << "#include <array>\n#include <string_view>\n\n"
        << "#include \"model.h\"\n#include \"model_codec.h\"\n\n"
        << "namespace dakru::advisor {\nnamespace {\n\n";
    writePieces(out, "kChances", packed.chances);
    writePieces(out, "kMeans", packed.means);
    writePieces(out, "kCorrections", packed.corrections);
    out << "}  // namespace\n\n"
        << "Model learnedModel()\n{\n"
        << "    return unpackModel(joined(kChances), joined(kMeans), joined(kCorrections));\n}\n\n"
        << "}  // namespace dakru::advisor\n";
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

int run(int argc, char** argv)
{
    Options options;
    bool understood = argc % 2 == 1;
    for (int i = 1; understood && i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--rounds") {
            options.rounds = std::max(1, std::atoi(argv[i + 1]));
        } else if (name == "--games") {
            options.games = std::max(1, std::atoi(argv[i + 1]));
        } else if (name == "--correction-games") {
            options.corrections.games = std::max(0, std::atoi(argv[i + 1]));
        } else if (name == "--weak-share") {
            options.corrections.weakShare = std::max(0.0, std::atof(argv[i + 1]));
        } else if (name == "--out") {
            options.out = argv[i + 1];
        } else {
            understood = false;
        }
    }
    if (!understood) {
        std::cerr << "usage: dakru_advisor_learn [--rounds N] [--games N] [--correction-games N] [--weak-share X] "
                     "[--out FILE]\n";
        return 2;
    }
    Model model = startingModel();
    for (int round = 0; round < options.rounds; ++round) {
        // Early rounds only need the rough shape; the last one the detail.
        const int games = std::max(100, options.games >> (options.rounds - 1 - round));
        const auto start = std::chrono::steady_clock::now();
        double mean = 0;
        model = playRound(model, round, games, mean);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cout << "round " << round + 1 << ": " << games << " games, mean score " << mean << " (" << took.count()
                  << " s)" << std::endl;
    }
    learnCorrections(model, options.corrections);
    writeModel(model, options.out,
               std::to_string(options.rounds) + " rounds, " + std::to_string(options.games) + " games in the last, "
                   + std::to_string(options.corrections.games) + " for the corrections, "
                   + std::to_string(static_cast<int>(options.corrections.games * options.corrections.weakShare))
                   + " from weaker starts");
    std::cout << "wrote " << options.out << "\n";
    return 0;
}

}  // namespace
}  // namespace dakru::advisor

int main(int argc, char** argv)
{
    try {
        return dakru::advisor::run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "dakru_advisor_learn: " << e.what() << "\n";
        return 1;
    }
}
