#pragma once

#include <string>
#include <string_view>

namespace dakru::scores {

// The high-score file is kept in Windows-1252 so that a table written on
// Windows reads the same on Linux and back; inside the program text is UTF-8.
// Characters are handled as code points, so a name is never cut or turned
// around in the middle of a multi-byte sequence.

// Malformed UTF-8 decodes as U+FFFD, one per offending byte.
std::u32string decodeUtf8(std::string_view utf8);
std::string encodeUtf8(std::u32string_view text);

// A character the code page lacks becomes "?".
std::string toCp1252(std::u32string_view text);
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// read as the control characters U+0081 etc. and are written back as themselves.
std::u32string fromCp1252(std::string_view bytes);

}  // namespace dakru::scores
