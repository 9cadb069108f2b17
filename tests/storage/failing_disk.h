#pragma once

#include <cerrno>
#include <mutex>
#include <optional>
#include <system_error>

#include "write_faults.h"

namespace dakru::storage::testing {

inline const std::error_code kNoSpace = std::make_error_code(std::errc::no_space_on_device);
inline const std::error_code kIoError = std::make_error_code(std::errc::io_error);

// A disk that fails the way a full or a failing one does: every step of every
// write the game makes (the write, the flush, the rename) is counted, and the
// failAt-th fails; with `lasting`, every step from then on fails too, as on a
// disk that stays full. Installed for as long as it lives.
class FailingDisk final : public WriteFaults {
public:
    explicit FailingDisk(std::optional<int> failAt = std::nullopt, std::error_code error = kNoSpace,
                         bool lasting = false)
        : failAt(failAt), error(error), lasting(lasting), scope_(*this)
    {
    }
    std::error_code at(Step step, const std::filesystem::path&) override
    {
        // The window's thread and the history's worker both write.
        const std::lock_guard lock(mutex_);
        ++steps;
        const bool fails = failAt && (steps == *failAt || (lasting && steps > *failAt));
        if (fails) {
            ++failed;
            lastFailed = step;
            return error;
        }
        return {};
    }

    std::optional<int> failAt;
    std::error_code error;
    bool lasting = false;
    int steps = 0;   // counted so far
    int failed = 0;  // failed so far
    std::optional<Step> lastFailed;

private:
    std::mutex mutex_;
    FaultScope scope_;
};

}  // namespace dakru::storage::testing
