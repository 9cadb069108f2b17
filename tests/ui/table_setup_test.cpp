// The setup of a game at a table: names as the game keeps them, the setup
// through the settings file and back (damaged values too), and the setup
// dialog driven by keys alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "settings_text.h"
#include "setup_dialog.h"
#include "table_dialogs.h"
#include "table_setup.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace dakru::ui::table {
namespace {

Seat person(const std::string& name)
{
    return {name, std::nullopt};
}

Seat computer(const std::string& name, const std::string& strength)
{
    return {name, strength};
}

TEST(TableSetup, NamesAreCleanTrimmedAndAtMostThirtyCharacters)
{
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");  // outside the basic plane: two UTF-16 units
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("  Ann  "), QStringLiteral("Ann")},
        {QStringLiteral("An\tn\r\nB\x01"), QStringLiteral("AnnB")},
        {QStringLiteral("Ann") + QChar(0x2028) + QStringLiteral("Bob"), QStringLiteral("AnnBob")},
        {QStringLiteral("\x7f \x1b "), QString()},
        {QString(31, QLatin1Char('x')), QString(30, QLatin1Char('x'))},
        {QStringLiteral("Ann") + QString(27, QLatin1Char(' ')) + QStringLiteral("Bob"), QStringLiteral("Ann")},
        {smile.repeated(31), smile.repeated(30)},
        {QString::fromUtf8("Zo\xC3\xAB \"the\", \\dice\\"), QString::fromUtf8("Zo\xC3\xAB \"the\", \\dice\\")},
    };
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(cleanName(typed), kept) << typed.toStdString();
    }
}

TEST(TableSetup, EverySeatIsNamedAndComputersByTheirStrength)
{
    struct Case {
        const char* what;
        std::vector<Seat> given;
        std::vector<Seat> played;
    };
    const Case cases[] = {
        {"nobody is one player", {}, {person("Player 1")}},
        {"blank persons by their seat",
         {person(" "), computer("x", "easy"), person("\n")},
         {person("Player 1"), computer("Easy", "easy"), person("Player 3")}},
        {"computers sharing a strength are numbered",
         {computer("", "medium"), person("Ann"), computer("Medium", "medium"), computer("", "strong")},
         {computer("Medium 1", "medium"), person("Ann"), computer("Medium 2", "medium"), computer("Strong", "strong")}},
        {"an unknown strength is a person",
         {person("Ann"), computer("Bob", "grandmaster")},
         {person("Ann"), person("Bob")}},
        {"at most six",
         std::vector<Seat>(8, computer("", "easy")),
         {computer("Easy 1", "easy"), computer("Easy 2", "easy"), computer("Easy 3", "easy"),
          computer("Easy 4", "easy"), computer("Easy 5", "easy"), computer("Easy 6", "easy")}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(normalizedSetup(c.given), c.played) << c.what;
    }
    EXPECT_EQ(kindText(person("Ann")), "Person");
    EXPECT_EQ(kindText(computer("Strong", "strong")), "Computer: Strong");
}

// The values as the settings file holds them once written and read back.
QMap<QString, QVariant> throughTheFile(const QMap<QString, QVariant>& values)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(settingsText(values));
    file.close();
    const QSettings settings(path, QSettings::IniFormat);
    QMap<QString, QVariant> read;
    for (const QString& key : settings.allKeys()) {
        read.insert(key, settings.value(key));
    }
    return read;
}

TEST(TableSetup, SetupsComeBackFromTheSettingsFile)
{
    const std::vector<std::vector<Seat>> setups = {
        {person("Ann")},
        {person("Ann"), computer("", "medium")},
        {person(R"(Zoë "the, dice" \ O'Neil)"), computer("", "strong"), person(""), computer("", "strong"),
         computer("", "easy"), person("Player 6")},
    };
    for (const std::vector<Seat>& setup : setups) {
        SCOPED_TRACE(setup.front().name);
        QMap<QString, QVariant> values = setupToSettings(setup);
        values.insert(QStringLiteral("sound/off"), true);  // the file holds other settings too
        EXPECT_EQ(setupFromSettings(throughTheFile(values)), normalizedSetup(setup));
    }
}

TEST(TableSetup, ASmallerTableOverABiggerOneReadsAsTheSmaller)
{
    QMap<QString, QVariant> values =
        setupToSettings({person("Ann"), computer("", "easy"), computer("", "strong"), person("Bob")});
    values.insert(setupToSettings({person("Cy"), person("Di")}));
    EXPECT_EQ(setupFromSettings(throughTheFile(values)), (std::vector<Seat>{person("Cy"), person("Di")}));
}

TEST(TableSetup, DamagedValuesAreReadAsWellAsTheyCanBe)
{
    struct Case {
        const char* what;
        QMap<QString, QVariant> values;
        std::optional<std::vector<Seat>> setup;
    };
    const QString players = QString::fromLatin1(kPlayersKey);
    const Case cases[] = {
        {"nothing kept", {}, std::nullopt},
        {"not a number", {{players, QStringLiteral("three")}}, std::nullopt},
        {"a fraction", {{players, QStringLiteral("2.5")}}, std::nullopt},
        {"none", {{players, 0}}, std::nullopt},
        {"too many", {{players, QStringLiteral("7")}}, std::nullopt},
        {"no seats written", {{players, QStringLiteral(" 2 ")}}, std::vector{person("Player 1"), person("Player 2")}},
        {"a name read as a list and a strength not known",
         {{players, 2},
          {QStringLiteral("table/seat1/name"), QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}},
          {QStringLiteral("table/seat2/name"), QStringLiteral("Cy")},
          {QStringLiteral("table/seat2/computer"), QStringLiteral("grandmaster")}},
         std::vector{person("Ann, Bob"), person("Cy")}},
        {"a name too long with a line break",
         {{players, 1}, {QStringLiteral("table/seat1/name"), QString(40, QLatin1Char('a')) + QStringLiteral("\n")}},
         std::vector{person(std::string(30, 'a'))}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setupFromSettings(c.values), c.setup) << c.what;
    }
}

