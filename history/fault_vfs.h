#pragma once

namespace dakru::history {

// The name of the file layer every connection to the history opens through:
// the system's own, with each write, truncation and flush of the database and
// its log first put to the storage seam, so that a test can make SQLite meet a
// full or failing disk at any of them (the answer is SQLITE_FULL for no space,
// an I/O error otherwise). Registered on first use, never as the default.
const char* faultVfsName();

}  // namespace dakru::history
