#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "click_label.h"
#include "cue_player.h"
#include "dialogs.h"
#include "form1.h"
#include "score_dialogs.h"
#include "table_file.h"

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
    int count(Cue cue) const
    {
        return static_cast<int>(std::count_if(played.begin(), played.end(), [cue](const PlayedCue& p) { return p.cue == cue; }));
    }
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
    QString askName(const QString& prompt) override
    {
        prompts.push_back(prompt);
        // Once: whatever runs while the prompt is open (a timer tick).
        if (auto action = std::exchange(whileOpen, nullptr)) {
            action();
        }
        return name;
    }
    void showMessage(const QString& text) override { messages.push_back(text); }
    QString name = QStringLiteral("Tester");
    std::function<void()> whileOpen;
    QStringList prompts;
    QStringList messages;
};

// Dice faces in the order they are thrown; sixes once the script runs out.
class ScriptedDice final : public RandomSource {
public:
    void push(std::initializer_list<int> faces)
    {
        for (int face : faces) {
            values.push_back((static_cast<float>(face) - 0.5f) / 6.0f);
        }
    }
    float next() override
    {
        if (values.empty()) {
            return 0.99f;
        }
        const float value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<float> values;
};

// Picture files of distinct widths, so that a test can tell which one a die shows.
inline int pictureWidth(const std::string& fileName)
{
    static const std::vector<std::string> names{"d.jpg",   "d1.jpg",  "d2.jpg",  "d3.jpg",  "d4.jpg",
                                                "d5.jpg",  "d6.jpg",  "d1s.jpg", "d2s.jpg", "d3s.jpg",
                                                "d4s.jpg", "d5s.jpg", "d6s.jpg"};
    const auto found = std::find(names.begin(), names.end(), fileName);
    return found == names.end() ? 0 : 20 + static_cast<int>(found - names.begin());
}

inline void makePictures(const QString& folder)
{
    for (const char* name : {"d.jpg", "d1.jpg", "d2.jpg", "d3.jpg", "d4.jpg", "d5.jpg", "d6.jpg", "d1s.jpg",
                             "d2s.jpg", "d3s.jpg", "d4s.jpg", "d5s.jpg", "d6s.jpg"}) {
        QImage picture(pictureWidth(name), 42, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(folder + QLatin1Char('/') + QLatin1String(name));
    }
    QImage cover(353, 521, QImage::Format_RGB32);
    cover.fill(QColor(20, 20, 60));
    cover.save(folder + QStringLiteral("/Cover.jpg"));
    QImage table(299, 350, QImage::Format_RGB32);
    table.fill(QColor(20, 20, 60));
    table.save(folder + QStringLiteral("/HighScores.jpg"));
}

// A main window over a temporary program folder, with recorded cues, scripted
// boxes and scripted dice.
class Harness {
public:
    explicit Harness(bool withPictures = true)
    {
        const QString pictures = folder.filePath(QStringLiteral("Pictures"));
        QDir().mkpath(pictures);
        if (withPictures) {
            makePictures(pictures);
        }
        tableFile = std::filesystem::path(folder.filePath(QStringLiteral("dakru.dhs")).toStdU16String());
        scores::HighScoreTable low;
        for (int i = 0; i < scores::kEntryCount; ++i) {
            low[static_cast<std::size_t>(i)] = "0" + std::to_string(200 - 10 * i) + " - Old" + std::to_string(i);
        }
        scores::writeTable(tableFile, low);
        form = std::make_unique<Form1>(Form1Services{
            .cues = cues,
            .random = dice,
            .dialogs = dialogs,
            .scoreDialogs = scoreDialogs,
            .picturesDir = std::filesystem::path(pictures.toStdU16String()),
            .tableFile = tableFile,
        });
        form->show();
        form->Form_Load();
        cues.played.clear();
    }

    ~Harness()
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ClickLabel* label(const char* name) const
    {
        auto* found = form->findChild<ClickLabel*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget* widget(const char* name) const
    {
        auto* found = form->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const { return label(name)->text(); }
    bool yellow(const char* name) const { return label(name)->fill() == QColor(255, 255, 0); }

    void click(const char* name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton); }
    void roll(std::initializer_list<int> faces)
    {
        dice.push(faces);
        click("G1");
    }
    void moveOver(const char* name)
    {
        QWidget* target = widget(name);
        QMouseEvent move(QEvent::MouseMove, QPointF(target->rect().center()),
                         QPointF(target->mapToGlobal(target->rect().center())), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void keyUp(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyPress(form.get(), static_cast<Qt::Key>(key), modifiers);
        QTest::keyRelease(form.get(), static_cast<Qt::Key>(key), modifiers);
    }
    int yellowCount() const
    {
        int count = 0;
        for (ClickLabel* l : form->findChildren<ClickLabel*>()) {
            count += l->fill() == QColor(255, 255, 0) ? 1 : 0;
        }
        return count;
    }
    // Stacking order among the main window's children: higher is nearer the front.
    int stackIndex(const char* name) const { return static_cast<int>(form->children().indexOf(widget(name))); }

    QTemporaryDir folder;
    std::filesystem::path tableFile;
    RecordingCuePlayer cues;
    ScriptedDialogs dialogs;
    ScriptedScoreDialogs scoreDialogs;
    ScriptedDice dice;
    std::unique_ptr<Form1> form;
};

class Form1Test : public ::testing::Test, public Harness {};

}  // namespace dakru::ui::testing
