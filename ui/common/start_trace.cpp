#include "start_trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#if defined(__linux__)
#include <link.h>
#include <unistd.h>
#endif

namespace dakru::ui {
namespace {

bool traceOn()
{
    static const bool on = std::getenv("DAKRU_START_TRACE") != nullptr;
    return on;
}

long long processCpuNanoseconds()
{
#if defined(__linux__)
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
#else
    return 0;
#endif
}

long long residentKilobytes()
{
#if defined(__linux__)
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) {
        return 0;
    }
    long long size = 0;
    long long resident = 0;
    const int read = std::fscanf(statm, "%lld %lld", &size, &resident);
    std::fclose(statm);
    return read == 2 ? resident * sysconf(_SC_PAGESIZE) / 1024 : 0;
#else
    return 0;
#endif
}

int loadedLibraries()
{
#if defined(__linux__)
    int count = 0;
    dl_iterate_phdr(
        [](dl_phdr_info*, std::size_t, void* counted) {
            ++*static_cast<int*>(counted);
            return 0;
        },
        &count);
    return count;
#else
    return 0;
#endif
}

}  // namespace

// Called from other files only, so never inlined:
// `valgrind --tool=callgrind --dump-before=*traceStep*` splits the start's
// instructions at each step, as the benchmark does.
void traceStep(const char* step)
{
    if (!traceOn()) {
        return;
    }
    const auto clock = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("trace\t%s\t%lld\t%lld\t%lld\t%d\n", step,
                static_cast<long long>(std::chrono::nanoseconds(clock).count()), processCpuNanoseconds(),
                residentKilobytes(), loadedLibraries());
    std::fflush(stdout);
}

}  // namespace dakru::ui
