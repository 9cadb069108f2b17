#include "score_file_location.h"

#include <gtest/gtest.h>

#include "score_test_support.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
namespace fs = std::filesystem;

QString qt(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

TEST(ScoreFileLocation, BesideAWritableProgramElseInAUserCopySeededOnceFromTheShippedTable)
{
    TempFolder program, user;
    EXPECT_EQ(scoreFileLocation(qt(program.path()), qt(user.path())), program / "dakru.dhs");
    EXPECT_TRUE(fs::is_empty(program.path())) << "the probe leaves nothing";
    EXPECT_FALSE(folderIsWritable(qt(program / "missing")));

    const fs::path userFile = user / "a" / "Dakru" / "dakru.dhs";
    const auto locate = [&] {
        return scoreFileLocation(qt(program.path()), qt(userFile.parent_path()), [](const QString&) { return false; });
    };
    EXPECT_EQ(locate(), userFile);
    EXPECT_TRUE(fs::is_directory(userFile.parent_path())) << "made even without a shipped table";

    writeBytes(program / "dakru.dhs", "shipped\r\n");
    fs::permissions(program / "dakru.dhs", fs::perms::owner_read);
    locate();
    EXPECT_EQ(readBytes(userFile), "shipped\r\n");
    EXPECT_NE(fs::status(userFile).permissions() & fs::perms::owner_write, fs::perms::none);

    writeBytes(userFile, "earned\r\n");
    locate();
    EXPECT_EQ(readBytes(userFile), "earned\r\n") << "an existing user copy is kept";
}

// A table made read-only is kept as it is, as in a read-only folder: the
// player's own copy, seeded from it, takes the scores.
TEST(ScoreFileLocation, AReadOnlyTableIsLeftAloneForTheUserCopy)
{
    TempFolder data, user;
    const fs::path table = data / "dakru.dhs";
    writeBytes(table, "kept\r\n");
    EXPECT_EQ(scoreFileLocation(qt(data.path()), qt(user.path())), table);

    fs::permissions(table, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(scoreFileLocation(qt(data.path()), qt(user.path())), user / "dakru.dhs");
    EXPECT_EQ(readBytes(user / "dakru.dhs"), "kept\r\n");
    EXPECT_EQ(fs::status(table).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

}  // namespace
}  // namespace dakru::scores
