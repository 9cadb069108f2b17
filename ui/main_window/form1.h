#pragma once

#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "about_window.h"
#include "computer_pace.h"
#include "cue_player.h"
#include "cursor_steps.h"
#include "dialogs.h"
#include "engine.h"
#include "game_history.h"
#include "high_score_window.h"
#include "hint.h"
#include "key_table.h"
#include "picture_cache.h"
#include "player_files.h"
#include "random_source.h"
#include "review_window.h"
#include "score_file_location.h"
#include "sheet_labels.h"
#include "shell.h"
#include "standings_window.h"
#include "statistics_window.h"
#include "table_dialogs.h"
#include "write_trouble.h"

namespace dakru::ui {

class ClickLabel;
class CoverPicture;
class HighlightFrame;
class SheetAccess;
class SheetCursor;

// What the main window works with; all of it outlives the window.
struct Form1Services {
    CuePlayer& cues;
    RandomSource& random;
    Dialogs& dialogs;
    scores::ScoreDialogs& scoreDialogs;
    table::TableDialogs& tableDialogs;
    std::filesystem::path picturesDir;
    scores::TableFile tableFile;
    std::filesystem::path playerDir;  // the kept game and the settings; empty keeps nothing
};

// The main window: the cover picture with its five menu hot spots, the score
// sheet, the dice and the two displays. It draws what the engine holds after
// every event and timer tick, and is the engine's platform.
class Form1 final : public QWidget, public Shell {
    Q_OBJECT

public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    Engine& engine() { return engine_; }
    const Hint& hint() const { return *hint_; }

    // The window has opened: the intro cue and the cover in front. The score
    // sheet, behind the cover, is built once the first frame is on screen,
    // before any input that followed reaches the window.
    void Form_Load();

    // Offers the game kept by the last run to the first roll press. It locks
    // the kept game for this copy and checks that play can reach it, which the
    // first frame need not wait for: called once that frame is on screen, and
    // before any input reaches the window. Until then nothing is kept.
    void takeKeptGame();

    // Places the highlight frames on their hot spots and shows frame Wich (1 to 5), or none (0).
    void BorderB(int Wich);

    // The windows that may be open beside this one (null when not). They have
    // no owner, so that either can lie behind this one, and end with it.
    scores::HighScoreWindow* highScoreWindow() const { return highScores_; }
    AboutWindow* aboutWindow() const { return about_; }
    statistics::StatisticsWindow* statisticsWindow() const { return statistics_; }
    table::StandingsWindow* standingsWindow() const { return standings_; }
    // The finished games' history, recorded and read off this window's thread.
    const statistics::GameHistory& gameHistory() const { return history_; }
    coach::ReviewWindow* reviewWindow() const { return review_; }

    // Shell.
    void playCue(Cue cue) override;
    void playCueAndWait(Cue cue) override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void FrontBack(Cover cover) override;
    void showDiePicture(int die, const std::string& fileName) override;
    void handOverFinalScore(std::int16_t FinalScore) override;
    void recordFinishedGame(const GameState& game, const GameRecord& record, const std::vector<Seat>& table,
                            int seat) override;
    void handOverTable(const std::vector<Placing>& ranking) override;

public slots:
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildSheet();
    bool sheetBuilt() const { return access_ != nullptr; }
    void buildMenu();
    void G_MouseMove(int k);
    void G_Click(int k);
    void Form_KeyUp(KeyAction action);
    void MoveCursor(CursorStep step);
    bool WriteAtCursor();
    void Cell_Click(Column column, int row);
    void UndoLast();
    void NewGame_Click(std::optional<std::vector<Seat>> table = std::nullopt);
    void SetUp_Click();
    void Standings_Click();
    void showStandings(bool activate);
    void ShowHint();
    void HighScores_Click();
    void Info_Click();
    void Statistics_Click();
    void Review_Click();
    // The review window shown in place of the one open before.
    coach::ReviewWindow* showReview(coach::ReviewWindow* window);
    void Exitb_Click();
    scores::HighScoreWindow& highScores();
    void redraw();
    void drawSheet();
    void keepGame();
    bool gameUnderWay() const;
    bool computersTurn() const;
    void showPlayer();
    void computerClick(const advisor::TurnStep& step);

    Form1Services services_;
    Engine engine_;
    WriteTrouble writeTrouble_;
    PlayerFiles playerFiles_;
    statistics::GameHistory history_;
    PictureCache pictures_;

    CoverPicture* image1_ = nullptr;
    bool coverInFront_ = true;
    SheetLabels labels_;
    std::array<std::string, kDiceCount> diceShown_{};  // picture file each die shows now
    std::array<HighlightFrame*, 5> frames_{};
    SheetCursor* cursor_ = nullptr;
    ClickLabel* playerName_ = nullptr;
    ComputerPace* pace_ = nullptr;
    std::unique_ptr<SheetAccess> access_;
    std::unique_ptr<Hint> hint_;

    QTimer timer1_;
    QTimer timer2_;
    QSet<KeyAction> keysDown_;  // keys pressed while this window had the keyboard
    CursorKeys cursorKeys_;     // arrows and Tab pressed while this window had the keyboard
    QPointer<scores::HighScoreWindow> highScores_;
    QPointer<AboutWindow> about_;
    QPointer<statistics::StatisticsWindow> statistics_;
    QPointer<table::StandingsWindow> standings_;
    QPointer<coach::ReviewWindow> review_;
    std::optional<coach::GameToReview> lastFinished_;
};

}  // namespace dakru::ui
