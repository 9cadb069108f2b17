#include "high_score_window.h"

#include <gtest/gtest.h>

#include <utility>

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "score_test_support.h"
#include "table_file.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace dakru::scores {
namespace {

class ScriptedDialogs final : public ScoreDialogs {
public:
    QString askName(const QString& prompt, const QString&) override
    {
        prompts.push_back(prompt);
        // Once: a nested insertion would otherwise recurse.
        if (auto action = std::exchange(whileOpen, nullptr))
            action();
        return QStringLiteral("Zed");
    }
    void showMessage(const QString& text) override { prompts.push_back(text); }
    void askForAttention(QWidget&) override { ++alerts; }

    std::function<void()> whileOpen;
    QStringList prompts;
    int alerts = 0;
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        writeTable(file, testing::kDescending);
        window = new HighScoreWindow(file, folder / "Pictures", dialogs,
                                     HighScoreHooks{
                                         .blankRollsLeft = [this] { ++rollsLeftBlanked; },
                                         .scoreTaking = {},
                                         .hideRoll = [this] { ++rollHidden; },
                                         .soundOff = [] { return false; },
                                         .playScoreCue = [this](bool high) { cues.push_back(high); },
                                     });
    }
    ~WindowTest() override { delete window.data(); }

    // Another window takes the focus first, so that showing activates again.
    bool activate()
    {
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other))
            return false;
        window->showTable();
        return QTest::qWaitForWindowActive(window);
    }

    QString label(int index) const { return window->findChild<QLabel*>(QStringLiteral("HS%1").arg(index))->text(); }

    testing::TempFolder folder;
    std::filesystem::path file = folder / "dakru.dhs";
    ScriptedDialogs dialogs;
    QPointer<HighScoreWindow> window;
    QWidget other;
    int rollsLeftBlanked = 0;
    int rollHidden = 0;
    std::vector<bool> cues;
};

TEST_F(WindowTest, EveryActivationBlanksRollsLeftAndReloadsWithoutAnInsertion)
{
    ASSERT_TRUE(activate());
    EXPECT_EQ(rollsLeftBlanked, 1);
    EXPECT_EQ(label(9), "0050 - J");
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("HS9"))->textFormat(), Qt::PlainText)
        << "a name is never read as markup";

    HighScoreTable changed = testing::kDescending;
    changed[0] = "0999 - New";
    writeTable(file, changed);
    ASSERT_TRUE(activate());
    EXPECT_EQ(rollsLeftBlanked, 2);
    EXPECT_EQ(label(0), "0999 - New");
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(rollHidden, 0);
}

TEST_F(WindowTest, HandOverInsertsOnceOnActivationEvenWhenEnteredAgainWhileThePromptIsOpen)
{
    bool closed = true;
    dialogs.whileOpen = [&] {
        // The game-end watch hands the game over again and the window is activated again.
        window->handOver(1000);
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window, &activation);
        closed = window->close();
    };
    window->handOver(1000);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(dialogs.prompts, QStringList{"Congratiulations ! You are the 1st one\r\nEnter your name"});
    EXPECT_FALSE(closed) << "the window stays while its prompt is open";
    EXPECT_EQ(label(0), "1000 - Zed");
    EXPECT_EQ(readTable(file)[1], "0900 - A") << "the reload did not undo the moved entries";
    EXPECT_EQ(cues, std::vector<bool>{true});
    EXPECT_EQ(rollHidden, 1);
    EXPECT_FALSE(window->scorePending());

    ASSERT_TRUE(activate());
    EXPECT_EQ(dialogs.prompts.size(), 1) << "nothing pending any more";

    // No activation follows a hand-over to the active window.
    window->handOver(150);
    EXPECT_EQ(dialogs.prompts.last(), "You are the last one\r\nEnter your name");
    EXPECT_EQ(rollHidden, 2);
}

// The insertion is bound to the activation: an open window in the background
// keeps the score until the player turns to it; a hidden one asks at once.
TEST_F(WindowTest, HandOverToAWindowInTheBackgroundWaitsForItsActivation)
{
    ASSERT_TRUE(activate());
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->handOver(1000);
    window->handOver(1000);  // the game-end watch repeats it
    QTest::qWait(20);
    EXPECT_TRUE(dialogs.prompts.isEmpty());
    EXPECT_TRUE(window->scorePending());
    EXPECT_TRUE(other.isActiveWindow()) << "the player is not pulled away";
    EXPECT_EQ(rollHidden, 0);
    EXPECT_EQ(dialogs.alerts, 2) << "the window asks for attention each time";

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(dialogs.prompts.size(), 1);
    EXPECT_EQ(label(0), "1000 - Zed");
    EXPECT_FALSE(window->scorePending());

    window->LabelExit_Click();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->handOver(950);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << "a hidden window is shown and activated";
    EXPECT_EQ(dialogs.prompts.size(), 2);
    EXPECT_EQ(label(1), "0950 - Zed");
    EXPECT_EQ(dialogs.alerts, 2) << "a window that comes forward by itself needs no alert";
}

TEST_F(WindowTest, EnterEscAndLabelExitHideItTheCloseBoxDestroysIt)
{
    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier},
          std::pair{Qt::Key_Escape, Qt::NoModifier}}) {
        ASSERT_TRUE(activate());
        QTest::keyClick(window, Qt::Key_A);
        EXPECT_TRUE(window->isVisible());
        QTest::keyClick(window, key, modifier);
        EXPECT_FALSE(window->isVisible()) << key;
    }
    ASSERT_TRUE(activate());
    QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("LabelExit")), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(label(0), "0900 - A") << "hidden, not destroyed";

    ASSERT_TRUE(activate());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(WindowTest, ScreenReadersHearPlaceScoreAndName)
{
    ASSERT_TRUE(activate());
    const auto reading = [this](const QString& control) {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(control))->text(QAccessible::Name);
    };
    EXPECT_EQ(reading(QStringLiteral("HS0")), "1st, 0900, A");
    EXPECT_EQ(reading(QStringLiteral("HS9")), "10th, 0050, J");
    EXPECT_EQ(reading(QStringLiteral("LabelExit")), "Close");

    window->handOver(1000);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(reading(QStringLiteral("HS0")), "1st, 1000, Zed");
    EXPECT_EQ(reading(QStringLiteral("HS1")), "2nd, 0900, A");
}

// The real name box: titled "Dakru", the exact prompt, an empty default; a cancel gives "".
TEST(QtScoreDialogs, NameBoxTitlePromptEmptyDefaultAndCancel)
{
    QtScoreDialogs dialogs;
    const QString prompt = QStringLiteral("You are the 4th one\r\nEnter your name");
    for (const bool accept : {true, false}) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Dakru");
            EXPECT_EQ(box->labelText(), prompt);
            EXPECT_EQ(box->textValue(), "");
            box->setTextValue(QStringLiteral("Ann"));
            accept ? box->accept() : box->reject();
        });
        EXPECT_EQ(dialogs.askName(prompt, {}), accept ? "Ann" : "");
    }
    // At a table the box starts with the player's name.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->textValue(), "Bob");
        box->accept();
    });
    EXPECT_EQ(dialogs.askName(prompt, QStringLiteral("Bob")), "Bob");
}

}  // namespace
}  // namespace dakru::scores
