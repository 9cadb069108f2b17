#include "score_file_location.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

QString qt(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
bool readOnly(const QString&) { return false; }

TEST(ScoreFileLocation, BesideTheProgramWhenItsFolderIsWritable)
{
    TempFolder program, user;
    EXPECT_EQ(scoreFileLocation(qt(program.path()), qt(user.path())), program / "dakru.dhs");
    EXPECT_TRUE(std::filesystem::is_empty(program.path())) << "the probe leaves nothing";
    EXPECT_FALSE(folderIsWritable(qt(program / "missing")));
}

TEST(ScoreFileLocation, ReadOnlyProgramFolderUsesAUserCopySeededOnce)
{
    TempFolder program, user;
    writeBytes(program / "dakru.dhs", "shipped\r\n");
    std::filesystem::permissions(program / "dakru.dhs", std::filesystem::perms::owner_read);
    const auto userFolder = user / "Dakru";

    const auto location = scoreFileLocation(qt(program.path()), qt(userFolder), readOnly);
    EXPECT_EQ(location, userFolder / "dakru.dhs");
    EXPECT_EQ(readBytes(location), "shipped\r\n");
    EXPECT_NE(std::filesystem::status(location).permissions() & std::filesystem::perms::owner_write,
              std::filesystem::perms::none);

    writeBytes(location, "earned\r\n");
    scoreFileLocation(qt(program.path()), qt(userFolder), readOnly);
    EXPECT_EQ(readBytes(location), "earned\r\n") << "an existing user copy is kept";
}

TEST(ScoreFileLocation, UserFolderIsMadeEvenWithoutAShippedTable)
{
    TempFolder program, user;
    const auto location = scoreFileLocation(qt(program.path()), qt(user / "a" / "b"), readOnly);
    EXPECT_EQ(location, user / "a" / "b" / "dakru.dhs");
    EXPECT_TRUE(std::filesystem::is_directory(user / "a" / "b"));
}

}  // namespace
}  // namespace dakru::scores
