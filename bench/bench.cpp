// The game's benchmark: how fast the rules engine plays, and what the game
// costs against a bare Qt window of the same size and title, measured in the
// same run: time to the first frame, memory, idle CPU and wakeups, shared
// libraries. Prints one table, then each program's start step by step from the
// trace both print (DAKRU_START_TRACE), with the instructions of each step
// counted under callgrind when valgrind is installed. Linux only: it reads /proc.
//
//   dakru_bench [--idle SECONDS] [--runs N]
//
// --idle: how long the windows are watched while idle (default 60 s);
// --runs: how many times each window is started for the start-up time (default 41: on a shared
// machine single starts vary by a quarter, and the median of 15 moved the ratio by a tenth).
//
// Every start of the game finds a game kept 20 turns in, as a returning player's would.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine.h"
#include "game_state_codec.h"
#include "random_source.h"

extern char** environ;

namespace dakru::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Options {
    std::chrono::seconds idle{60};
    int runs = 41;
};

std::optional<Options> readOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        const int number = value ? std::atoi(value) : 0;
        if (number <= 0 || (name != "--idle" && name != "--runs"))
            return std::nullopt;
        if (name == "--idle")
            options.idle = std::chrono::seconds(number);
        else
            options.runs = number;
        ++i;
    }
    return options;
}

// "2-core x86_64 AMD EPYC": the cores the program may use, the architecture and the processor.
std::string machineName()
{
    std::string model = "unknown processor";
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.starts_with("model name")) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    utsname system{};
    uname(&system);
    return std::to_string(std::thread::hardware_concurrency()) + "-core " + system.machine + " " + model;
}

// ---- The engine -------------------------------------------------------------

class SilentShell final : public Shell {
public:
    void playCue(Cue) override {}
    void playCueAndWait(Cue) override {}
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&) override { return true; }
    void FrontBack(Cover) override {}
    void showDiePicture(int, const std::string&) override {}
    void handOverFinalScore(std::int16_t) override {}
    void recordFinishedGame(const GameState&, const GameRecord&, const std::vector<Seat>&, int) override {}
    void handOverTable(const std::vector<Placing>&) override {}
};

// A player who rolls one to three times with random holds, then writes a
// random yellow cell (calling it first when it is a Call cell), and lets the
// totals tick between turns; the game-end watch and a new game close each game.
class RandomPlayer {
public:
    explicit RandomPlayer(Engine& engine) : engine_(engine) {}

    void playTurn()
    {
        const int rolls = 1 + static_cast<int>(random_() % 3);
        for (int roll = 0; roll < rolls; ++roll) {
            for (int die = 1; roll > 0 && die <= kDiceCount; ++die) {
                if (random_() % 2)
                    engine_.Kockap_Click(die);
            }
            engine_.Roll_Click();
        }
        std::array<std::pair<Column, int>, kCellCount> yellow{};
        std::size_t count = 0;
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                if (engine_.cell(column, row).marked)
                    yellow[count++] = {column, row};
            }
        }
        const auto [column, row] = yellow[random_() % count];
        engine_.Cell_Click(column, row);
        if (!engine_.cell(column, row).value)
            engine_.Cell_Click(column, row);  // that placed the call; now write it
        engine_.Timer1();
    }

    void finishGame()
    {
        engine_.Timer2();
        engine_.ScoreDealtWith();
        engine_.NewGame_Click();
    }

private:
    Engine& engine_;
    std::minstd_rand random_{20240611};
};

// Seconds of processor time this thread has had: other programs sharing the
// machine do not slow the figure down.
double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double engineTurnsPerSecond()
{
    SilentShell shell;
    EntropyRandomSource dice;
    Engine engine(shell, dice);
    RandomPlayer player(engine);
    long long turns = 0;
    const double start = threadCpuSeconds();
    double elapsed = 0;
    while (elapsed < 2.0) {
        for (int turn = 0; turn < kCellCount; ++turn)
            player.playTurn();
        player.finishGame();
        turns += kCellCount;
        elapsed = threadCpuSeconds() - start;
    }
    return static_cast<double>(turns) / elapsed;
}

// ---- The windows ------------------------------------------------------------

long long nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// One step of a program's start as its trace gives it (ui/common/start_trace.h).
struct Step {
    std::string name;
    long long clockNs = 0;
    long long cpuNs = 0;
    long long residentKb = 0;
    int libraries = 0;
};

