#include "high_score_window.h"

#include <gtest/gtest.h>

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "table_file.h"
#include "temp_folder.h"

namespace dakru::scores {
namespace {

using testing::readBytes;
using testing::TempFolder;

HighScoreTable descending()
{
    return {"0900 - A", "0800 - B", "0700 - C", "0600 - D", "0500 - E",
            "0400 - F", "0300 - G", "0200 - H", "0100 - I", "0050 - J"};
}

void makePicture(const std::filesystem::path& folder, QColor colour)
{
    std::filesystem::create_directories(folder);
    QImage picture(299, 350, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(QString::fromStdString((folder / HighScoreWindow::kPictureFile).string())));
}

class ScriptedDialogs final : public ScoreDialogs {
public:
    QString askName(const QString& prompt) override
    {
        prompts.push_back(prompt);
        // Once: a nested insertion would otherwise recurse.
        if (auto action = std::exchange(whileOpen, nullptr))
            action();
        return name;
    }
    void showMessage(const QString& text) override { messages.push_back(text); }

    QString name = QStringLiteral("Zed");
    std::function<void()> whileOpen;
    QStringList prompts;
    QStringList messages;
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        writeTable(file, descending());
        makePicture(folder / "Pictures", Qt::darkGray);
        window = new HighScoreWindow(file, folder / "Pictures", dialogs,
                                     HighScoreHooks{
                                         .blankRollsLeft = [this] { ++rollsLeftBlanked; },
                                         .hideRoll = [this] { ++rollHidden; },
                                         .soundOff = [] { return false; },
                                         .playScoreCue = [this](bool placed) { cues.push_back(placed); },
                                     });
    }
    ~WindowTest() override { delete window.data(); }

    void activate()
    {
        window->showTable();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Another window takes the focus, so that the next showing activates again.
    void activateSomethingElse()
    {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }

    QString label(int index) const
    {
        return window->findChild<QLabel*>(QStringLiteral("HS%1").arg(index))->text();
    }

    TempFolder folder;
    std::filesystem::path file = folder / "dakru.dhs";
    ScriptedDialogs dialogs;
    QPointer<HighScoreWindow> window;
    QWidget other;
    int rollsLeftBlanked = 0;
    int rollHidden = 0;
    std::vector<bool> cues;
};

TEST_F(WindowTest, LayoutInPixelsOfFifteenTwips)
{
    EXPECT_EQ(window->objectName(), "Form2");
    EXPECT_EQ(window->windowTitle(), "HighScores");
    EXPECT_EQ(window->size(), QSize(297, 350));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (int index = 0; index < kEntryCount; ++index) {
        const auto* hs = window->findChild<QLabel*>(QStringLiteral("HS%1").arg(index));
        ASSERT_NE(hs, nullptr);
        EXPECT_EQ(hs->geometry(), QRect(16, 88 + 24 * index, 267, 21));
        EXPECT_EQ(hs->palette().color(QPalette::WindowText), QColor(192, 192, 255));
        EXPECT_EQ(hs->font().family(), "Arial");
        EXPECT_DOUBLE_EQ(hs->font().pointSizeF(), 9.75);
        EXPECT_EQ(hs->textFormat(), Qt::PlainText);
        EXPECT_TRUE(hs->text().isEmpty()) << "empty until loaded";
    }
    const auto* exit = window->findChild<QLabel*>(QStringLiteral("LabelExit"));
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->geometry(), QRect(104, 320, 97, 33));
    EXPECT_EQ(exit->frameShape(), QFrame::Box);
}

TEST_F(WindowTest, EveryActivationBlanksRollsLeftAndReloadsTheFile)
{
    activate();
    EXPECT_EQ(rollsLeftBlanked, 1);
    EXPECT_EQ(label(0), "0900 - A");
    EXPECT_EQ(label(9), "0050 - J");

    HighScoreTable changed = descending();
    changed[0] = "0999 - New";
    writeTable(file, changed);
    activateSomethingElse();
    activate();
    EXPECT_EQ(rollsLeftBlanked, 2);
    EXPECT_EQ(label(0), "0999 - New");
}

TEST_F(WindowTest, WithoutAPendingScoreNothingIsAskedWrittenOrPlayed)
{
    const auto written = std::filesystem::last_write_time(file);
    activate();
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(rollHidden, 0);
    EXPECT_EQ(std::filesystem::last_write_time(file), written);
}

TEST_F(WindowTest, HandOverInsertsOnActivationOnce)
{
    window->handOver(1000);
    EXPECT_TRUE(window->scorePending()) << "pending until the window is activated";
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    EXPECT_EQ(dialogs.prompts, QStringList{"Congratiulations ! You are the 1st one\r\nEnter your name"});
    EXPECT_EQ(label(0), "1000 - Zed");
    EXPECT_EQ(label(1), "0900 - A");
    EXPECT_EQ(readTable(file)[0], "1000 - Zed");
    EXPECT_EQ(cues, std::vector<bool>{true});
    EXPECT_EQ(rollHidden, 1);
    EXPECT_FALSE(window->scorePending());

    activateSomethingElse();
    activate();
    EXPECT_EQ(dialogs.prompts.size(), 1);
    EXPECT_EQ(rollHidden, 1);
}

TEST_F(WindowTest, HandOverToTheActiveWindowInsertsAtOnce)
{
    activate();
    window->handOver(60);
    EXPECT_EQ(dialogs.prompts, QStringList{"You are the last one\r\nEnter your name"});
    EXPECT_EQ(label(9), "0060 - Zed");
    EXPECT_FALSE(window->scorePending());
}

TEST_F(WindowTest, ActivationsAndHandOversWhileThePromptIsOpenInsertNothingMore)
{
    dialogs.whileOpen = [this] {
        window->handOver(1000);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window, &activate);
        QTest::qWait(20);
    };
    window->handOver(1000);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    EXPECT_EQ(dialogs.prompts.size(), 1);
    EXPECT_EQ(rollHidden, 1);
    EXPECT_EQ(cues.size(), 1u);
    EXPECT_EQ(readTable(file)[0], "1000 - Zed");
    EXPECT_EQ(readTable(file)[1], "0900 - A");
    EXPECT_FALSE(window->scorePending());
}

