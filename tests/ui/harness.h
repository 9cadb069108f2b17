#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "click_label.h"
#include "cue_player.h"
#include "dialogs.h"
#include "form1.h"
#include "score_dialogs.h"
#include "table_dialogs.h"
#include "table_file.h"
#include "window_start.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace dakru::ui::testing {

struct PlayedCue {
    Cue cue;
    bool waited;
    bool operator==(const PlayedCue&) const = default;
};

class RecordingCuePlayer final : public CuePlayer {
public:
    void play(Cue cue) override { played.push_back({cue, false}); }
    void playAndWait(Cue cue) override { played.push_back({cue, true}); }
    int count(Cue cue) const { return static_cast<int>(std::ranges::count(played, cue, &PlayedCue::cue)); }
    std::vector<PlayedCue> played;
};

class ScriptedDialogs final : public Dialogs {
public:
    void message(const QString& text) override { messages.push_back(text); }
    bool askYesNo(const QString& text) override
    {
        questions.push_back(text);
        return answer;
    }
    bool answer = true;
    QStringList messages;
    QStringList questions;
};

class ScriptedScoreDialogs final : public scores::ScoreDialogs {
public:
    QString askName(const QString& prompt, const QString& offered) override
    {
        prompts.push_back(prompt);
        offers.push_back(offered);
        // Once: whatever runs while the prompt is open (a timer tick).
        if (auto action = std::exchange(whileOpen, nullptr)) {
            action();
        }
        return offered.isEmpty() ? QStringLiteral("Tester") : offered;
    }
    void showMessage(const QString& text) override { messages.push_back(text); }
    void askForAttention(QWidget& window) override { alerts.push_back(window.objectName()); }
    std::function<void()> whileOpen;
    QStringList prompts;
    QStringList offers;  // the text each prompt started with
    QStringList messages;
    QStringList alerts;  // windows that asked for attention
};

// The setup of a table: answers with `answer` and keeps what it was offered.
class ScriptedTableDialogs final : public table::TableDialogs {
public:
    std::optional<std::vector<Seat>> askSetup(const std::vector<Seat>& last) override
    {
        offered.push_back(last);
        return answer;
    }
    std::optional<std::vector<Seat>> answer;
    std::vector<std::vector<Seat>> offered;
};

// Dice faces in the order they are thrown; sixes once the script runs out.
class ScriptedDice final : public RandomSource {
public:
    void push(std::initializer_list<int> faces) { faces_.insert(faces_.end(), faces); }
    float next() override
    {
        const int face = thrown_ < faces_.size() ? faces_[thrown_++] : 6;
        return (static_cast<float>(face) - 0.5f) / 6.0f;
    }

private:
    std::vector<int> faces_;
    std::size_t thrown_ = 0;
};

// Dice pictures of distinct widths, so that a test can tell which one a die shows.
inline const QStringList kDicePictures{"d.jpg",   "d1.jpg",  "d2.jpg",  "d3.jpg",  "d4.jpg",  "d5.jpg", "d6.jpg",
                                       "d1s.jpg", "d2s.jpg", "d3s.jpg", "d4s.jpg", "d5s.jpg", "d6s.jpg"};
inline int pictureWidth(const QString& fileName)
{
    return 20 + static_cast<int>(kDicePictures.indexOf(fileName));
}

// The pictures drawn for dense screens: dice in their own colour, and the
// cover and the high-score background grey with one white line of single
// device pixels at kDenseLineX, which no enlarged ordinary picture can show.
inline const QColor kDenseDie(200, 40, 40);
inline constexpr int kDenseLineX = 101;

