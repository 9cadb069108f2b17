// The kept game on disk: written after every action, owned by one running
// copy, taken over from a killed one, and never read from anything but a
// plain file.
#include <sys/stat.h>

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <chrono>

#include "failing_disk.h"

#include "harness.h"
#include "kept_game_codec.h"
#include "sheet_names.h"

namespace dakru::ui::testing {
namespace {

class KeptGameTest : public Form1Test {
protected:
    std::filesystem::path keptPath() const { return playerDir / "kept-game.txt"; }
    QString keptFile() const { return QString::fromStdU16String(keptPath().u16string()); }
    QByteArray keptText() const
    {
        QFile file(keptFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::optional<GameState> onDisk() const
    {
        const QByteArray text = keptText();
        return decodeKeptGame(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))).state;
    }
    // Starts over and returns what the start said on standard error.
    std::string restartSaying(const std::function<void()>& whileClosed = {})
    {
        ::testing::internal::CaptureStderr();
        restart(whileClosed);
        return ::testing::internal::GetCapturedStderr();
    }
};

int lines(const std::string& text)
{
    return static_cast<int>(std::ranges::count(text, '\n'));
}

// Every roll, hold, call, write and undo is on disk at once, without a close;
// a tick that changes nothing writes nothing; a game whose score has been
// dealt with leaves no file.
TEST_F(KeptGameTest, TheFileFollowsEveryAction)
{
    const auto checkKept = [&](const char* after) {
        SCOPED_TRACE(after);
        ASSERT_TRUE(onDisk());
        EXPECT_EQ(*onDisk(), form->engine().gameState());
    };
    roll({1, 1, 2, 3, 4});
    checkKept("a roll");
    click("Kocka2p");
    checkKept("a hold");
    click(cellName(Column::Call, row::Minimum));
    checkKept("a call");
    keyUp(Qt::Key_Z, Qt::ControlModifier);
    checkKept("an undo");
    click("Label7");
    checkKept("a write");

    ASSERT_TRUE(QFile::remove(keptFile()));
    form->Timer1_Timer();
    form->Timer2_Timer();
    EXPECT_FALSE(QFile::exists(keptFile())) << "an unchanged game was written again";

    // NEW asks; Yes leaves nothing to keep until the first roll.
    roll({6, 6, 6, 6, 6});
    keyUp(Qt::Key_F2);
    EXPECT_FALSE(QFile::exists(keptFile()));
    roll({1, 1, 1, 1, 1});
    checkKept("the first roll of a new game");
}

// Killed after a write (SIGKILL: nothing of the program runs), the next start
// continues from that write. A copy started while the other still runs plays
// a game of its own, says so once, and neither reads nor touches the file.
TEST_F(KeptGameTest, AKilledCopyLeavesItsLastActionAndASecondCopyKeepsNothing)
{
    QProcess other;
    const std::string second = restartSaying([&] {
        other.start(QStringLiteral(DAKRU_KEPT_GAME_CHILD),
                    {keptFile().section(u'/', 0, -2), "roll:11234", "click:Label7", "roll:22333", "click:Label68",
                     "roll:22333", "click:Kocka1p"});
        ASSERT_TRUE(other.waitForReadyRead(30000))
            << other.errorString().toStdString() << other.readAllStandardError().toStdString();
        ASSERT_EQ(other.readAll(), "ready\n");
    });
    const QByteArray written = keptText();
    const std::optional<GameState> kept = onDisk();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->cells[index(Column::Down)][0].value, 2);
    EXPECT_EQ(kept->cells[index(Column::Down)][1].value, std::nullopt);
    EXPECT_EQ(kept->cells[index(Column::DownUp)][row::FullHouse - 1].value, 2 + 2 + 9 + 30);
    EXPECT_TRUE(kept->dice[0].held);

    EXPECT_EQ(lines(second), 1) << second;
    EXPECT_TRUE(second.starts_with("dakru: another copy of the game keeps the game in ")) << second;
    EXPECT_FALSE(form->engine().keptGameWaiting());
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(yellowCount(), 30);  // a fresh sheet
    click("Label8");
    keyUp(Qt::Key_S);
    keyUp(Qt::Key_S);
    EXPECT_EQ(keptText(), written);

    const std::string takeOver = restartSaying([&] {
        other.kill();
        ASSERT_TRUE(other.waitForFinished(10000));
    });
    EXPECT_EQ(takeOver, "");
    EXPECT_EQ(keptText(), written);  // closing the second copy touched nothing
    ASSERT_TRUE(form->engine().keptGameWaiting());
    keyUp(Qt::Key_Space);
    EXPECT_EQ(form->engine().gameState(), *kept);
    // The record of the killed copy's decisions came with it, whole: three
    // rolls and two writes, from the game's first roll.
    const GameRecord& record = form->engine().record();
    EXPECT_FALSE(record.start);
    ASSERT_EQ(record.events.size(), 5U);
    EXPECT_EQ(record.events[3].move, RecordedMove::Write);
    EXPECT_EQ(record.events[4].faces, (std::array<int, kDiceCount>{2, 2, 3, 3, 3}));
    EXPECT_EQ(dieWidth(1), pictureWidth("d2s.jpg"));
    EXPECT_TRUE(yellow("Label8"));
    form->Timer1_Timer();
    EXPECT_EQ(text("RollsLeft"), "1");

