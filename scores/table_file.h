#pragma once

#include <filesystem>

#include "entry_text.h"

namespace dakru::scores {

// The high-score file dakru.dhs: ten lines, best first, each a stored entry
// (see storedLine) ended by CR LF. Lines ended by LF alone read the same.

// Never fails: a missing or unreadable file, and the lines a short file lacks,
// read as empty entries.
HighScoreTable readTable(const std::filesystem::path& file);

// Replaces the file as a whole: the ten lines go to a temporary file beside it,
// which then takes the file's name. False when any step fails; the old file is
// then left as it was.
bool writeTable(const std::filesystem::path& file, const HighScoreTable& table);

// The temporary file that writeTable fills before it replaces the table.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file);

}  // namespace dakru::scores