struct Trace {
    long long startedAt = 0;  // when the program was started, on the same clock
    std::vector<Step> steps;

    const Step* find(std::string_view name) const
    {
        const auto found = std::ranges::find(steps, name, &Step::name);
        return found == steps.end() ? nullptr : &*found;
    }
};

// The game is traced up to its sound being ready, the bare window up to its first frame.
struct Program {
    const char* path;
    std::string_view lastStep;
};
const Program kGame{DAKRU_BENCH_GAME, "sounds ready"};
const Program kBare{DAKRU_BENCH_BARE, "first frame"};

// A traced program, started with its standard output on a pipe and its
// standard error silenced; DAKRU_START_TRACE is set for the whole benchmark.
class Window {
public:
    explicit Window(std::vector<std::string> command)
    {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<char*> arguments;
        arguments.reserve(command.size() + 1);
        for (std::string& argument : command)
            arguments.push_back(argument.data());
        arguments.push_back(nullptr);
        trace_.startedAt = nowNanoseconds();
        const int failed = posix_spawnp(&pid_, arguments[0], &actions, nullptr, arguments.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        output_ = fdopen(pipeEnds[0], "r");
        if (failed)
            throw std::runtime_error("cannot start " + command[0]);
    }

    ~Window()
    {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        std::fclose(output_);
    }

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The trace up to and with the step named; nullopt if the program ended before it.
    std::optional<Trace> traceUntil(std::string_view last)
    {
        std::array<char, 512> line{};
        while (std::fgets(line.data(), static_cast<int>(line.size()), output_)) {
            std::istringstream fields(line.data());
            std::string kind;
            Step step;
            std::getline(fields, kind, '\t');
            std::getline(fields, step.name, '\t');
            if (kind != "trace" || !(fields >> step.clockNs >> step.cpuNs >> step.residentKb >> step.libraries))
                continue;
            trace_.steps.push_back(step);
            if (step.name == last)
                return trace_;
        }
        return std::nullopt;
    }

    fs::path proc() const { return fs::path("/proc") / std::to_string(pid_); }

private:
    pid_t pid_ = 0;
    Trace trace_;
    FILE* output_ = nullptr;
};

// A value of a "Name:   value" line of a /proc status file.
long long statusValue(const fs::path& status, std::string_view name)
{
    std::ifstream in(status);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(name) && line.size() > name.size() && line[name.size()] == ':')
            return std::atoll(line.c_str() + name.size() + 1);
    }
    return 0;
}

// CPU time and context switches of every thread of a process, so far.
struct Work {
    double cpuSeconds = 0;
    long long switches = 0;
};

Work workOf(const Window& window)
{
    Work work;
    std::error_code ignored;
    for (const auto& task : fs::directory_iterator(window.proc() / "task", ignored)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu)
            work.cpuSeconds += static_cast<double>(onCpu) / 1e9;
        work.switches += statusValue(task.path() / "status", "voluntary_ctxt_switches")
                         + statusValue(task.path() / "status", "nonvoluntary_ctxt_switches");
    }
    return work;
}