class SetupDialogTest : public ::testing::Test {
protected:
    template <typename T>
    T* find(const QDialog& dialog, const QString& name)
    {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // A key to whatever has the focus, as the player's keyboard would.
    static void press(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
    }
    static void type(const char* text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, QString::fromUtf8(text));
    }
    static QString focused()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

TEST_F(SetupDialogTest, KeysAloneSetUpTwoPersonsAndAMediumComputer)
{
    SetupDialog dialog({});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Dakru");
    EXPECT_EQ(focused(), "Players");
    EXPECT_EQ(find<QComboBox>(dialog, QStringLiteral("Players"))->currentText(), "One player");
    EXPECT_FALSE(find<QComboBox>(dialog, QStringLiteral("Kind1"))->isVisible()) << "one player has no seats to set";

    press(Qt::Key_Down);
    press(Qt::Key_Down);  // three players
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Kind1");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Name1");
    type("Ann");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Kind2");
    EXPECT_EQ(find<QComboBox>(dialog, QStringLiteral("Kind2"))->currentText(), "Computer: Medium");
    press(Qt::Key_Home);  // a person after all
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Name2");
    type("  Bob\t");  // the Tab moves on
    EXPECT_EQ(focused(), "Kind3");
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    auto* kind3 = find<QComboBox>(dialog, QStringLiteral("Kind3"));
    EXPECT_EQ(kind3->currentText(), "Computer: Medium");
    // A computer has no name to type; its line says what to expect of it.
    EXPECT_FALSE(find<QLineEdit>(dialog, QStringLiteral("Name3"))->isVisible());
    auto* about = find<QLabel>(dialog, QStringLiteral("About3"));
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->text().contains(QLatin1String("about 850 a game")));
    EXPECT_EQ(kind3->accessibleName(), "Player 3");
    EXPECT_EQ(kind3->accessibleDescription(), about->text());
    EXPECT_EQ(find<QLineEdit>(dialog, QStringLiteral("Name1"))->accessibleName(), "Name of player 1");

    press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.seats(), (std::vector<Seat>{person("Ann"), person("Bob"), computer("Medium", "medium")}));
}

TEST_F(SetupDialogTest, OpensOnTheLastSetup)
{
    const std::vector<Seat> table{person("Ann"), computer("Strong", "strong"), computer("", "medium"),
                                  person("Player 4"), computer("", "medium")};
    SetupDialog dialog(table);
    dialog.show();
    EXPECT_EQ(find<QComboBox>(dialog, QStringLiteral("Players"))->currentText(), "5 players at one table");
    EXPECT_EQ(find<QLineEdit>(dialog, QStringLiteral("Name1"))->text(), "Ann");
    EXPECT_EQ(find<QComboBox>(dialog, QStringLiteral("Kind2"))->currentText(), "Computer: Strong");
    EXPECT_TRUE(find<QLabel>(dialog, QStringLiteral("About2"))->isVisible());
    // The name the seat gets anyway is left for the placeholder.
    EXPECT_EQ(find<QLineEdit>(dialog, QStringLiteral("Name4"))->text(), "");
    EXPECT_FALSE(find<QComboBox>(dialog, QStringLiteral("Kind6"))->isVisible());
    EXPECT_EQ(dialog.seats(), normalizedSetup(table));

    // Down to one player and back: the seats keep what was set.
    auto* players = find<QComboBox>(dialog, QStringLiteral("Players"));
    players->setCurrentIndex(0);
    EXPECT_FALSE(find<QLineEdit>(dialog, QStringLiteral("Name1"))->isVisible());
    EXPECT_EQ(dialog.seats(), std::vector{person("Ann")});
    players->setCurrentIndex(4);
    EXPECT_EQ(dialog.seats(), normalizedSetup(table));

    SetupDialog alone({person("Ann")});
    EXPECT_EQ(find<QComboBox>(alone, QStringLiteral("Players"))->currentText(), "One player");
    EXPECT_EQ(alone.seats(), std::vector{person("Ann")});
}

TEST_F(SetupDialogTest, TheBoxAnswersTheSetupOrNothingWhenCancelled)
{
    QtTableDialogs dialogs;
    const std::vector<Seat> last{person("Ann"), computer("", "easy")};
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Enter}) {
        QTimer::singleShot(0, [key] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Dakru");
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, key);
        });
        const auto answer = dialogs.askSetup(last);
        if (key == Qt::Key_Escape) {
            EXPECT_EQ(answer, std::nullopt);
        } else {
            EXPECT_EQ(answer, (std::vector<Seat>{person("Ann"), computer("Easy", "easy")}));
        }
    }
}

}  // namespace
}  // namespace dakru::ui::table
