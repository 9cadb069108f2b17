// What the start does before the main window's first frame and what waits
// until after it: the kept game is read once the frame is up and before any
// input; the history's SQLite and the advisor's model are not loaded at all.
#if defined(__linux__)
#include <link.h>
#endif

#include <QElapsedTimer>
#include <QFile>
#include <string_view>

#include "first_frame.h"
#include "game.h"
#include "harness.h"

namespace dakru::ui::testing {
namespace {

#if defined(__linux__)
bool libraryLoaded(const char* part)
{
    struct Search {
        std::string_view part;
        bool found = false;
    } search{part};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            s->found = s->found || std::string_view(info->dlpi_name).find(s->part) != std::string_view::npos;
            return 0;
        },
        &search);
    return search.found;
}
#endif

// A game kept mid-turn by an earlier run over the harness's folders.
class StartTest : public Form1Test {
protected:
    StartTest()
    {
        roll({1, 1, 2, 3, 4});
        click("Kocka1p");
        form.reset();  // the earlier run ends, leaving its game kept
        // SDL's driver for no device: every cue silent and at once.
        qputenv("SDL_AUDIODRIVER", "none");
    }

    bool locked() const
    {
        return QFile::exists(QString::fromStdU16String((playerDir / "kept-game.txt.lock").u16string()));
    }
};

TEST_F(StartTest, TheKeptGameIsReadRightAfterTheFirstFrameAndNothingElseLoads)
{
    ::testing::internal::CaptureStderr();  // the sound files are missing here
    {
        Game game({.data = picturesDir.parent_path(), .tableFile = tableFile, .player = playerDir});
        game.start();
        EXPECT_FALSE(locked()) << "the kept game was taken before the first frame";
        EXPECT_FALSE(game.window().engine().keptGameWaiting());

        bool framed = false;
        afterFirstFrame(game.window(), [&] {
            framed = true;
            // At once after the first frame, before any event: the kept game waits for the first roll press.
            EXPECT_TRUE(locked());
            EXPECT_TRUE(game.window().engine().keptGameWaiting());
        });
        QElapsedTimer waited;
        waited.start();
        while (!framed && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
        }
        ASSERT_TRUE(framed);
#if defined(__linux__) && defined(DAKRU_SQLITE3_BUILT_IN)
        EXPECT_FALSE(libraryLoaded("sqlite")) << "the history's library is loaded with the program";
#endif
        EXPECT_FALSE(game.window().hint().modelLoaded());

        // The first roll press brings the kept game back as it was left, the die held.
        QTest::mouseClick(game.window().findChild<QWidget*>(QStringLiteral("G1")), Qt::LeftButton);
        EXPECT_TRUE(game.window().engine().die(1).held);
        EXPECT_EQ(game.window().engine().gameState().RollCount, 1);

        // The model is loaded by the first H, and not before.
        QTest::keyClick(&game.window(), Qt::Key_H);
        EXPECT_TRUE(game.window().hint().modelLoaded());
    }
    ::testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace dakru::ui::testing