int sharedLibraries(const Window& window)
{
    std::ifstream maps(window.proc() / "maps");
    std::set<std::string> libraries;
    for (std::string line; std::getline(maps, line);) {
        const auto path = line.find('/');
        if (path == std::string::npos)
            continue;
        const std::string file = line.substr(path);
        const std::string name = fs::path(file).filename().string();
        if (name.find(".so") != std::string::npos)
            libraries.insert(file);
    }
    return static_cast<int>(libraries.size());
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One step over many starts: medians of its time and processor time (each
// from the end of the step before; the first from the program's start), and
// of the memory and libraries at its end.
struct StepFigures {
    std::string name;
    double ms = 0;
    double cpuMs = 0;
    double residentMb = 0;
    int libraries = 0;
    std::optional<double> instructions;  // from one start under callgrind
};

std::vector<StepFigures> summarise(const std::vector<Trace>& traces)
{
    std::vector<StepFigures> figures;
    if (traces.empty())
        return figures;
    for (const Step& first : traces.front().steps) {
        std::vector<double> ms;
        std::vector<double> cpuMs;
        std::vector<double> residentMb;
        std::vector<double> libraries;
        for (const Trace& trace : traces) {
            const Step* step = trace.find(first.name);
            if (!step)
                continue;
            const auto index = static_cast<std::size_t>(step - trace.steps.data());
            const long long clockBefore = index == 0 ? trace.startedAt : trace.steps[index - 1].clockNs;
            const long long cpuBefore = index == 0 ? 0 : trace.steps[index - 1].cpuNs;
            ms.push_back(static_cast<double>(step->clockNs - clockBefore) / 1e6);
            cpuMs.push_back(static_cast<double>(step->cpuNs - cpuBefore) / 1e6);
            residentMb.push_back(static_cast<double>(step->residentKb) / 1024);
            libraries.push_back(step->libraries);
        }
        figures.push_back({first.name, median(ms), median(cpuMs), median(residentMb),
                           static_cast<int>(median(libraries)), std::nullopt});
    }
    return figures;
}

struct WindowFigures {
    double startMs = 0;
    double peakMb = 0;
    double idleCpuPercent = 0;
    double wakeupsPerSecond = 0;
    int libraries = 0;  // once the sound is ready and the window idles
    std::vector<StepFigures> steps;

    const StepFigures* step(std::string_view name) const
    {
        const auto found = std::ranges::find(steps, name, &StepFigures::name);
        return found == steps.end() ? nullptr : &*found;
    }
};

struct Figures {
    fs::path dataHome;  // the game's kept game and settings go to Dakru/ in it
    double turnsPerSecond = 0;
    WindowFigures game;
    WindowFigures bare;
};

// Starts both programs `runs` times in turn, each time until the end of its trace.
bool measureStarts(const Options& options, Figures& figures)
{
    std::vector<Trace> game;
    std::vector<Trace> bare;
    // Once each first, untimed, so that both find their files in the cache.
    for (int run = -1; run < options.runs; ++run) {
        for (auto [program, traces] : {std::pair{&kBare, &bare}, std::pair{&kGame, &game}}) {
            {
                Window window({program->path});
                const std::optional<Trace> trace = window.traceUntil(program->lastStep);
                if (!trace || !trace->find("first frame"))
                    return false;
                if (run >= 0)
                    traces->push_back(*trace);
            }
            // Each start finds the window system idle, as a player's does, not
            // still taking down the window before it.
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        }
    }
    for (auto [traces, into] : {std::pair{&game, &figures.game}, std::pair{&bare, &figures.bare}}) {
        std::vector<double> firstFrames;
        for (const Trace& trace : *traces)
            firstFrames.push_back(static_cast<double>(trace.find("first frame")->clockNs - trace.startedAt) / 1e6);
        into->startMs = median(firstFrames);
        into->steps = summarise(*traces);
    }
    return true;
}

// Starts both side by side, lets them settle (the intro cue plays and the
// sound device closes again), then watches them idle.
bool measureIdle(const Options& options, Figures& figures)
{
    Window game({kGame.path});
    Window bare({kBare.path});
    if (!game.traceUntil(kGame.lastStep) || !bare.traceUntil(kBare.lastStep))
        return false;
    std::this_thread::sleep_for(8s);
    const Work gameBefore = workOf(game);
    const Work bareBefore = workOf(bare);
    const auto start = Clock::now();
    std::this_thread::sleep_for(options.idle);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const Work gameAfter = workOf(game);
    const Work bareAfter = workOf(bare);

    const auto fill = [seconds](WindowFigures& into, const Window& window, const Work& before, const Work& after) {
        into.idleCpuPercent = std::max(0.0, after.cpuSeconds - before.cpuSeconds) / seconds * 100;
        into.wakeupsPerSecond = static_cast<double>(std::max(0LL, after.switches - before.switches)) / seconds;
        into.peakMb = static_cast<double>(statusValue(window.proc() / "status", "VmHWM")) / 1024;
        into.libraries = sharedLibraries(window);
    };
    fill(figures.game, game, gameBefore, gameAfter);
    fill(figures.bare, bare, bareBefore, bareAfter);
    return true;
}

// Instructions, which a busy machine does not change: one start under
// callgrind, its counts split at every step of the trace. Nothing when
// valgrind is not installed.
void countInstructions(const Program& program, WindowFigures& into)
{
    const fs::path dumps = fs::temp_directory_path() / ("dakru-bench-callgrind-" + std::to_string(getpid()));
    fs::create_directories(dumps);
    const fs::path out = dumps / "out";
    int steps = 0;
    try {
        Window window({"valgrind", "--tool=callgrind", "--dump-before=*traceStep*",
                       "--callgrind-out-file=" + out.string(), program.path});
        if (const std::optional<Trace> trace = window.traceUntil(program.lastStep))
            steps = static_cast<int>(trace->steps.size());
    } catch (const std::runtime_error&) {
        steps = 0;
    }
    // Dump n holds what ran from the step before to the n-th step.
    for (int n = 1; n <= steps && n <= static_cast<int>(into.steps.size()); ++n) {
        std::ifstream dump(out.string() + "." + std::to_string(n));
        for (std::string line; std::getline(dump, line);) {
            if (line.starts_with("summary:") || line.starts_with("totals:")) {
                into.steps[static_cast<std::size_t>(n - 1)].instructions = std::atof(line.c_str() + line.find(':') + 1);
                break;
            }
        }
    }
    fs::remove_all(dumps);
}

bool valgrindInstalled()
{
    return std::system("valgrind --version >/dev/null 2>&1") == 0;
}

// A game 20 turns in, kept as the game keeps it, so that every start reads a kept game.
void keepAGame(const fs::path& playerDir)
{
    SilentShell shell;
    EntropyRandomSource dice;
    Engine engine(shell, dice);
    RandomPlayer player(engine);
    for (int turn = 0; turn < 20; ++turn)
        player.playTurn();
    fs::create_directories(playerDir);
    std::ofstream(playerDir / "kept-game.txt", std::ios::binary) << encodeGameState(engine.gameState());
}

std::string fixed(double value, int decimals)
{
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
}

std::string signedFixed(double value, int decimals)
{
    return (value < 0 ? "" : "+") + fixed(value, decimals);
}

void printTable(const Options& options, const Figures& f)
{
    const char* audio = std::getenv("SDL_AUDIODRIVER");
    std::cout << "Dakru benchmark on a " << machineName() << "\n"
              << "start: median of " << options.runs << " starts of each window; idle: " << options.idle.count()
              << " s after the intro; sound: " << (audio && *audio ? audio : "default") << " audio driver\n\n";
    const auto row = [](std::string_view figure, const std::string& game, const std::string& bare,
                        const std::string& versus, std::string_view target, std::optional<bool> met) {
        // The header names the column; a figure without a target has no mark.
        const std::string mark = figure == "figure" ? "met" : met ? (*met ? "yes" : "NO") : "";
        std::printf("| %-28.*s | %-15s | %-15s | %-12s | %-14.*s | %-4s |\n", static_cast<int>(figure.size()),
                    figure.data(), game.c_str(), bare.c_str(), versus.c_str(), static_cast<int>(target.size()),
                    target.data(), mark.c_str());
    };
    row("figure", "Dakru", "bare window", "Dakru/bare", "target", std::nullopt);
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(30, '-').c_str(), std::string(17, '-').c_str(),
                std::string(17, '-').c_str(), std::string(14, '-').c_str(), std::string(16, '-').c_str(),
                std::string(6, '-').c_str());
    std::cout << std::flush;
    row("engine turns (random games)", fixed(f.turnsPerSecond / 1e6, 2) + " M/CPU s", "", "", ">= 2 M/s",
        f.turnsPerSecond >= 2e6);
    const double ratio = f.game.startMs / f.bare.startMs;
    row("start to first frame", fixed(f.game.startMs, 1) + " ms", fixed(f.bare.startMs, 1) + " ms",
        fixed(ratio, 2) + "x", "<= 1.10x", ratio <= 1.10);
    const StepFigures* gameFrame = f.game.step("first frame");
    const StepFigures* bareFrame = f.bare.step("first frame");
    const StepFigures* gameLoaded = f.game.step("program loaded");
    const StepFigures* bareLoaded = f.bare.step("program loaded");
    if (gameFrame && bareFrame) {
        row("memory at first frame", fixed(gameFrame->residentMb, 1) + " MB", fixed(bareFrame->residentMb, 1) + " MB",
            signedFixed(gameFrame->residentMb - bareFrame->residentMb, 1) + " MB", "", std::nullopt);
    }
    const double extraMb = f.game.peakMb - f.bare.peakMb;
    row("peak memory", fixed(f.game.peakMb, 1) + " MB", fixed(f.bare.peakMb, 1) + " MB",
        signedFixed(extraMb, 1) + " MB", "<= +6 MB", extraMb <= 6.0);
    row("idle CPU", fixed(f.game.idleCpuPercent, 3) + " %", fixed(f.bare.idleCpuPercent, 3) + " %", "", "<= 0.05 %",
        f.game.idleCpuPercent <= 0.05);
    row("idle wakeups", fixed(f.game.wakeupsPerSecond, 1) + " /s", fixed(f.bare.wakeupsPerSecond, 1) + " /s", "", "",
        std::nullopt);
    if (gameLoaded && bareLoaded) {
        const int extra = gameLoaded->libraries - bareLoaded->libraries;
        row("libraries linked", std::to_string(gameLoaded->libraries), std::to_string(bareLoaded->libraries),
            signedFixed(extra, 0), "<= bare", extra <= 0);
    }
    if (gameFrame && bareFrame) {
        const int extra = gameFrame->libraries - bareFrame->libraries;
        row("libraries at first frame", std::to_string(gameFrame->libraries), std::to_string(bareFrame->libraries),
            signedFixed(extra, 0), "<= bare + 2", extra <= 2);
    }
    row("libraries, sound ready", std::to_string(f.game.libraries), std::to_string(f.bare.libraries),
        signedFixed(f.game.libraries - f.bare.libraries, 0), "", std::nullopt);
}

// What each program does before its first frame (and the game a little after),
// step by step: the time and processor time of the step, the instructions it
// ran, the memory in use and the libraries loaded at its end.
void printTrace(std::string_view title, const std::vector<StepFigures>& steps)
{
    std::cout << "\n" << title << "\n\n";
    std::printf("| %-32s | %8s | %8s | %12s | %8s | %7s | %9s |\n", "step", "ms", "CPU ms", "instructions", "memory",
                "+memory", "libraries");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", std::string(34, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(14, '-').c_str(), std::string(10, '-').c_str(),
                std::string(9, '-').c_str(), std::string(11, '-').c_str());
    double residentBefore = 0;
    for (const StepFigures& step : steps) {
        const std::string instructions = step.instructions ? fixed(*step.instructions / 1e6, 1) + " M" : "";
        std::printf("| %-32s | %8s | %8s | %12s | %5s MB | %7s | %9d |\n", step.name.c_str(), fixed(step.ms, 1).c_str(),
                    fixed(step.cpuMs, 1).c_str(), instructions.c_str(), fixed(step.residentMb, 1).c_str(),
                    signedFixed(step.residentMb - residentBefore, 1).c_str(), step.libraries);
        residentBefore = step.residentMb;
    }
}

