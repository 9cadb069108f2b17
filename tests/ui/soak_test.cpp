// A long random session on the real windows, boxes and cue player (without an
// audio device, so that every cue returns at once): clicks, keys, timer ticks
// and answers to whatever box is open, over several whole games. After every
// game's end the table must be ten valid entries and the game must still play.
//
// The seed is printed; DAKRU_SOAK_SEED=<seed> replays a session.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <memory>
#include <random>

#include "dialogs.h"
#include "form1.h"
#include "score_dialogs.h"
#include "sdl_cue_player.h"
#include "sheet_names.h"
#include "table_file.h"
#include "window_start.h"

namespace dakru::ui {
namespace {

// At least this many events and games; a session that needs more than
// kMostEvents for its games no longer plays.
constexpr int kEvents = 3000;
constexpr int kFewestGames = 5;
constexpr int kMostEvents = 4 * kEvents;

const std::vector<std::string> kNames{
    "",       "Ann",        "Ren\xC3\xA9",        "\xD0\x96\xF0\x9F\x98\x80\xE2\x82\xAC",
    "a\r\nb", " - 9999 - ", std::string(40, 'L'), "<b>bold</b>"};

std::uint32_t soakSeed()
{
    bool given = false;
    const auto seed = static_cast<std::uint32_t>(qEnvironmentVariableIntValue("DAKRU_SOAK_SEED", &given));
    return given ? seed : std::random_device{}();
}

// The dice come from the session's seed, so that a session can be replayed.
class SeededDice final : public RandomSource {
public:
    explicit SeededDice(std::mt19937& random) : random_(random) {}
    float next() override { return std::uniform_real_distribution<float>(0.0f, 0.999f)(random_); }

private:
    std::mt19937& random_;
};

class Soak : public ::testing::Test {
protected:
    Soak()
    {
        std::cout << "soak seed " << seed << " (DAKRU_SOAK_SEED=" << seed << " replays it)" << std::endl;
        // A driver SDL does not have: no device, every cue silent and at once.
        qputenv("SDL_AUDIODRIVER", "none");
        cues = std::make_unique<SdlCuePlayer>(assets / "Sounds");

        seedTable();
        form =
            std::make_unique<Form1>(Form1Services{*cues, dice, dialogs, scoreDialogs, tableDialogs, assets / "Pictures",
                                                  scores::TableFile(table), folderPath / "player"});
        // The ticks come as events of the session, so that a seed replays it whole.
        for (const char* name : {"Timer1", "Timer2"})
            form->findChild<QTimer*>(QLatin1String(name))->stop();
        testing::startWindow(*form);

        // Answers whatever box is open, after a random while, the timers ticking meanwhile.
        answerBoxes();
        answerer.start(0);
    }

    ~Soak() override
    {
        answerer.stop();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void seedTable()
    {
        scores::HighScoreTable low;
        for (int k = 0; k < scores::kEntryCount; ++k)
            low[static_cast<std::size_t>(k)] = scores::EntryText(100 - 10 * k, "Seed");
        ASSERT_TRUE(scores::writeTable(table, low));
    }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }

