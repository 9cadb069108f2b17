#include "history_export.h"

#include <cstdio>
#include <system_error>

#include "csv_export.h"
#include "game_check.h"
#include "history_database.h"
#include "history_reading.h"
#include "replace_file.h"

namespace dakru::app {
namespace {

namespace fs = std::filesystem;

// The file a path names in the end, through links, whether it exists yet or not.
fs::path resolved(fs::path file)
{
    std::error_code error;
    for (int links = 0; links < 40 && fs::is_symlink(file, error); ++links) {
        const fs::path target = fs::read_symlink(file, error);
        if (error) {
            break;
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return fs::weakly_canonical(fs::absolute(file, error), error);
}

bool sameFile(const fs::path& one, const fs::path& other)
{
    std::error_code error;
    if (fs::exists(one, error) && fs::exists(other, error) && fs::equivalent(one, other, error)) {
        return true;
    }
    return resolved(one) == resolved(other);
}

void say(const std::string& line)
{
    std::fprintf(stderr, "dakru: %s\n", line.c_str());
}

}  // namespace

std::string historyTroubleLine(const fs::path& file, const history::HistoryError& error)
{
    switch (error.trouble) {
    case history::Trouble::Busy:
        return "the game history " + file.string()
               + " is busy: another copy of Dakru is writing it; try again once it has finished";
    case history::Trouble::Newer:
        return "the game history " + file.string() + " was written by a newer version of Dakru; use that version";
    default: return "cannot read the game history " + file.string() + ": " + error.reason;
    }
}

int exportHistory(const fs::path& playerFolder, const fs::path& csvFile, std::chrono::milliseconds wait)
{
    const fs::path historyFile = playerFolder / history::HistoryDatabase::kFileName;
    const bool toOutput = csvFile == "-";
    if (!toOutput) {
        for (const char* companion : {"", "-wal", "-shm"}) {
            fs::path part = historyFile;
            part += companion;
            if (sameFile(csvFile, part)) {
                const std::string which = *companion == '\0' ? "" : " (its " + part.filename().string() + ")";
                say(csvFile.string() + " is the game history itself" + which + "; export it to another file");
                return 2;
            }
        }
    }

    const history::HistoryContents contents = history::readHistory(historyFile, {wait});
    if (contents.error) {
        say(historyTroubleLine(historyFile, *contents.error));
        return 1;
    }
    const std::string csv = history::toCsv(contents.games);
    if (toOutput) {
        if (std::fwrite(csv.data(), 1, csv.size(), stdout) != csv.size() || std::fflush(stdout) != 0) {
            say("cannot write the history to standard output");
            return 1;
        }
        return 0;
    }

    // A link is followed and the file it names rewritten; what is not a plain
    // file (a device, a pipe) is written as it is.
    const fs::path target = resolved(csvFile);
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    const std::optional<storage::WriteError> failed = fs::exists(status) && !fs::is_regular_file(status)
                                                          ? storage::writeInPlace(target, csv)
                                                          : storage::replaceFile(target, csv);
    if (failed) {
        say("cannot write " + csvFile.string() + ": " + failed->text());
        return 1;
    }
    int damaged = 0;
    for (const history::FinishedGame& game : contents.games) {
        damaged += history::intact(game) ? 0 : 1;
    }
    const std::size_t count = contents.games.size();
    std::printf("%zu %s written to %s", count, count == 1 ? "game" : "games", csvFile.string().c_str());
    if (damaged > 0) {
        std::printf(" (%d damaged, marked in the last column)", damaged);
    }
    std::printf("\n");
    return 0;
}

}  // namespace dakru::app
