#pragma once

#include <atomic>
#include <chrono>
#include <string>

namespace dakru::history {

// Why the history could not be read or written just now.
enum class Trouble {
    Busy,          // another copy of the game held it for longer than the wait
    NoSpace,       // the disk, or the player's quota on it, is full
    WriteFailed,   // the disk refused a write: an I/O error
    ReadOnly,      // the file or its folder may be read but not written
    NoPermission,  // the file may not even be read
    NotAFile,      // a folder, or anything but a plain file, in its place
    Newer,         // written by a newer version of the game
    Damaged,       // not a database, or a corrupt one
    Unusable,      // no history can be kept there at all
};

struct HistoryError {
    Trouble trouble = Trouble::Unusable;
    std::string reason;   // SQLite's or the system's words, for a line on standard error
    int systemError = 0;  // the system's error number behind it, where there is one
};

// How long to wait for another copy of the game that holds the history, and a
// flag that cuts the wait short (the program is closing).
struct Waiting {
    std::chrono::milliseconds longest{5000};
    const std::atomic<bool>* stop = nullptr;
};

}  // namespace dakru::history
