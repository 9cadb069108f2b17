#include "table_file.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <QLockFile>
#include <QString>

#include "replace_file.h"

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
    return storage::temporaryFor(linkTarget(file));
}

std::optional<HighScoreTable> updateTable(const fs::path& file, const std::function<bool(HighScoreTable&)>& change,
                                          std::optional<storage::WriteError>* failure)
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
    if (auto error = special ? storage::writeInPlace(target, content) : storage::replaceFile(target, content)) {
        if (failure)
            *failure = error;
        return std::nullopt;
    }
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
