#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>

#include <QWidget>

#include "high_score_board.h"
#include "picture.h"
#include "score_dialogs.h"

class QLabel;

namespace dakru::scores {

// What the high-score window asks of the main window.
struct HighScoreHooks {
    std::function<void()> blankRollsLeft;           // first step of every activation
    std::function<void(int seat)> scoreTaking;      // the entry (of the player in `seat`) is about to be written
    std::function<void()> hideRoll;                 // last step of every insertion
    std::function<bool()> soundOff;                 // the main window's sound switch
    std::function<void(bool placed)> playScoreCue;  // true: ScoreHigh, false: ScoreNo
};

// Form2: the ten best scores over a picture. Every activation reloads the
// table from the file and, when a finished game's score is pending, enters it.
// Hiding (LabelExit, Enter, Esc) keeps the window; closing it by the window
// system destroys it, and its owner makes a new one next time.
class HighScoreWindow : public QWidget {
    Q_OBJECT

public:
    HighScoreWindow(std::filesystem::path tableFile, std::filesystem::path picturesDir, ScoreDialogs& dialogs,
                    HighScoreHooks hooks, QWidget* parent = nullptr);

    // The game-end hand-over: SaveScore visible (score pending), FinalScore set.
    // A hidden window is shown, raised and activated, and that activation runs
    // the insertion; the active window runs it at once; an open window in the
    // background keeps the score until the player activates it, and asks for
    // attention meanwhile.
    void handOver(std::int16_t finalScore);
    // The same at the end of a game for several: every person's score, best first.
    void handOver(std::vector<PendingScore> scores);
    // The HIGHSCORE hot spot and F3: show, raise, activate.
    void showTable();
    // NEW and F2 while a score waits for this window in the background: the
    // same as F3, so that the player sees where the score went.
    void bringWaitingScoreForward();
    bool scorePending() const { return board_.scorePending(); }

    void Form_Activate();
    void LabelExit_Click();

    static constexpr int kTwipsPerPixel = 15;
    static constexpr char kPictureFile[] = "HighScores.jpg";

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showLabels();

    ScoreDialogs& dialogs_;
    HighScoreHooks hooks_;
    HighScoreBoard board_;
    ui::Picture background_;
    std::array<QLabel*, kEntryCount> HS_{};
    QLabel* LabelExit_ = nullptr;
};

}  // namespace dakru::scores
