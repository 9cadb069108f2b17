#include "replace_file.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "write_faults.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace dakru::storage {
namespace fs = std::filesystem;
namespace {

std::error_code lastError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

std::FILE* openForWriting(const fs::path& file)
{
#ifdef _WIN32
    return _wfopen(file.c_str(), L"wb");
#else
    return std::fopen(file.c_str(), "wb");
#endif
}

bool flushToDisk(std::FILE* out)
{
#ifdef _WIN32
    return _commit(_fileno(out)) == 0;
#else
    return ::fsync(fileno(out)) == 0;
#endif
}

// Puts the bytes in the file, through the seam; with `durable`, they are on
// the disk before it returns.
std::optional<WriteError> putBytes(const fs::path& file, std::string_view bytes, bool durable)
{
    if (const std::error_code fault = injectedFault(Step::Write, file)) {
        return WriteError{Step::Write, fault};
    }
    errno = 0;
    std::FILE* out = openForWriting(file);
    if (out == nullptr) {
        return WriteError{Step::Write, lastError()};
    }
    std::optional<WriteError> failed;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fflush(out) != 0) {
        failed = WriteError{Step::Write, lastError()};
    } else if (durable) {
        if (const std::error_code fault = injectedFault(Step::Flush, file)) {
            failed = WriteError{Step::Flush, fault};
        } else if (!flushToDisk(out)) {
            failed = WriteError{Step::Flush, lastError()};
        }
    }
    errno = 0;
    // Some file systems report a full disk only when the file is closed.
    if (std::fclose(out) != 0 && !failed) {
        failed = WriteError{durable ? Step::Flush : Step::Write, lastError()};
    }
    return failed;
}

// A rename lasts through a power cut only once the folder holding the name is
// on the disk as well.
void flushFolder(const fs::path& folder)
{
#ifndef _WIN32
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
#else
    (void)folder;
#endif
}

}  // namespace

fs::path temporaryFor(const fs::path& file)
{
    fs::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

std::optional<WriteError> replaceFile(const fs::path& file, std::string_view bytes, Durability durability)
{
    const fs::path temporary = temporaryFor(file);
    std::error_code ignored;
    fs::remove(temporary, ignored);  // left by a write that was killed
    if (std::optional<WriteError> failed = putBytes(temporary, bytes, true)) {
        fs::remove(temporary, ignored);
        return failed;
    }
    const fs::file_status old = fs::status(file, ignored);
    if (fs::exists(old)) {
        fs::permissions(temporary, old.permissions(), ignored);
    }
    std::error_code error = injectedFault(Step::Rename, file);
    if (!error) {
        // Replaces an existing file in one step, on Windows too.
        fs::rename(temporary, file, error);
    }
    if (error) {
        fs::remove(temporary, ignored);
        return WriteError{Step::Rename, error};
    }
    if (durability == Durability::ContentAndName) {
        flushFolder(file.parent_path());
    }
    return std::nullopt;
}

std::optional<WriteError> writeInPlace(const fs::path& file, std::string_view bytes)
{
    return putBytes(file, bytes, false);
}

}  // namespace dakru::storage
