#include "table_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <QLockFile>
#include <QString>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace dakru::scores {
namespace fs = std::filesystem;
namespace {

// A write takes milliseconds; a copy of the game that holds the lock longer is
// stuck, and a killed one's lock is taken over at once.
constexpr int kLockWaitMilliseconds = 5000;
// As many links as the system itself follows before it calls it a loop.
constexpr int kMostLinks = 40;

// The file that a chain of symbolic links ends in (which need not exist); the
// file itself when it is no link.
fs::path linkTarget(fs::path file)
{
    std::error_code error;
    for (int hop = 0; hop < kMostLinks && fs::is_symlink(fs::symlink_status(file, error)); ++hop) {
        const fs::path next = fs::read_symlink(file, error);
        if (error)
            break;
        file = file.parent_path() / next;  // an absolute target replaces the folder
    }
    return file;
}

// Something that is there but is no plain file: a device, a pipe, a folder.
bool isSpecial(const fs::path& target)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    return fs::exists(status) && !fs::is_regular_file(status);
}

QString qtPath(const fs::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

std::string fileContent(const HighScoreTable& table)
{
    std::string content;
    for (const std::string& entry : table)
        content += storedLine(entry) + "\r\n";
    return content;
}

// Puts the bytes in place of the file's content; when `durable`, returns only
// once they are on the disk.
bool putBytes(const fs::path& file, const std::string& bytes, bool durable)
{
#ifdef _WIN32
    std::FILE* out = _wfopen(file.c_str(), L"wb");
#else
    std::FILE* out = std::fopen(file.c_str(), "wb");
#endif
    if (!out)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
    if (durable) {
#ifdef _WIN32
        written = written && _commit(_fileno(out)) == 0;
#else
        written = written && ::fsync(fileno(out)) == 0;
#endif
    }
    return std::fclose(out) == 0 && written;
}

// A rename lasts through a power cut only once the folder holding the name is
// on the disk as well.
void syncFolder(const fs::path& folder)
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

// Replaces the plain file `target` whole: a reader sees the old table or the
// new one, never a part.
bool replaceFile(const fs::path& target, const std::string& bytes)
{
    fs::path temporary = target;
    temporary += ".tmp";
    std::error_code ignored;
    fs::remove(temporary, ignored);  // left by a write that was killed
    if (!putBytes(temporary, bytes, true)) {
        fs::remove(temporary, ignored);
        return false;
    }
    // The table keeps whatever permissions its owner gave it.
    const fs::file_status old = fs::status(target, ignored);
    if (fs::exists(old))
        fs::permissions(temporary, old.permissions(), ignored);
    // rename replaces an existing file, on Windows too, in one step.
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, ignored);
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

}  // namespace

HighScoreTable readTable(const fs::path& file)
{
    HighScoreTable table;
    std::error_code error;
    // A pipe or a terminal could hold the game up, a device never end.
    if (!fs::is_regular_file(file, error))
        return table;
    std::ifstream in(file, std::ios::binary);
    std::istreambuf_iterator<char> next(in);
    const std::istreambuf_iterator<char> end;
    std::size_t budget = kReadLimit;
    const auto take = [&] {
        const char c = *next;
        ++next;
        --budget;
        return c;
    };

    for (std::string& entry : table) {
        std::string line;
        bool ended = false;
        while (!ended && budget > 0 && next != end) {
            const char c = take();
            if (c == '\r') {
                if (budget > 0 && next != end && *next == '\n')
                    take();
                ended = true;
            } else if (c == '\n') {
                ended = true;
            } else if (line.size() < kStoredLength) {
                line += c;
            }
        }
        entry = entryFromLine(line);
        if (!ended)
            break;
    }
    return table;
}

std::filesystem::path temporaryFileFor(const fs::path& file)
{
    fs::path temporary = linkTarget(file);
    temporary += ".tmp";
    return temporary;
}

std::optional<HighScoreTable> updateTable(const fs::path& file, const std::function<bool(HighScoreTable&)>& change)
{
    const fs::path target = linkTarget(file);
    const bool special = isSpecial(target);
    // Beside the file itself, so that every link to it shares the lock; a
    // device's folder is no place for it.
    fs::path lockFile = special ? file : target;
    lockFile += ".lock";
    QLockFile lock(qtPath(lockFile));
    if (!lock.tryLock(kLockWaitMilliseconds))
        return std::nullopt;

    HighScoreTable table = readTable(target);
    if (!change(table))
        return table;
    const std::string content = fileContent(table);
    if (!(special ? putBytes(target, content, false) : replaceFile(target, content)))
        return std::nullopt;
    return table;
}

bool writeTable(const fs::path& file, const HighScoreTable& table)
{
    return updateTable(file,
                       [&table](HighScoreTable& current) {
                           current = table;
                           return true;
                       })
        .has_value();
}

}  // namespace dakru::scores
