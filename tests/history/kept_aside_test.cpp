// The games kept aside until the history takes them: their file's text, once
// per identity, and what a full disk does to it.
#include "kept_aside.h"

#include <gtest/gtest.h>

#include <fstream>

#include "failing_disk.h"
#include "history_support.h"

namespace dakru::history::test {
namespace {

using KeptAsideFile = HistoryFolder;

TEST(KeptAsideText, EveryFieldComesBackAndADamagedLineIsLeftOut)
{
    FinishedGame awkward = intactGame(4);
    awkward.version = "1.6 beta % two";
    awkward.record = "dakru record 1\nr 1 2 3 4 5\nw Down 1\n";
    awkward.assisted = true;
    FinishedGame empty = intactGame(5);
    empty.record.clear();
    empty.version.clear();
    const std::string text = encodeKeptAside({awkward, empty});
    EXPECT_EQ(decodeKeptAside(text), (std::vector{awkward, empty}));

    // A line cut short, a number that is not one, another program's file.
    const std::size_t secondLine = text.find('\n', text.find('\n') + 1);
    EXPECT_EQ(decodeKeptAside(text.substr(0, secondLine - 3) + "\n" + text.substr(secondLine + 1)), std::vector{empty});
    std::string notANumber = text;
    notANumber.replace(notANumber.rfind(' '), 1, " x");
    EXPECT_EQ(decodeKeptAside(notANumber), std::vector{awkward});
    EXPECT_TRUE(decodeKeptAside("some other file\n" + text.substr(text.find('\n') + 1)).empty());
}

TEST_F(KeptAsideFile, AddedOnceTakenOutAndGoneWhenEmpty)
{
    const std::filesystem::path path = folder_ / "not yet" / KeptAside::kFileName;
    KeptAside aside(path);
    EXPECT_TRUE(aside.games().empty());
    EXPECT_FALSE(aside.add(intactGame(1)));
    EXPECT_FALSE(aside.add(intactGame(1)));
    EXPECT_FALSE(aside.add(intactGame(2)));
    EXPECT_EQ(KeptAside(path).games(), (std::vector{intactGame(1), intactGame(2)})) << "on the disk";

    EXPECT_FALSE(aside.remove({intactGame(1).gameId}));
    EXPECT_EQ(KeptAside(path).games(), std::vector{intactGame(2)});
    EXPECT_FALSE(aside.remove({intactGame(2).gameId}));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// The file cannot be written: the game is kept in memory meanwhile, the file
// keeps what it had, and the next write that succeeds puts it there.
TEST_F(KeptAsideFile, AFullDiskKeepsTheGameInMemoryAndTheFileWhole)
{
    const std::filesystem::path path = folder_ / KeptAside::kFileName;
    KeptAside aside(path);
    ASSERT_FALSE(aside.add(intactGame(1)));
    std::ifstream before(path);
    const std::string old{std::istreambuf_iterator<char>(before), {}};
    for (int step = 1; step <= 3; ++step) {
        SCOPED_TRACE(step);
        {
            const storage::testing::FailingDisk disk(step);
            const std::optional<storage::WriteError> failed = aside.add(intactGame(2));
            ASSERT_TRUE(failed);
            EXPECT_TRUE(failed->noSpace());
        }
        EXPECT_EQ(aside.games(), (std::vector{intactGame(1), intactGame(2)}));
        EXPECT_EQ(KeptAside(path).games(), std::vector{intactGame(1)});
    }
    EXPECT_FALSE(aside.add(intactGame(3)));
    EXPECT_EQ(KeptAside(path).games(), (std::vector{intactGame(1), intactGame(2), intactGame(3)}));
}

}  // namespace
}  // namespace dakru::history::test
