#pragma once

#include <QString>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

class QLockFile;

namespace dakru::ui {

// The lock by which one running copy of the game owns the kept game: a file
// naming the copy's process and host. A lock that names no running copy is
// taken over: one of a process of this host that is gone, and one that cannot
// be read (empty, or not written by the game). A copy on another host (a home
// shared between machines) cannot be asked whether it still runs, so its lock
// is trusted while that copy keeps it fresh, and taken over once it has not
// been touched for kForeignLockAge.
class KeptGameLock {
public:
    static constexpr std::chrono::minutes kForeignLockAge{30};

    explicit KeptGameLock(std::filesystem::path file);
    ~KeptGameLock();
    KeptGameLock(const KeptGameLock&) = delete;
    KeptGameLock& operator=(const KeptGameLock&) = delete;

    // Takes the lock. Nothing when it is this copy's now; otherwise the
    // line to tell the player, which says why and what to do.
    std::optional<QString> take();

    // Shows copies on other hosts that this one still runs; cheap to call
    // often, it touches the file only every few minutes.
    void keepFresh();

private:
    std::filesystem::path file_;
    std::unique_ptr<QLockFile> lock_;
    std::chrono::steady_clock::time_point touched_;
};

}  // namespace dakru::ui