    click("Label8");
    EXPECT_EQ(onDisk(), form->engine().gameState());
}

// A kept game written by another version is left alone: this copy keeps
// nothing and says so once.
TEST_F(KeptGameTest, AnotherVersionsFileIsLeftAlone)
{
    roll({1, 2, 3, 4, 5});
    click("Label7");
    const QByteArray newer = keptText().replace("kept game 2", "kept game 3");
    const std::string said = restartSaying([&] {
        QFile file(keptFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(newer);
    });
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_TRUE(said.starts_with("dakru: leaving alone the kept game in ")) << said;
    EXPECT_TRUE(said.ends_with("version 3, this program reads versions 1 to 2; this game will not be kept\n")) << said;
    EXPECT_FALSE(form->engine().keptGameWaiting());
    roll({1, 2, 3, 4, 5});
    click("Label7");
    ::testing::internal::CaptureStderr();
    form->close();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(keptText(), newer);
}

// A lock that names no running copy is taken over at once: an empty one, one
// of garbage, one of a process of this host that is gone. One from another
// host is trusted while it is fresh, with a message that says what to do,
// and taken over once it has not been touched for half an hour.
TEST_F(KeptGameTest, ALockThatNoRunningCopyHoldsIsTakenOver)
{
    roll({1, 2, 3, 4, 5});
    click("Label7");
    const std::filesystem::path lock = playerDir / "kept-game.txt.lock";
    const auto aged = [&](std::chrono::minutes age) {
        std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() - age);
    };
    const auto writeLock = [&](const QByteArray& text) {
        QFile file(QString::fromStdU16String(lock.u16string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    // A process number that no process has: beyond the system's limit.
    const QByteArray gone = "4194305\ndakru\n";
    const QByteArray thisHost = QSysInfo::machineHostName().toUtf8();
    const struct {
        const char* what;
        QByteArray text;
        std::chrono::minutes age;
        bool takenOver;
    } cases[] = {
        {"empty", "", std::chrono::minutes(1), true},
        {"garbage", "not a lock at all", std::chrono::minutes(1), true},
        {"a gone process of this host", gone + thisHost + "\n", std::chrono::minutes(0), true},
        {"another host, fresh", gone + "elsewhere.example\n", std::chrono::minutes(29), false},
        {"another host, stale", gone + "elsewhere.example\n", std::chrono::minutes(31), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string said = restartSaying([&] {
            writeLock(c.text);
            aged(c.age);
        });
        EXPECT_EQ(form->engine().keptGameWaiting(), c.takenOver);
        if (c.takenOver) {
            EXPECT_EQ(said, "");
        } else {
            EXPECT_EQ(lines(said), 1) << said;
            EXPECT_NE(said.find("(process 4194305 on elsewhere.example)"), std::string::npos) << said;
            EXPECT_NE(said.find("once " + lock.string() + " is 30 minutes old"), std::string::npos) << said;
            std::filesystem::remove(lock);
        }
    }
}

// A full disk while the game is kept: the file keeps the last game written
// whole, the player is told once what happened and what to do, play goes on,
// and once the disk takes writes again the next change is kept.
TEST_F(KeptGameTest, AFullDiskLeavesTheLastKeptGameWholeAndIsToldOnce)
{
    roll({1, 2, 3, 4, 5});
    click("Label7");
    const QByteArray before = keptText();
    {
        const storage::testing::FailingDisk full(1, storage::testing::kNoSpace, true);
        roll({2, 2, 2, 3, 3});
        click("Kocka1p");
        click(cellName(Column::Down, 2));
        QCoreApplication::processEvents();
        EXPECT_EQ(keptText(), before);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Dakru could not save to the disk: it is full.")))
            << dialogs.messages[0].toStdString();
        EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("free some space")));
        EXPECT_EQ(form->engine().cell(Column::Down, 2).value, 6);  // play went on
    }
    roll({6, 6, 6, 6, 6});
    QCoreApplication::processEvents();
    EXPECT_EQ(onDisk(), form->engine().gameState());
    EXPECT_EQ(dialogs.messages.size(), 1) << "told once in a session";
}

// A FIFO, a folder or a device in place of the kept game or the settings is
// reported in one line each and left alone; the start goes on at once.
TEST_F(KeptGameTest, OnlyPlainFilesAreReadOrReplaced)
{
    const std::filesystem::path settings = playerDir / "settings.ini";
    using Make = std::function<void(const std::filesystem::path&)>;
    const std::pair<const char*, Make> cases[] = {
        {"a FIFO", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
        {"a device", [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/null", p); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        const std::string said = restartSaying([&] {
            std::filesystem::create_directories(playerDir);
            make(keptPath());
            make(settings);
        });
        EXPECT_EQ(lines(said), 2) << said;
        EXPECT_TRUE(said.starts_with("dakru: ignoring the settings in ")) << said;
        EXPECT_NE(said.find("\ndakru: leaving alone " + keptPath().string() + ": not a plain file"), std::string::npos)
            << said;
        ::testing::internal::CaptureStderr();
        roll({1, 2, 3, 4, 5});
        click("Label7");
        keyUp(Qt::Key_S);
        form->close();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(std::filesystem::is_regular_file(keptPath()));
        EXPECT_FALSE(std::filesystem::is_regular_file(settings));
        std::filesystem::remove(keptPath());
        std::filesystem::remove(settings);
    }
}

}  // namespace
}  // namespace dakru::ui::testing
