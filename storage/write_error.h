#pragma once

#include <string>
#include <system_error>

namespace dakru::storage {

// The steps of writing a file, each of which a full disk or a failing one can stop.
enum class Step {
    Write,   // creating the file and putting the bytes in it
    Flush,   // getting them onto the disk
    Rename,  // giving the finished file its name
};

// A write that did not happen: at which step, and the system's reason.
struct WriteError {
    Step step = Step::Write;
    std::error_code code;

    // The disk (or the player's quota on it) is full: freeing space mends it.
    bool noSpace() const;
    // "no space left on the disk, at the flush", for a line on standard error.
    std::string text() const;
};

}  // namespace dakru::storage
