#pragma once

#include <QWidget>
#include <chrono>
#include <cstdio>

#include "first_frame.h"

namespace dakru::bench {

// Tells the benchmark when the window's first frame is up: prints the
// monotonic clock in nanoseconds on standard output.
inline void printClockAtFirstFrame(QWidget& window)
{
    ui::afterFirstFrame(window, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
    });
}

}  // namespace dakru::bench
