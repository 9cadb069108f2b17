#pragma once

#include <filesystem>
#include <system_error>

#include "write_error.h"

namespace dakru::storage {

// The seam through which every file the game writes passes: before each step
// of a write (the kept game, the settings, the table, the finished games kept
// aside, and the history database's own writes), the installed faults are
// asked whether that step fails. Nothing is installed in the game; tests
// install faults to play a full disk or a failing one at any chosen step.
class WriteFaults {
public:
    virtual ~WriteFaults() = default;
    // The error this step meets, or none to let it happen.
    virtual std::error_code at(Step step, const std::filesystem::path& file) = 0;
};

// Installs faults for as long as it lives; one at a time.
class FaultScope {
public:
    explicit FaultScope(WriteFaults& faults);
    ~FaultScope();
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;
};

// What the installed faults say of this step: none when nothing is installed.
std::error_code injectedFault(Step step, const std::filesystem::path& file);

}  // namespace dakru::storage
