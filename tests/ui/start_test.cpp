// What the start does before the main window's first frame and what waits
// until after it: the kept game is read once the frame is up and before any
// input, and the high-score table looked for; the history's SQLite and the
// advisor's model are not loaded at all.
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
        int tableLookedFor = 0;
        const scores::TableFile table([&] {
            ++tableLookedFor;
            return tableFile;
        });
        Game game({.data = picturesDir.parent_path(), .tableFile = table, .player = playerDir});
        game.start();
        EXPECT_FALSE(locked()) << "the kept game was taken before the first frame";
        EXPECT_EQ(tableLookedFor, 0) << "the high-score table was looked for before the first frame";
        EXPECT_FALSE(game.window().engine().keptGameWaiting());
        EXPECT_EQ(game.window().findChild<QWidget*>(QStringLiteral("Label7")), nullptr)
            << "the sheet, behind the cover, was built before the first frame";

        bool framed = false;
        afterFirstFrame(game.window(), [&] {
            framed = true;
            // At once after the first frame, before any event: the sheet is
            // there, and the kept game waits for the first roll press.
            EXPECT_NE(game.window().findChild<QWidget*>(QStringLiteral("Label7")), nullptr);
            EXPECT_TRUE(locked());
            EXPECT_TRUE(game.window().engine().keptGameWaiting());
            EXPECT_EQ(tableLookedFor, 1);
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

        // Its window shows the table found then; it is not looked for again.
        QTest::mouseClick(game.window().findChild<QWidget*>(QStringLiteral("G3")), Qt::LeftButton);
        ASSERT_NE(game.window().highScoreWindow(), nullptr);
        EXPECT_EQ(tableLookedFor, 1);
    }
    ::testing::internal::GetCapturedStderr();
}

using SheetAfterFirstFrameTest = Form1Test;

// The sheet's controls, made after the window is shown, are shown with it,
// under the menu's frames: behind the cover at the start, and read by screen
// readers before the menu and the dice, as controls made with the window are.
TEST_F(SheetAfterFirstFrameTest, TheSheetLiesUnderTheMenuAndIsShown)
{
    const int frames = stackIndex("GS1");
    const int cover = stackIndex("Image1");
    EXPECT_LT(frames, cover) << "the cover is in front";
    int controls = 0;
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = control->objectName();
        if (!name.startsWith(QLatin1String("Label")) && name != QLatin1String("GridLines")
            && name != QLatin1String("PlayerName")) {
            continue;
        }
        ++controls;
        EXPECT_LT(stackIndex(name), frames) << name.toStdString();
        EXPECT_EQ(control->isVisible(), name != QLatin1String("PlayerName")) << name.toStdString();
    }
    EXPECT_EQ(controls, 72 + 1 + 24 + 1) << "cells, sums and totals; the lines; the captions; the corner";
}

// Keys that reach the window before its first frame act on the game at once;
// the sheet, built after it, shows the game as they left it, above the cover
// the roll sent back.
TEST_F(SheetAfterFirstFrameTest, AKeyBeforeTheFirstFrameActsAndTheSheetShowsIt)
{
    form.reset();
    form = std::make_unique<Form1>(Form1Services{cues, dice, dialogs, scoreDialogs, tableDialogs, picturesDir,
                                                 scores::TableFile(tableFile), playerDir});
    form->show();
    form->Form_Load();
    dice.push({6, 6, 6, 2, 3});
    keyUp(Qt::Key_Space);
    ASSERT_EQ(form->findChild<QWidget*>(QStringLiteral("Label7")), nullptr) << "the first frame came already";
    EXPECT_EQ(form->engine().gameState().RollCount, 1);

    ASSERT_TRUE(waitForFirstFrame(*form));

    int marked = 0;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            marked += form->engine().cell(column, row).marked ? 1 : 0;
        }
    }
    EXPECT_GT(marked, 0);
    EXPECT_EQ(yellowCount(), marked);
    EXPECT_GT(stackIndex("Label7"), stackIndex("Image1")) << "the sheet lies behind the cover after the roll";
}

}  // namespace
}  // namespace dakru::ui::testing
