#include "score_file_location.h"

#include <gtest/gtest.h>

#include <QString>

#include "temp_folder.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

QString qt(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

bool never(const QString&) { return false; }

TEST(ScoreFileLocation, BesideTheProgramWhenItsFolderIsWritable)
{
    TempFolder program;
    TempFolder user;
    EXPECT_EQ(scoreFileLocation(qt(program.path()), qt(user.path())), program / "dakru.dhs");
}

TEST(ScoreFileLocation, UserCopySeededFromTheShippedTableWhenTheProgramFolderIsReadOnly)
{
    TempFolder program;
    TempFolder user;
    writeBytes(program / "dakru.dhs", "nnA - 0090\r\n");
    const auto userFolder = user / "Dakru";

    const auto location = scoreFileLocation(qt(program.path()), qt(userFolder), never);

    EXPECT_EQ(location, userFolder / "dakru.dhs");
    EXPECT_EQ(readBytes(location), "nnA - 0090\r\n");
    const auto permissions = std::filesystem::status(location).permissions();
    EXPECT_NE(permissions & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST(ScoreFileLocation, ExistingUserCopyIsKept)
{
    TempFolder program;
    TempFolder user;
    writeBytes(program / "dakru.dhs", "shipped\r\n");
    writeBytes(user / "dakru.dhs", "earned\r\n");
    EXPECT_EQ(readBytes(scoreFileLocation(qt(program.path()), qt(user.path()), never)), "earned\r\n");
}

TEST(ScoreFileLocation, UserFolderIsMadeEvenWithoutAShippedTable)
{
    TempFolder program;
    TempFolder user;
    const auto location = scoreFileLocation(qt(program.path()), qt(user / "a" / "b"), never);
    EXPECT_EQ(location, user / "a" / "b" / "dakru.dhs");
    EXPECT_TRUE(std::filesystem::is_directory(user / "a" / "b"));
    EXPECT_FALSE(std::filesystem::exists(location));
}

TEST(FolderIsWritable, ProbesWithoutLeavingAnything)
{
    TempFolder folder;
    EXPECT_TRUE(folderIsWritable(qt(folder.path())));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_FALSE(folderIsWritable(qt(folder / "missing")));
}

TEST(FolderIsWritable, ReadOnlyFolder)
{
    TempFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool writable = folderIsWritable(qt(folder.path()));
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    if (writable)
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    EXPECT_FALSE(writable);
}

}  // namespace
}  // namespace dakru::scores
