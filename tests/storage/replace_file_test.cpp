// Writing a file whole through the seam: whatever step fails, the old file is
// whole, no temporary is left, and the caller learns the step and the reason.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "failing_disk.h"
#include "replace_file.h"

namespace dakru::storage {
namespace {

namespace fs = std::filesystem;
using testing::FailingDisk;
using testing::kIoError;
using testing::kNoSpace;

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("dakru-storage-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(ReplaceFileTest, ReplacesTheFileWholeAndKeepsItsPermissions)
{
    const fs::path file = folder / "kept.txt";
    ASSERT_FALSE(replaceFile(file, "first\n"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(replaceFile(file, "second\n"));
    EXPECT_EQ(contentOf(file), "second\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(temporaryFor(file)));
}

// Each step failing, on a full disk and on a failing one: the old content
// stays, the temporary goes, and the error names the step.
TEST_F(ReplaceFileTest, AFailedStepLeavesTheOldFileWhole)
{
    const fs::path file = folder / "kept.txt";
    const struct {
        int step;
        Step expected;
    } steps[] = {{1, Step::Write}, {2, Step::Flush}, {3, Step::Rename}};
    for (const std::error_code error : {kNoSpace, kIoError}) {
        for (const auto& [step, expected] : steps) {
            SCOPED_TRACE(error.message() + " at step " + std::to_string(step));
            ASSERT_FALSE(replaceFile(file, "old\n"));
            const FailingDisk disk(step, error);
            const std::optional<WriteError> failed = replaceFile(file, "new\n");
            ASSERT_TRUE(failed);
            EXPECT_EQ(failed->step, expected);
            EXPECT_EQ(failed->code, error);
            EXPECT_EQ(failed->noSpace(), error == kNoSpace);
            EXPECT_EQ(contentOf(file), "old\n");
            EXPECT_FALSE(fs::exists(temporaryFor(file)));
            EXPECT_EQ(disk.steps, step);
        }
    }
}

// The real system's answers come through too: a folder in the way of the
// temporary, and a file in a folder that is not there.
TEST_F(ReplaceFileTest, TheSystemsOwnRefusalsAreReported)
{
    const fs::path file = folder / "kept.txt";
    fs::create_directories(temporaryFor(file) / "in-the-way");
    const std::optional<WriteError> blocked = replaceFile(file, "x");
    ASSERT_TRUE(blocked);
    EXPECT_EQ(blocked->step, Step::Write);
    EXPECT_FALSE(fs::exists(file));

    const std::optional<WriteError> nowhere = replaceFile(folder / "missing" / "kept.txt", "x");
    ASSERT_TRUE(nowhere);
    EXPECT_EQ(nowhere->code, std::make_error_code(std::errc::no_such_file_or_directory));
}

TEST(WriteError, SaysWhatHappenedAndWhere)
{
    EXPECT_EQ((WriteError{Step::Flush, kNoSpace}.text()), "no space left on the disk, at the flush");
    EXPECT_EQ((WriteError{Step::Rename, kIoError}.text()), kIoError.message() + ", at the rename");
#ifdef EDQUOT
    EXPECT_TRUE((WriteError{Step::Write, {EDQUOT, std::generic_category()}}.noSpace()));
#endif
}

}  // namespace
}  // namespace dakru::storage