// A main window over a temporary program folder (pictures and a table of low
// scores), with recorded cues, scripted boxes and scripted dice.
class Harness {
public:
    explicit Harness(bool densePictures = false)
    {
        const QString pictures = folder.filePath(QStringLiteral("Pictures"));
        QDir().mkpath(pictures);
        const auto save = [&pictures](const QString& name, int width, int height) {
            QImage picture(width, height, QImage::Format_RGB32);
            picture.fill(QColor(20, 20, 60));
            picture.save(pictures + u'/' + name);
        };
        for (const QString& name : kDicePictures) {
            save(name, pictureWidth(name), 42);
        }
        save(QStringLiteral("Cover.jpg"), 353, 521);
        save(QStringLiteral("HighScores.jpg"), 299, 350);
        if (densePictures) {
            for (const QString& name : kDicePictures) {
                QImage die(2 * pictureWidth(name), 84, QImage::Format_RGB32);
                die.fill(kDenseDie);
                die.save(pictures + u'/' + QString(name).replace(QStringLiteral(".jpg"), QStringLiteral("@2x.jpg")));
            }
            for (const auto& [name, size] : {std::pair(QStringLiteral("Cover@2x.jpg"), QSize(706, 1042)),
                                             std::pair(QStringLiteral("HighScores@2x.jpg"), QSize(598, 700))}) {
                QImage lined(size, QImage::Format_RGB32);
                lined.fill(QColor(40, 40, 40));
                for (int y = 0; y < size.height(); ++y) {
                    lined.setPixel(kDenseLineX, y, qRgb(255, 255, 255));
                }
                lined.save(pictures + u'/' + name, nullptr, 100);
            }
        }
        tableFile = std::filesystem::path(folder.filePath(QStringLiteral("dakru.dhs")).toStdU16String());
        scores::HighScoreTable low;
        for (int i = 0; i < scores::kEntryCount; ++i) {
            low[static_cast<std::size_t>(i)] = "0" + std::to_string(200 - 10 * i) + " - Old" + std::to_string(i);
        }
        scores::writeTable(tableFile, low);
        picturesDir = std::filesystem::path(pictures.toStdU16String());
        playerDir = std::filesystem::path(folder.filePath(QStringLiteral("player")).toStdU16String());
        start();
    }

    // The program starts over the same folders, as Game::start does: the sheet
    // is built and the kept game read once the window is on screen.
    void start()
    {
        form = std::make_unique<Form1>(Form1Services{cues, dice, dialogs, scoreDialogs, tableDialogs, picturesDir,
                                                     scores::TableFile(tableFile), playerDir});
        startWindow(*form);
        cues.played.clear();
    }
    // The window is closed, as by its close box, and the program started again.
    void restart(const std::function<void()>& whileClosed = {})
    {
        form->close();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (whileClosed)
            whileClosed();
        start();
    }

    ~Harness()
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* widget(const QString& name) const
    {
        auto* found = form->findChild<QWidget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    ClickLabel* label(const QString& name) const { return qobject_cast<ClickLabel*>(widget(name)); }
    QString text(const QString& name) const { return label(name)->text(); }
    bool yellow(const QString& name) const { return label(name)->fill() == QColor(Qt::yellow); }
    int yellowCount() const
    {
        return static_cast<int>(std::ranges::count_if(
            form->findChildren<ClickLabel*>(), [](const ClickLabel* l) { return l->fill() == QColor(Qt::yellow); }));
    }
    int dieWidth(int n) const { return label(QStringLiteral("Kocka%1p").arg(n))->pixmap().width(); }
    // Stacking order among the main window's children: higher is nearer the front.
    int stackIndex(const QString& name) const { return static_cast<int>(form->children().indexOf(widget(name))); }

    void click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton); }
    void click(const QString& name) { click(widget(name)); }
    void roll(std::initializer_list<int> faces)
    {
        dice.push(faces);
        click("G1");
    }
    void moveOver(QWidget* target)
    {
        const QPointF centre = target->rect().center();
        QMouseEvent move(QEvent::MouseMove, centre, target->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void moveOver(const QString& name) { moveOver(widget(name)); }
    void keyUp(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(form.get(), key, modifiers); }

    QTemporaryDir folder;
    std::filesystem::path picturesDir;
    std::filesystem::path tableFile;
    std::filesystem::path playerDir;
    RecordingCuePlayer cues;
    ScriptedDialogs dialogs;
    ScriptedScoreDialogs scoreDialogs;
    ScriptedTableDialogs tableDialogs;
    ScriptedDice dice;
    std::unique_ptr<Form1> form;
};

class Form1Test : public ::testing::Test, public Harness {};

}  // namespace dakru::ui::testing
