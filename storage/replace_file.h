#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "write_error.h"

namespace dakru::storage {

// How far a replacement has reached the disk when it returns: always the new
// content under the temporary name; for a file whose every version counts (the
// table) the folder's record of the new name too. A file rewritten after every
// action (the kept game) skips that second wait: a power cut at the wrong
// moment brings back its version before, never a part of one.
enum class Durability { Content, ContentAndName };

// Replaces a plain file whole: the bytes go to "<file>.tmp" beside it, reach
// the disk, and only then take the file's name. A reader sees the old content
// or the new, never a part; when any step fails the old file is whole and the
// temporary is gone. The file keeps the permissions it had.
std::optional<WriteError> replaceFile(const std::filesystem::path& file, std::string_view bytes,
                                      Durability durability = Durability::ContentAndName);

// Writes into the file itself, without a temporary or a rename: for what is
// not a plain file in a folder of its own (a device a link names).
std::optional<WriteError> writeInPlace(const std::filesystem::path& file, std::string_view bytes);

// The temporary file a replacement fills first.
std::filesystem::path temporaryFor(const std::filesystem::path& file);

}  // namespace dakru::storage
