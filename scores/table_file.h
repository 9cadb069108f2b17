#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "entry_text.h"
#include "write_error.h"

namespace dakru::scores {

// The high-score file dakru.dhs: ten lines, best first, each a stored entry
// (see storedLine) ended by CR LF. Lines ended by LF alone or CR alone read
// the same.

// Never fails and reads only what ten entries can need: each line is cut to its
// first 30 characters while it is read, nothing beyond the tenth line and
// nothing beyond kReadLimit bytes is looked at. A missing or unreadable file,
// anything but a plain file, and the lines a short file lacks read as empty
// entries.
HighScoreTable readTable(const std::filesystem::path& file);
inline constexpr std::size_t kReadLimit = std::size_t{64} * 1024;

// Changes the table as the file holds it now: under a lock that every copy of
// the game takes, reads the file, lets `change` edit what it read and, when
// `change` returns true, writes the result back. Returns the table as read and
// changed, or nothing when the lock or the write failed; the file is then as
// it was.
//
// The write replaces the file whole and durably: the lines go to a temporary
// file beside it (always the same name, so a killed write leaves at most one),
// which reaches the disk before it takes the file's name. A symbolic link is
// written through: the file it names is replaced in that file's folder and the
// link stays. A link to something other than a plain file (a device) is
// written into directly.
// When the write fails, `failure` (if given) learns why.
std::optional<HighScoreTable> updateTable(const std::filesystem::path& file,
                                          const std::function<bool(HighScoreTable&)>& change,
                                          std::optional<storage::WriteError>* failure = nullptr);

// Replaces the whole table, under the same lock; false when that failed.
bool writeTable(const std::filesystem::path& file, const HighScoreTable& table);

// The temporary file that a write fills before it replaces the table, beside
// the file that a link names.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file);

}  // namespace dakru::scores
