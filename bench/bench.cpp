// The game's benchmark: how fast the rules engine plays, and what the main
// window costs against a bare Qt window of the same size and title, measured
// in the same run: time to the first frame, peak memory, idle CPU and wakeups,
// shared libraries. Prints one table. Linux only: it reads /proc.
//
//   dakru_bench [--idle SECONDS] [--runs N]
//
// --idle: how long the windows are watched while idle (default 60 s);
// --runs: how many times each window is started for the start-up time (default 15).

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
#include "random_source.h"

extern char** environ;

namespace dakru::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Options {
    std::chrono::seconds idle{60};
    int runs = 15;
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
    void recordFinishedGame(const GameState&) override {}
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

// A window program, started with its standard output on a pipe and its
// standard error silenced; it prints the clock when its first frame is up.
class Window {
public:
    explicit Window(const char* program, const std::string& argument = {})
    {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::string ownArgument = argument;
        char* arguments[] = {const_cast<char*>(program), argument.empty() ? nullptr : ownArgument.data(), nullptr};
        startedAt_ = nowNanoseconds();
        const int failed = posix_spawn(&pid_, program, &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        output_ = fdopen(pipeEnds[0], "r");
        if (failed)
            throw std::runtime_error(std::string("cannot start ") + program);
    }

    ~Window()
    {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        std::fclose(output_);
    }

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Milliseconds from starting the process to its first frame; nullopt if it never came.
    std::optional<double> firstFrame()
    {
        long long at = 0;
        if (std::fscanf(output_, "%lld", &at) != 1)
            return std::nullopt;
        return static_cast<double>(at - startedAt_) / 1e6;
    }

    fs::path proc() const { return fs::path("/proc") / std::to_string(pid_); }

private:
    pid_t pid_ = 0;
    long long startedAt_ = 0;
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
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct WindowFigures {
    double startMs = 0;
    double peakMb = 0;
    double idleCpuPercent = 0;
    double wakeupsPerSecond = 0;
    int libraries = 0;
};

struct Figures {
    fs::path playerDir;  // the game's kept game and settings: none
    double turnsPerSecond = 0;
    WindowFigures game;
    WindowFigures bare;
};

// Starts both windows `runs` times in turn, each time until its first frame.
bool measureStarts(const Options& options, Figures& figures)
{
    std::vector<double> game;
    std::vector<double> bare;
    // Once each first, untimed, so that both find their files in the cache.
    for (int run = -1; run < options.runs; ++run) {
        for (auto [program, times] : {std::pair{DAKRU_BENCH_BARE, &bare}, std::pair{DAKRU_BENCH_GAME, &game}}) {
            Window window(program, program == std::string_view(DAKRU_BENCH_GAME) ? figures.playerDir.string() : "");
            const std::optional<double> ms = window.firstFrame();
            if (!ms)
                return false;
            if (run >= 0)
                times->push_back(*ms);
        }
    }
    figures.game.startMs = median(game);
    figures.bare.startMs = median(bare);
    return true;
}

// Starts both windows side by side, lets them settle (the intro cue plays and
// the sound device closes again), then watches them idle.
bool measureIdle(const Options& options, Figures& figures)
{
    Window game(DAKRU_BENCH_GAME, figures.playerDir.string());
    Window bare(DAKRU_BENCH_BARE);
    if (!game.firstFrame() || !bare.firstFrame())
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

std::string fixed(double value, int decimals)
{
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
}

void printTable(const Options& options, const Figures& f)
{
    const char* audio = std::getenv("SDL_AUDIODRIVER");
    std::cout << "Dakru benchmark on a " << machineName() << "\n"
              << "start: median of " << options.runs << " starts of each window; idle: " << options.idle.count()
              << " s after the intro; sound: " << (audio && *audio ? audio : "default") << " audio driver\n\n";
    const auto row = [](std::string_view figure, const std::string& game, const std::string& bare,
                        const std::string& versus, std::string_view target) {
        std::printf("| %-28.*s | %-15s | %-15s | %-12s | %-14.*s |\n", static_cast<int>(figure.size()), figure.data(),
                    game.c_str(), bare.c_str(), versus.c_str(), static_cast<int>(target.size()), target.data());
    };
    const auto sign = [](double value) { return value < 0 ? std::string() : std::string("+"); };
    row("figure", "Dakru", "bare window", "Dakru/bare", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(30, '-').c_str(), std::string(17, '-').c_str(),
                std::string(17, '-').c_str(), std::string(14, '-').c_str(), std::string(16, '-').c_str());
    row("engine turns (random games)", fixed(f.turnsPerSecond / 1e6, 2) + " M/CPU s", "", "", ">= 2 M/s");
    row("start to first frame", fixed(f.game.startMs, 1) + " ms", fixed(f.bare.startMs, 1) + " ms",
        fixed(f.game.startMs / f.bare.startMs, 2) + "x", "<= 1.10x");
    const double extraMb = f.game.peakMb - f.bare.peakMb;
    row("peak memory", fixed(f.game.peakMb, 1) + " MB", fixed(f.bare.peakMb, 1) + " MB",
        sign(extraMb) + fixed(extraMb, 1) + " MB", "<= +6 MB");
    row("idle CPU", fixed(f.game.idleCpuPercent, 3) + " %", fixed(f.bare.idleCpuPercent, 3) + " %", "", "<= 0.05 %");
    row("idle wakeups", fixed(f.game.wakeupsPerSecond, 1) + " /s", fixed(f.bare.wakeupsPerSecond, 1) + " /s", "", "");
    const int extraLibraries = f.game.libraries - f.bare.libraries;
    row("shared libraries", std::to_string(f.game.libraries), std::to_string(f.bare.libraries),
        sign(extraLibraries) + std::to_string(extraLibraries), "<= 80");
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
    figures.playerDir = fs::temp_directory_path() / ("dakru-bench-" + std::to_string(getpid()));
    fs::create_directories(figures.playerDir);
    figures.turnsPerSecond = engineTurnsPerSecond();
    const bool shown = measureStarts(*options, figures) && measureIdle(*options, figures);
    fs::remove_all(figures.playerDir);
    if (!shown) {
        std::cerr << "dakru_bench: a window did not show; is there a display (DISPLAY, or xvfb-run)?\n";
        return 1;
    }
    printTable(*options, figures);
    printRowsOf(DAKRU_BENCH_HISTORY);
    printRowsOf(DAKRU_BENCH_REVIEW_WINDOW);
    return 0;
} catch (const std::exception& error) {
    // Nothing of ours is meant to throw this far; if something does, say what in one line.
    std::fprintf(stderr, "%s: %s\n", "dakru_bench", error.what());
    return 1;
}