    void answerBoxes()
    {
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || chance(0.5))
                return;
            // The ticks run from a timer of their own: one that opens a box
            // must not hold up this one, which has to answer it.
            if (chance(0.3))
                QTimer::singleShot(0, form.get(), [this] { form->Timer2_Timer(); });
            if (chance(0.3))
                QTimer::singleShot(0, form.get(), [this] { form->Timer1_Timer(); });
            if (auto* prompt = qobject_cast<QInputDialog*>(box)) {
                prompt->setTextValue(
                    QString::fromStdString(kNames[static_cast<std::size_t>(pick(int(kNames.size())))]));
                QTest::keyClick(prompt, chance(0.8) ? Qt::Key_Return : Qt::Key_Escape);
            } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
                QAbstractButton* yes = message->button(QMessageBox::Yes);
                const QList<QAbstractButton*> buttons = message->buttons();
                if (forceYes && yes)
                    yes->click();
                else if (yes && chance(0.7))
                    message->button(QMessageBox::No)->click();
                else
                    buttons[pick(int(buttons.size()))]->click();
            } else {
                ADD_FAILURE() << "an unknown box: " << box->metaObject()->className();
                box->close();
            }
        });
    }

    QWidget* child(QWidget* parent, const QString& name) const
    {
        auto* found = parent->findChild<QWidget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton); }
    void key(QWidget* target, Qt::Key which) { QTest::keyClick(target, which); }

    // One thing a player (or the clock) does.
    void randomEvent()
    {
        static const Qt::Key kMainKeys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_1, Qt::Key_2,
                                            Qt::Key_3,      Qt::Key_4,     Qt::Key_5, Qt::Key_F2,
                                            Qt::Key_F3,     Qt::Key_S,     Qt::Key_A, Qt::Key_Enter};
        const int roll = pick(100);
        if (roll < 15) {
            chance(0.7) ? click(child(form.get(), QStringLiteral("G1"))) : key(form.get(), Qt::Key_Space);
        } else if (roll < 55) {
            clickACell(true);
        } else if (roll < 60) {
            clickACell(false);
        } else if (roll < 67) {
            click(child(form.get(), QStringLiteral("Kocka%1p").arg(1 + pick(kDiceCount))));
        } else if (roll < 74) {
            key(form.get(), kMainKeys[pick(int(std::size(kMainKeys)))]);
        } else if (roll < 75) {
            QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);  // takes back the last write or call
        } else if (roll < 78) {
            // NEW, HIGHSCORE, INFO; EXIT would end the session.
            click(child(form.get(), QStringLiteral("G%1").arg(2 + pick(3))));
        } else if (roll < 82) {
            QWidget* spot = child(form.get(), QStringLiteral("G%1").arg(1 + pick(5)));
            QTest::mouseMove(spot, spot->rect().center());
        } else if (roll < 89) {
            form->Timer1_Timer();
        } else if (roll < 95) {
            form->Timer2_Timer();
        } else if (roll < 98) {
            highScoreWindowEvent();
        } else if (AboutWindow* about = form->aboutWindow()) {
            const QList<QLabel*> labels = about->findChildren<QLabel*>();
            if (!labels.isEmpty())
                click(labels[pick(int(labels.size()))]);
        }
    }

    // A player mostly clicks a cell that may be written now, and rolls when
    // there is none.
    void clickACell(bool legal)
    {
        std::vector<std::pair<Column, int>> cells;
        for (const Column column : kColumns)
            for (int row = 1; row <= kRowCount; ++row)
                if (!legal || form->engine().cell(column, row).marked)
                    cells.emplace_back(column, row);
        if (cells.empty()) {
            click(child(form.get(), QStringLiteral("G1")));
            return;
        }
        const auto [column, row] = cells[static_cast<std::size_t>(pick(int(cells.size())))];
        click(child(form.get(), cellName(column, row)));
    }

    void highScoreWindowEvent()
    {
        scores::HighScoreWindow* window = form->highScoreWindow();
        if (!window || !window->isVisible())
            return;
        switch (pick(4)) {
        case 0: key(window, chance(0.5) ? Qt::Key_Escape : Qt::Key_Return); break;
        case 1: key(window, Qt::Key_B); break;
        case 2: click(child(window, QStringLiteral("HS%1").arg(pick(scores::kEntryCount)))); break;
        default: click(child(window, QStringLiteral("LabelExit"))); break;
        }
    }

    // The file holds ten lines ended by CR LF, each a valid entry, best first.
    void expectTenValidEntries()
    {
        QFile file(QString::fromStdU16String(table.u16string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        ASSERT_EQ(lines.size(), scores::kEntryCount + 1);
        EXPECT_TRUE(lines.last().isEmpty());
        for (qsizetype k = 0; k < scores::kEntryCount; ++k) {
            EXPECT_TRUE(lines[k].endsWith('\r')) << k;
            EXPECT_LE(lines[k].size(), qsizetype(scores::kStoredLength + 1)) << k;
            EXPECT_EQ(lines[k].count('\r'), 1) << k;
        }
        const scores::HighScoreTable entries = scores::readTable(table);
        for (int k = 0; k < scores::kEntryCount; ++k) {
            const auto score = scores::entryScore(entries[static_cast<std::size_t>(k)]);
            ASSERT_TRUE(score.has_value()) << entries[static_cast<std::size_t>(k)];
            if (k > 0) {
                EXPECT_LE(*score, *scores::entryScore(entries[static_cast<std::size_t>(k - 1)]));
            }
        }
    }

    // Still playing: ROLL on the finished game offers a new one, which starts.
    void expectANewGameStarts()
    {
        forceYes = true;
        click(child(form.get(), QStringLiteral("G1")));
        forceYes = false;
        EXPECT_TRUE(form->engine().rollVisible());
        for (const Column column : kColumns)
            for (int row = 1; row <= kRowCount; ++row)
                EXPECT_FALSE(form->engine().cell(column, row).value.has_value());
    }

    const std::uint32_t seed = soakSeed();
    std::mt19937 random{seed};
    const std::filesystem::path assets = DAKRU_ASSETS_DIR;
    QTemporaryDir folder;
    const std::filesystem::path folderPath{folder.path().toStdU16String()};
    const std::filesystem::path table = folderPath / "dakru.dhs";
    std::unique_ptr<SdlCuePlayer> cues;
    SeededDice dice{random};
    QtDialogs dialogs;
    scores::QtScoreDialogs scoreDialogs;
    table::QtTableDialogs tableDialogs;
    std::unique_ptr<Form1> form;
    QTimer answerer;
    bool forceYes = false;
};

TEST_F(Soak, RandomSessionOverSeveralGamesKeepsTheTableWhole)
{
    SCOPED_TRACE("DAKRU_SOAK_SEED=" + std::to_string(seed));
    int games = 0;
    int event = 0;
    for (; (event < kEvents || games < kFewestGames) && event < kMostEvents && !HasFatalFailure(); ++event) {
        const bool playing = form->engine().rollVisible();
        randomEvent();
        QCoreApplication::processEvents();
        ASSERT_TRUE(form->isVisible()) << "event " << event;
        if (playing && !form->engine().rollVisible()) {
            ++games;
            SCOPED_TRACE("game " + std::to_string(games) + ", event " + std::to_string(event));
            expectTenValidEntries();
            expectANewGameStarts();
        }
    }
    std::cout << games << " games in " << event << " events" << std::endl;
    EXPECT_GE(games, kFewestGames);
}

}  // namespace
}  // namespace dakru::ui