// The rows of the history and of the review window come from programs of
// their own, which print them.
void printRowsOf(const char* program)
{
    std::cout << std::flush;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, arguments, environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace
}  // namespace dakru::bench

int main(int argc, char** argv)
try {
    using namespace dakru::bench;
    const std::optional<Options> options = readOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: dakru_bench [--idle SECONDS] [--runs N]\n";
        return 2;
    }
    Figures figures;
    figures.dataHome = fs::temp_directory_path() / ("dakru-bench-" + std::to_string(getpid()));
    keepAGame(figures.dataHome / "Dakru");
    // Both programs trace their start; the game keeps its files in a folder of the benchmark's own.
    setenv("DAKRU_START_TRACE", "1", 1);
    setenv("XDG_DATA_HOME", figures.dataHome.c_str(), 1);
    figures.turnsPerSecond = engineTurnsPerSecond();
    const bool shown = measureStarts(*options, figures) && measureIdle(*options, figures);
    const bool counted = shown && valgrindInstalled();
    if (counted) {
        countInstructions(kGame, figures.game);
        countInstructions(kBare, figures.bare);
    }
    fs::remove_all(figures.dataHome);
    if (!shown) {
        std::cerr << "dakru_bench: a window did not show; is there a display (DISPLAY, or xvfb-run)?\n";
        return 1;
    }
    printTable(*options, figures);
    printRowsOf(DAKRU_BENCH_HISTORY);
    printRowsOf(DAKRU_BENCH_REVIEW_WINDOW);
    const std::string how =
        "median of " + std::to_string(options->runs) + " starts"
        + (counted ? "; instructions from one start under callgrind" : "; no valgrind, no instructions");
    printTrace("Dakru's start, step by step (" + how + "):", figures.game.steps);
    printTrace("The bare window's start (" + how + "):", figures.bare.steps);
    return 0;
} catch (const std::exception& error) {
    // Nothing of ours is meant to throw this far; if something does, say what in one line.
    std::fprintf(stderr, "%s: %s\n", "dakru_bench", error.what());
    return 1;
}