TEST_F(WindowTest, ScoreWithoutAPlaceOnlyEndsThePendingState)
{
    const std::string before = readBytes(file);
    window->handOver(50);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    EXPECT_EQ(cues, std::vector<bool>{false});
    EXPECT_EQ(rollHidden, 1);
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(WindowTest, FailedWriteTellsThePlayerAndStillEndsTheGame)
{
    const std::string before = readBytes(file);
    std::filesystem::create_directory(temporaryFileFor(file));
    testing::writeBytes(temporaryFileFor(file) / "keep", "x");
    window->handOver(1000);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(dialogs.messages, QStringList{QString::fromLatin1(kNotSavedMessage.data())});
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(rollHidden, 1);
    EXPECT_TRUE(cues.empty());
    EXPECT_FALSE(window->scorePending());
}

TEST_F(WindowTest, EnterEscAndLabelExitHideAndKeepTheTable)
{
    const struct {
        const char* name;
        std::function<void(HighScoreWindow*)> act;
    } cases[] = {
        {"Return", [](HighScoreWindow* w) { QTest::keyClick(w, Qt::Key_Return); }},
        {"keypad Enter", [](HighScoreWindow* w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Esc", [](HighScoreWindow* w) { QTest::keyClick(w, Qt::Key_Escape); }},
        {"LabelExit", [](HighScoreWindow* w) {
             QTest::mouseClick(w->findChild<QLabel*>(QStringLiteral("LabelExit")), Qt::LeftButton);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        activate();
        c.act(window);
        EXPECT_FALSE(window->isVisible());
        ASSERT_FALSE(window.isNull()) << "hidden, not destroyed";
        EXPECT_EQ(label(0), "0900 - A");
    }
    activate();
    QTest::keyClick(window, Qt::Key_Space);
    QTest::keyClick(window, Qt::Key_A);
    EXPECT_TRUE(window->isVisible()) << "other keys do nothing";
}

TEST_F(WindowTest, ClosedByTheWindowSystemItIsDestroyed)
{
    activate();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(WindowTest, CannotBeClosedWhileItsPromptIsOpen)
{
    bool closed = true;
    dialogs.whileOpen = [&] { closed = window->close(); };
    window->handOver(1000);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_FALSE(closed);
    EXPECT_EQ(readTable(file)[0], "1000 - Zed");
}

TEST(HighScorePicture, DrawnFromThePicturesFolderOrPlainWhenMissing)
{
    TempFolder folder;
    makePicture(folder / "Pictures", QColor(200, 0, 0));
    ScriptedDialogs dialogs;
    HighScoreWindow pictured(folder / "dakru.dhs", folder / "Pictures", dialogs, {});
    const QColor corner = pictured.grab().toImage().pixelColor(2, 2);
    EXPECT_GT(corner.red(), 180);
    EXPECT_LT(corner.blue(), 30);

    HighScoreWindow plain(folder / "dakru.dhs", folder / "no-pictures", dialogs, {});
    EXPECT_EQ(plain.grab().toImage().pixelColor(2, 2), QColor(0, 0, 96));
}

// The real boxes: title, exact prompt, no help button, cancel gives "".
TEST(QtScoreDialogs, NameBoxTitlePromptAndCancel)
{
    QtScoreDialogs dialogs;
    const QString prompt = QStringLiteral("You are the 4th one\r\nEnter your name");
    QString title, label, initial;
    bool helpButton = true;
    int buttonIcons = 0;
    auto answer = [&](bool accept) {
        QTimer::singleShot(0, [&, accept] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            label = box->labelText();
            initial = box->textValue();
            helpButton = box->windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
            for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
                buttonIcons += button->icon().isNull() ? 0 : 1;
            box->findChild<QLineEdit*>()->setText(QStringLiteral("Ann"));
            accept ? box->accept() : box->reject();
        });
    };
    answer(true);
    EXPECT_EQ(dialogs.askName(prompt), "Ann");
    EXPECT_EQ(title, "Dakru");
    EXPECT_EQ(label, prompt);
    EXPECT_EQ(initial, "");
    EXPECT_FALSE(helpButton);
    EXPECT_EQ(buttonIcons, 0);

    answer(false);
    EXPECT_EQ(dialogs.askName(prompt), "");
}

TEST(QtScoreDialogs, MessageBoxWithoutIcon)
{
    QtScoreDialogs dialogs;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    dialogs.showMessage(QStringLiteral("Your score could not be saved."));
    EXPECT_EQ(title, "Dakru");
    EXPECT_EQ(text, "Your score could not be saved.");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

}  // namespace
}  // namespace dakru::scores
