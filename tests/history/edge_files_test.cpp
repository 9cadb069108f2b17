// Histories that are intact but cannot be used as usual: read-only, unreadable,
// not a file, a newer version's, busy in another copy. None is moved aside or
// replaced; reading needs read access alone, and no wait is longer than asked.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

#include "history_database.h"
#include "history_reading.h"
#include "history_support.h"
#include "plain_user.h"
#include "sql_support.h"

namespace dakru::history::test {
namespace {

namespace fs = std::filesystem;

class EdgeFiles : public HistoryFolder {
protected:
    // A history of three games, its log and shared index left beside it as a
    // closed copy of the game leaves them.
    void makeHistory()
    {
        auto history = HistoryDatabase::open(file());
        ASSERT_TRUE(history);
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(history->record(intactGame(n)));
        }
    }
    std::string bytes(const fs::path& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool anythingMovedAside() const
    {
        for (const auto& entry : fs::directory_iterator(folder_)) {
            if (entry.path().filename().string().find("damaged") != std::string::npos) {
                return true;
            }
        }
        return false;
    }
    // Records a game and returns why it could not, with what was said.
    std::optional<HistoryError> recordRefused(std::string* said = nullptr) const
    {
        HistoryError why;
        ::testing::internal::CaptureStderr();
        auto history = HistoryDatabase::open(file(), {std::chrono::milliseconds(100)}, &why);
        std::optional<HistoryError> refused = history ? history->add(intactGame(9)) : std::optional(why);
        const std::string line = ::testing::internal::GetCapturedStderr();
        if (said != nullptr) {
            *said = line;
        }
        return refused;
    }
};

TEST_F(EdgeFiles, SomethingNotAFileIsLeftAlone)
{
    fs::create_directory(file());
    std::string said;
    const std::optional<HistoryError> refused = recordRefused(&said);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->trouble, Trouble::NotAFile);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("left as it is"), std::string::npos) << said;
    EXPECT_TRUE(fs::is_directory(file()));
    EXPECT_FALSE(anythingMovedAside());
    const HistoryContents read = readHistory(file());
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->trouble, Trouble::NotAFile);
}

// A later version's history, its schema beyond this program's: one line says
// so, and the file is neither written, moved nor read.
TEST_F(EdgeFiles, ANewerVersionsHistoryIsLeftAlone)
{
    const struct {
        const char* what;
        const char* change;
    } cases[] = {
        {"a column added", "ALTER TABLE games ADD COLUMN mood TEXT; PRAGMA user_version = 7;"},
        {"a column renamed", "ALTER TABLE games RENAME COLUMN final_score TO score; PRAGMA user_version = 5;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        makeHistory();
        sqlExec(file(), c.change);
        const std::string before = bytes(file());

        std::string said;
        const std::optional<HistoryError> refused = recordRefused(&said);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->trouble, Trouble::Newer);
        EXPECT_NE(said.find("newer version of Dakru"), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_TRUE(bytes(file()) == before) << "the newer history was written";
        EXPECT_FALSE(anythingMovedAside());

        const HistoryContents read = readHistory(file());
        ASSERT_TRUE(read.error);
        EXPECT_EQ(read.error->trouble, Trouble::Newer);
    }
}

// Read access is all reading needs: a read-only file, a read-only folder with
// or without the log and index beside the file, a read-only index. Recording
// there fails as read-only (or succeeds in the log, where that can be written)
// and leaves the file as it was; an unreadable file is left alone.
TEST_F(EdgeFiles, ReadingNeedsOnlyReadAccess)
{
    const struct {
        const char* what;
        bool logBeside;
        mode_t fileMode;
        mode_t indexMode;  // 0: no index beside the file
        mode_t folderMode;
    } cases[] = {
        {"a read-only file", true, 0444, 0644, 0755},
        {"a read-only folder", true, 0644, 0644, 0555},
        {"a read-only folder without the log", false, 0644, 0, 0555},
        {"a read-only index in a read-only folder", true, 0444, 0444, 0555},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        makeHistory();
        if (!c.logBeside) {
            sqlExec(file(), "PRAGMA wal_checkpoint(TRUNCATE)");  // the last connection to close removes the log
            ASSERT_FALSE(fs::exists(folder_ / "history.sqlite-wal"));
        }
        const std::string said = asPlainUser(folder_, [&] {
            chmod(file().c_str(), c.fileMode);
            if (c.indexMode != 0) {
                chmod((folder_ / "history.sqlite-shm").c_str(), c.indexMode);
            }
            chmod(folder_.c_str(), c.folderMode);
            const std::string before = bytes(file());
            const HistoryContents read = readHistory(file());
            std::string wrong;
            if (read.error || read.games.size() != 3 || read.games[2] != intactGame(3)) {
                wrong += "not read: " + (read.error ? read.error->reason : std::to_string(read.games.size())) + "; ";
            }
            // Where the log and its index can still be written, SQLite records.
            const std::optional<HistoryError> refused = recordRefused();
            if (refused && refused->trouble != Trouble::ReadOnly) {
                wrong += "refused for another reason: " + refused->reason + "; ";
            }
            if (bytes(file()) != before || anythingMovedAside()) {
                wrong += "the file was changed; ";
            }
            chmod(folder_.c_str(), 0755);
            return wrong;
        });
        EXPECT_EQ(said, "");
    }

    const std::string said = asPlainUser(folder_, [&] {
        chmod(file().c_str(), 0);
        const HistoryContents read = readHistory(file());
        const std::optional<HistoryError> refused = recordRefused();
        std::string wrong;
        if (!read.error || read.error->trouble != Trouble::NoPermission) {
            wrong += "read, or refused for another reason; ";
        }
        if (!refused || refused->trouble != Trouble::NoPermission || anythingMovedAside()) {
            wrong += "not left alone; ";
        }
        chmod(file().c_str(), 0644);
        return wrong;
    });
    EXPECT_EQ(said, "");
}

// Another copy holds the history in a write transaction. In WAL mode reading
// goes on at once; recording waits as long as asked, or less when the program
// closes. A history in the older rollback mode keeps readers waiting too.
TEST_F(EdgeFiles, ABusyHistoryIsWaitedForNoLongerThanAsked)
{
    makeHistory();
    const auto holding = [this] {
        sqlite3* other = nullptr;
        sqlite3_open(file().c_str(), &other);
        sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        return other;
    };
    sqlite3* other = holding();
    const Waiting brief{std::chrono::milliseconds(100)};
    EXPECT_EQ(readHistory(file(), brief).games.size(), 3U);
    const std::optional<HistoryError> refused = recordRefused();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->trouble, Trouble::Busy);

    const std::atomic<bool> closing{true};
    const auto start = std::chrono::steady_clock::now();
    {
        ::testing::internal::CaptureStderr();
        auto history = HistoryDatabase::open(file(), {std::chrono::seconds(30), &closing});
        EXPECT_TRUE(!history || history->add(intactGame(8)));
        ::testing::internal::GetCapturedStderr();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << "the close cuts the wait short";
    sqlite3_close(other);

    sqlExec(file(), "PRAGMA journal_mode = DELETE");
    other = holding();
    const HistoryContents read = readHistory(file(), brief);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->trouble, Trouble::Busy);
    sqlite3_close(other);
    EXPECT_EQ(readHistory(file(), brief).games.size(), 3U);
}

}  // namespace
}  // namespace dakru::history::test
