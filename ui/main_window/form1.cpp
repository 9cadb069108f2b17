#include "form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <charconv>
#include <string_view>

#include "accessible_label.h"
#include "caption_fit.h"
#include "caption_reading.h"
#include "click_label.h"
#include "cover.h"
#include "first_frame.h"
#include "grid_lines.h"
#include "highlight_frame.h"
#include "history_database.h"
#include "main_layout.h"
#include "ranking_window.h"
#include "reachable.h"
#include "sheet_access.h"
#include "sheet_cursor.h"
#include "sheet_names.h"
#include "start_trace.h"
#include "table_setup.h"

namespace dakru::ui {
namespace {

// The picture of a die not thrown yet.
constexpr const char* kBlankDie = "d.jpg";

constexpr auto kFixedWindow = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;

QFont arial(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont fontOf(layout::TextStyle style)
{
    switch (style) {
    case layout::TextStyle::ColumnHeader: return arial(9);
    case layout::TextStyle::CornerHeader: return arial(9, true);
    case layout::TextStyle::RowCaption: return arial(8.25);
    case layout::TextStyle::Equals: return arial(9, true);
    case layout::TextStyle::Score: return arial(9.75, true);
    }
    return arial(8.25);
}

template <class Label>
Label* placeLabel(Label* label, const QString& name, const QRect& rect, const QColor& text)
{
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignCenter);
    // Most labels write in the window's own colour and share its palette; a
    // palette of their own costs each one a copy and the toolkit's resolving.
    if (label->palette().color(QPalette::WindowText) != text) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, text);
        label->setPalette(colours);
    }
    return label;
}

ClickLabel* makeLabel(QWidget* parent, const QString& name, const QRect& rect, const QColor& text)
{
    return placeLabel(new ClickLabel(parent), name, rect, text);
}

// Sets the text only where it differs from what the label shows, so that a tick
// that changes nothing allocates nothing and repaints nothing.
void showText(ClickLabel* label, std::string_view text)
{
    const QLatin1String shown(text.data(), static_cast<qsizetype>(text.size()));
    if (label->text() != shown) {
        label->setText(shown);
    }
}

void showNumber(ClickLabel* label, std::optional<int> value)
{
    std::array<char, 12> digits{};
    char* const first = digits.data();
    char* const end = value ? std::to_chars(first, first + digits.size(), *value).ptr : first;
    showText(label, std::string_view(first, static_cast<std::size_t>(end - first)));
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent, kFixedWindow),
      services_(std::move(services)),
      engine_(*this, services_.random),
      writeTrouble_(services_.dialogs, *this),
      playerFiles_(services_.playerDir, [this](const storage::WriteError& error) { writeTrouble_.report(error); }),
      history_(services_.playerDir.empty() ? std::filesystem::path()
                                           : services_.playerDir / history::HistoryDatabase::kFileName,
               [this](const storage::WriteError& error) { writeTrouble_.report(error); }),
      pictures_(services_.picturesDir)
{
    engine_.setSoundOff(playerFiles_.soundOff());
    traceStep("settings read");

    installAccessibleLabels();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Dakru v1.05.06 - 23.12.2002"));
    setFixedSize(layout::kClientSize);
    setFont(arial(8.25));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, layout::kCellText);  // that of the 56 score cells
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    image1_ = new CoverPicture(Picture(services_.picturesDir, "Cover.jpg"), this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(layout::kCover);
    connect(image1_, &CoverPicture::moved, this, [this] { BorderB(0); });
    // The dice's blank face, read meanwhile too.
    pictures_.readAhead(kBlankDie, devicePixelRatioF());
    traceStep("cover made, pictures on threads");

    // The score sheet lies behind the cover in the first frame: it is built
    // once that frame is on screen (see Form_Load).
    buildMenu();
    traceStep("menu, dice and displays built");
    cursor_ = new SheetCursor(this);
    pace_ = new ComputerPace(
        engine_, [this](const advisor::TurnStep& step) { computerClick(step); }, this);
    hint_ = std::make_unique<Hint>(
        *this, std::array<QWidget*, kDiceCount>{labels_.dice[0], labels_.dice[1], labels_.dice[2], labels_.dice[3],
                                                labels_.dice[4]});

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }

    // Found by the game's names, like the controls (a member leaves its parent when destroyed).
    timer1_.setParent(this);
    timer2_.setParent(this);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer1_.setInterval(500);
    timer2_.setInterval(5000);
    connect(&timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&timer2_, &QTimer::timeout, this, &Form1::Timer2_Timer);
    timer1_.start();
    timer2_.start();
    // Last, so that the blank face has been read meanwhile.
    for (int n = 1; n <= kDiceCount; ++n) {
        showDiePicture(n, kBlankDie);
    }
    traceStep("main window built");
}

Form1::~Form1()
{
    delete highScores_.data();
    delete about_.data();
    delete standings_.data();
    delete review_.data();
}

// The sheet's controls lie under the menu's frames, as they would had they
// been made with the window: under the cover while it is in front, and read
// by screen readers in the same order.
void Form1::buildSheet()
{
    if (sheetBuilt()) {
        return;
    }
    const qsizetype before = children().size();
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            ClickLabel* cell =
                makeLabel(this, cellName(column, row),
                          layout::cellRect(layout::columnLeft(column), layout::rowTop(row)), layout::kCellText);
            cell->setFill(layout::kCellBlack);
            cell->setBorder(layout::kBorder);
            connect(cell, &ClickLabel::clicked, this, [this, column, row] { Cell_Click(column, row); });
            labels_.cells[index(column)][row - 1] = cell;
        }
    }

    for (const Section section : kSections) {
        const int top = layout::sumTop(section);
        for (const Column column : kColumns) {
            ClickLabel* sum = makeLabel(this, sumName(section, column),
                                        layout::cellRect(layout::columnLeft(column), top), layout::kSumText);
            sum->setBorder(layout::kBorder);
            labels_.sums[index(section)][index(column)] = sum;
        }
        ClickLabel* total =
            makeLabel(this, totalName(section), layout::cellRect(layout::kTotalLeft, top), layout::kSumText);
        total->setBorder(layout::kBorder);
        labels_.totals[index(section)] = total;
    }
    // The upper sum of the Call column is the one sum cell drawn on black.
    labels_.sums[index(Section::Upper)][index(Column::Call)]->setFill(layout::kCellBlack);
    labels_.grandTotal = makeLabel(this, QString::fromLatin1(kGrandTotalName),
                                   layout::cellRect(layout::kTotalLeft, layout::kScoreRowTop), layout::kSumText);
    labels_.grandTotal->setBorder(layout::kBorder);

    auto* lines = new GridLines(this);
    lines->setObjectName(QStringLiteral("GridLines"));
    lines->setGeometry(rect());

    // The captions lie above the cells and lines. The wide ones reach into the
    // Down column, so their text is fitted into the room before its left edge.
    for (const layout::Caption& caption : layout::kCaptions) {
        ClickLabel* label = placeLabel(new CaptionLabel(this, layout::kCaptionRoomRight),
                                       QString::fromLatin1(caption.name), caption.rect, layout::kCaptionText);
        label->setText(QString::fromLatin1(caption.text));
        label->setFont(fontOf(caption.style));
        readCaption(*label, caption);
    }

    // At a table, the corner of the sheet names the player whose sheet it is.
    playerName_ =
        makeLabel(this, QStringLiteral("PlayerName"), layout::caption(layout::kHeaderTop), layout::kCaptionText);
    playerName_->setFont(fontOf(layout::TextStyle::CornerHeader));
    playerName_->hide();
    hideFromReaders(*playerName_);

    // New children come last; a child made after its window is shown is shown by hand.
    for (QObject* child : children().mid(before)) {
        if (auto* control = qobject_cast<QWidget*>(child)) {
            control->stackUnder(frames_[0]);
            if (control != playerName_) {
                control->show();
            }
        }
    }
    access_ = std::make_unique<SheetAccess>(labels_);
    for (int n = 1; n <= kDiceCount; ++n) {
        access_->showDie(n, engine_.die(n));
    }
    traceStep("sheet built");
    redraw();
}

void Form1::buildMenu()
{
    labels_.zvanje = makeLabel(this, QStringLiteral("Zvanje"), layout::kZvanje, layout::kDisplayText);
    labels_.zvanje->setFont(arial(9.75, true));
    labels_.rollsLeft = makeLabel(this, QStringLiteral("RollsLeft"), layout::kRollsLeft, layout::kDisplayText);
    labels_.rollsLeft->setFont(arial(8.25));
    for (int k = 1; k <= 5; ++k) {
        auto* frame = new HighlightFrame(this);
        frame->setObjectName(QStringLiteral("GS%1").arg(k));
        frame->setGeometry(layout::kHighlightFrames[k - 1]);
        frames_[k - 1] = frame;
    }
    for (int k = 1; k <= 5; ++k) {
        ClickLabel* spot = makeLabel(this, QStringLiteral("G%1").arg(k), layout::kHotSpots[k - 1], Qt::white);
        spot->setMouseTracking(true);
        connect(spot, &ClickLabel::moved, this, [this, k] { G_MouseMove(k); });
        connect(spot, &ClickLabel::clicked, this, [this, k] { G_Click(k); });
        labels_.hotSpots[k - 1] = spot;
    }
    for (int n = 1; n <= kDiceCount; ++n) {
        ClickLabel* picture = makeLabel(this, QStringLiteral("Kocka%1p").arg(n), layout::dicePicture(n), Qt::black);
        picture->setFont(arial(14, true));
        connect(picture, &ClickLabel::clicked, this, [this, n] {
            if (computersTurn()) {
                return;
            }
            engine_.Kockap_Click(n);
            redraw();
        });
        labels_.dice[n - 1] = picture;
    }
}

void Form1::Form_Load()
{
    engine_.Form_Load();
    redraw();
    // Once the window is on the screen: the sheet, the games an earlier run
    // could not record, and the high-score table's place (looking for it
    // makes a probe file beside the data; an installed game's table is
    // copied to the player's folder then).
    afterFirstFrame(*this, [this] {
        buildSheet();
        history_.recordKeptAside();
        services_.tableFile.path();
    });
}

void Form1::takeKeptGame()
{
    if (std::optional<PlayerFiles::Kept> kept = playerFiles_.takeKeptGame()) {
        if (auto* game = std::get_if<PlayerFiles::KeptGame>(&*kept)) {
            engine_.OfferKeptGame(game->state, std::move(game->record));
        } else {
            engine_.OfferKeptTable(std::get<TableGames>(std::move(*kept)));
        }
    }
}

void Form1::redraw()
{
    showText(labels_.zvanje, engine_.zvanjeText());
    showText(labels_.rollsLeft, engine_.rollsLeftText());
    if (hint_->follow(engine_.gameState())) {
        BorderB(0);  // the ROLL frame the hint may have shown
    }
    cursor_->follow(engine_);
    if (sheetBuilt()) {  // once the first frame is on screen
        drawSheet();
        access_->follow(engine_, cursor_->place());
        showPlayer();
    }
    if (standings_ && standings_->isVisible()) {
        standings_->refresh();
    }
    // Every action and tick ends here: the kept game follows the game as soon
    // as it changes (an unchanged game writes nothing).
    keepGame();
    history_.follow(engine_.gameState());
    pace_->follow(gameUnderWay());
}

void Form1::drawSheet()
{
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            const Cell& state = engine_.cell(column, row);
            ClickLabel* cell = labels_.cells[index(column)][row - 1];
            showNumber(cell, state.value);
            cell->setFill(state.marked ? layout::kCellYellow : layout::kCellBlack);
        }
    }
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            showNumber(labels_.sums[index(section)][index(column)], engine_.sum(section, column));
        }
        showNumber(labels_.totals[index(section)], engine_.total(section));
    }
    showNumber(labels_.grandTotal, engine_.grandTotal());
}

// The sheet is out from under the cover, in a game still being played.
bool Form1::gameUnderWay() const
{
    return engine_.rollVisible() && !coverInFront_ && !engine_.keptGameWaiting();
}

// A computer's turn at a table: the person's clicks and keys on the sheet and
// the dice wait, and the roll key hurries the computer on.
bool Form1::computersTurn() const
{
    return engine_.computerToPlay() && gameUnderWay();
}

void Form1::showPlayer()
{
    if (!engine_.tableGame()) {
        playerName_->hide();
        hideFromReaders(*playerName_);
        return;
    }
    const QString name = QString::fromStdString(engine_.table()[static_cast<std::size_t>(engine_.seatToPlay())].name);
    const QString fitted = playerName_->fontMetrics().elidedText(name, Qt::ElideRight, playerName_->width() - 2);
    if (playerName_->text() != fitted) {
        playerName_->setText(fitted);
        playerName_->setAccessibleName(QStringLiteral("%1's sheet").arg(name));
    }
    playerName_->show();
    playerName_->raise();
    hideFromReaders(*playerName_, false);
}

// A step of the computer's turn, as a person's click would make it.
void Form1::computerClick(const advisor::TurnStep& step)
{
    advisor::takeStep(engine_, step);
    redraw();
}

// The game in play goes to the disk as soon as it changes (an unchanged game
// writes nothing): one player's with its record, a table's whole. A finished
// game that the disk took neither aside nor into the history stays in the
// kept file, so that the next start hands it over again.
void Form1::keepGame()
{
    const bool mayDrop = history_.finishedGamesOnDisk();
    if (const std::optional<TableGames> table = engine_.tableToKeep()) {
        playerFiles_.keep(*table, mayDrop);
    } else {
        playerFiles_.keep(engine_.gameToKeep(), engine_.recordToKeep(), mayDrop);
    }
}

void Form1::Timer1_Timer()
{
    engine_.Timer1();
    redraw();
}

void Form1::Timer2_Timer()
{
    engine_.Timer2();
    redraw();
    playerFiles_.stillKeeping();
}

void Form1::BorderB(int Wich)
{
    for (int k = 1; k <= 5; ++k) {
        frames_[k - 1]->setGeometry(labels_.hotSpots[k - 1]->geometry());
        frames_[k - 1]->hide();
    }
    if (Wich >= 1 && Wich <= 5) {
        frames_[Wich - 1]->show();
    }
}

void Form1::G_MouseMove(int k)
{
    if (frames_[k - 1]->isHidden()) {
        engine_.PlayCue(Cue::MouseOver);
    }
    BorderB(k);
}

void Form1::G_Click(int k)
{
    switch (k) {
    case 1:
        if (computersTurn()) {
            pace_->hurry();
        } else if (engine_.rollVisible()) {
            engine_.Roll_Click();
        } else {
            NewGame_Click();
        }
        break;
    case 2: {
        // NEW with Shift sets up who plays, as F6 does.
        if (QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)) {
            SetUp_Click();
            break;
        }
        // On a fresh sheet before the first roll, NEW simply plays.
        // A game kept from the last run is not fresh: NEW asks, then starts afresh.
        const bool fresh =
            engine_.grandTotal().value_or(0) == 0 && engine_.rollsLeftText().empty() && !engine_.keptGameWaiting();
        if (fresh) {
            G_Click(1);
            return;
        }
        NewGame_Click();
        break;
    }
    case 3: HighScores_Click(); break;
    case 4: Info_Click(); break;
    case 5: Exitb_Click(); return;
    default: return;
    }
    redraw();
}

bool Form1::event(QEvent* event)
{
    // On a screen of another density the dice take the pictures drawn for it;
    // the cover picks its own each time it paints.
    if (event->type() == QEvent::ScreenChangeInternal) {
        for (int n = 1; n <= kDiceCount; ++n) {
            showDiePicture(n, std::exchange(diceShown_[n - 1], {}));
        }
    }
    return QWidget::event(event);
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    // Undo is the platform's own shortcut and acts on the press, as it does
    // everywhere: the order in which Ctrl and Z are let go does not matter.
    if (event->matches(QKeySequence::Undo)) {
        UndoLast();
        return;
    }
    if (const std::optional<KeyAction> action = keyAction(*event)) {
        keysDown_.insert(*action);
    }
    cursorKeys_.pressed(*event);
}

// Keys act on release. A release whose press this window did not see (the
// Enter that closed a message box) does nothing. Presses and releases meet by
// their action, so Shift may be let go before or after the digit or the Tab.
void Form1::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    if (const std::optional<CursorStep> step = cursorKeys_.released(*event)) {
        MoveCursor(*step);
        return;
    }
    const std::optional<KeyAction> action = keyAction(*event);
    if (action && keysDown_.remove(*action)) {
        // Enter writes under a shown cursor; Space always rolls.
        if (*action == KeyAction::Roll && isEnterKey(event->key()) && WriteAtCursor()) {
            return;
        }
        Form_KeyUp(*action);
    }
}

// Tab and Shift+Tab step the sheet cursor; the keyboard focus stays on this window.
bool Form1::focusNextPrevChild(bool)
{
    return false;
}

// The arrows and Tab show and move the keyboard cursor on the sheet.
void Form1::MoveCursor(CursorStep step)
{
    if (computersTurn()) {
        return;
    }
    cursor_->step(step, engine_);
    if (sheetBuilt()) {
        access_->follow(engine_, cursor_->place());
    }
}

// Enter on the cursor writes its cell, or places the call there, as a click
// would. False when no cursor is shown: then Enter rolls as always.
bool Form1::WriteAtCursor()
{
    const std::optional<CellPlace> place = cursor_->place();
    if (!place) {
        return false;
    }
    Cell_Click(place->column, place->row);
    return true;
}

void Form1::Cell_Click(Column column, int row)
{
    if (computersTurn()) {
        return;
    }
    cursor_->rememberForUndo();
    engine_.Cell_Click(column, row);
    redraw();
}

// Ctrl+Z: the last write or call is taken back, and the cursor with it.
void Form1::UndoLast()
{
    const bool undoing = engine_.canUndo();
    engine_.Undo();
    if (undoing) {
        cursor_->restoreAfterUndo(engine_);
    }
    redraw();
}

// NEW and F2. A finished game's score that waits for a high-score window in
// the background brings that window forward, so that NEW is never silent.
// `table`: the players the setup chose; else the last game's play again.
void Form1::NewGame_Click(std::optional<std::vector<Seat>> table)
{
    const bool wasTable = engine_.tableGame();
    engine_.NewGame_Click(std::move(table));
    if (highScores_) {
        highScores_->bringWaitingScoreForward();
    }
    // A new game at a table opens its standings beside the main window,
    // leaving the keyboard where it was.
    if (engine_.tableGame() && engine_.rollVisible() && (!wasTable || !standings_)) {
        showStandings(false);
    }
}

// F6, or NEW with Shift: who plays the next game, offered as it was last set
// up; the new game then starts as NEW starts one, after its question.
void Form1::SetUp_Click()
{
    const std::vector<Seat> last = table::setupFromSettings(playerFiles_.settings()).value_or(std::vector<Seat>{});
    const std::optional<std::vector<Seat>> chosen = services_.tableDialogs.askSetup(last);
    if (!chosen) {
        return;
    }
    playerFiles_.remember(table::setupToSettings(*chosen));
    NewGame_Click(*chosen);
}

// F7: the standings of a game at a table.
void Form1::Standings_Click()
{
    showStandings(true);
}

// Beside the main window, on the side with more room, and within the screen.
void Form1::showStandings(bool activate)
{
    if (!standings_) {
        standings_ = new table::StandingsWindow(engine_);
        standings_->setAttribute(Qt::WA_DeleteOnClose, false);
        const QRect main = frameGeometry();
        const QRect room = screen() != nullptr ? screen()->availableGeometry() : main;
        const int width = standings_->frameGeometry().width();
        const bool right = room.right() - main.right() >= main.left() - room.left();
        const int left =
            right ? std::min(main.right() + 1, room.right() + 1 - width) : std::max(main.left() - width, room.left());
        standings_->move(left, main.top());
    }
    standings_->refresh();
    standings_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    standings_->show();
    standings_->raise();
    if (activate) {
        standings_->activateWindow();
    }
}

// H shows the best move: the dice to hold framed, the cell to write or call
// under the keyboard cursor, or the ROLL frame. H again on the same position
// makes that move. A game in which a hint was shown is assisted.
void Form1::ShowHint()
{
    const GameState& state = engine_.gameState();
    // A game whose score is dealt with has one move left, a new game; one
    // still in play has a decision only once it is under way and not full.
    if (state.rollVisible && writtenCells(state.cells) == kCellCount) {
        hint_->refuse(NoHint::SheetFull);
        return;
    }
    if (state.rollVisible && coverInFront_) {
        hint_->refuse(NoHint::TitleScreen);
        return;
    }
    if (computersTurn()) {
        hint_->refuse(NoHint::ComputersTurn);
        return;
    }
    const Hint::Press press = hint_->press(state);
    if (!press.carryOut) {
        if (!hint_->shown()) {
            return;
        }
        if (state.rollVisible) {
            engine_.HintShown();
        }
        if (press.move && press.move->move != advisor::Move::Roll) {
            cursor_->showAt({press.move->column, press.move->row}, engine_);
        } else {
            BorderB(1);
        }
        redraw();
        return;
    }
    if (press.move && press.move->move != advisor::Move::Roll) {
        Cell_Click(press.move->column, press.move->row);
        return;
    }
    if (press.move) {
        for (int n = 1; n <= kDiceCount; ++n) {
            if (engine_.die(n).face && engine_.die(n).held != press.move->hold[n - 1]) {
                engine_.Kockap_Click(n);
            }
        }
    }
    BorderB(0);
    G_Click(1);  // ROLL: a roll, or a new game once the score has been dealt with
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        keysDown_.clear();
        cursorKeys_.clear();
    }
    QWidget::changeEvent(event);
}

void Form1::Form_KeyUp(KeyAction action)
{
    switch (action) {
    case KeyAction::Roll:
        if (computersTurn()) {
            pace_->hurry();
        } else {
            engine_.Roll_Click();
        }
        break;
    case KeyAction::Exit: Exitb_Click(); return;
    case KeyAction::NewGame: NewGame_Click(); break;
    case KeyAction::HighScores: HighScores_Click(); break;
    case KeyAction::ToggleSound:
        engine_.ToggleSound();
        playerFiles_.rememberSoundOff(engine_.soundOff());
        break;
    case KeyAction::About: Info_Click(); break;
    case KeyAction::Hint: ShowHint(); return;
    case KeyAction::Statistics: Statistics_Click(); break;
    case KeyAction::SetUp: SetUp_Click(); break;
    case KeyAction::Standings: Standings_Click(); break;
    case KeyAction::Review: Review_Click(); return;
    case KeyAction::HoldDie1:
    case KeyAction::HoldDie2:
    case KeyAction::HoldDie3:
    case KeyAction::HoldDie4:
    case KeyAction::HoldDie5:
        if (!computersTurn()) {
            engine_.Kockap_Click(dieOf(action));
        }
        break;
    }
    redraw();
}

scores::HighScoreWindow& Form1::highScores()
{
    if (!highScores_) {
        scores::HighScoreHooks hooks{
            .blankRollsLeft =
                [this] {
                    engine_.BlankRollsLeft();
                    redraw();
                },
            // Kept on the disk before the table is written, so that no restart enters it twice.
            .scoreTaking =
                [this](int seat) {
                    engine_.ScoreTaken(seat);
                    keepGame();
                },
            .hideRoll =
                [this] {
                    engine_.ScoreDealtWith();
                    redraw();  // a game whose score is dealt with is over and no longer kept
                },
            .soundOff = [this] { return engine_.soundOff(); },
            // The insertion has already consulted the sound switch.
            .playScoreCue = [this](bool placed) { playCue(placed ? Cue::ScoreHigh : Cue::ScoreNo); },
        };
        highScores_ = new scores::HighScoreWindow(services_.tableFile.path(), services_.picturesDir,
                                                  services_.scoreDialogs, std::move(hooks));
    }
    return *highScores_;
}

void Form1::HighScores_Click()
{
    highScores().showTable();
}

void Form1::Info_Click()
{
    if (!about_) {
        about_ = new AboutWindow([this](Cue cue) { engine_.PlayCue(cue); });
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

// The figures are read afresh each time, so that a game just finished is among
// them; off the window's thread, while the window says it waits for them. A
// game chosen in its list is reviewed in the review window.
void Form1::Statistics_Click()
{
    if (statistics_) {
        statistics_->close();
    }
    statistics_ = new statistics::StatisticsWindow();
    history_.read([window = statistics_](const history::HistoryContents& contents) {
        if (window) {
            window->showHistory(contents);
        }
    });
    connect(statistics_, &statistics::StatisticsWindow::reviewWanted, this, [this](const history::FinishedGame& game) {
        showReview(new coach::ReviewWindow(services_.picturesDir))->reviewStored(game);
    });
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

// F5: the last game finished in this run, else the last one of the history
// that has a record (read off this window's thread, while the review window
// says it looks for it); reviewed afresh on a thread of its own while the
// game goes on.
void Form1::Review_Click()
{
    if (lastFinished_) {
        showReview(new coach::ReviewWindow(lastFinished_, services_.picturesDir));
        return;
    }
    QPointer<coach::ReviewWindow> window = showReview(new coach::ReviewWindow(services_.picturesDir));
    history_.read([window](const history::HistoryContents& contents) {
        if (window) {
            window->reviewLastOf(contents);
        }
    });
}

coach::ReviewWindow* Form1::showReview(coach::ReviewWindow* window)
{
    if (review_) {
        review_->close();
    }
    review_ = window;
    review_->show();
    review_->raise();
    review_->activateWindow();
    return window;
}

// Ends the program at once: nothing is asked; a game in progress is kept.
void Form1::Exitb_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (about_) {
        about_->close();
    }
    if (highScores_) {
        highScores_->close();
    }
    if (statistics_) {
        statistics_->close();
    }
    if (standings_) {
        standings_->close();
    }
    if (review_) {
        review_->close();
    }
    timer1_.stop();
    timer2_.stop();
    keepGame();
    event->accept();
    QCoreApplication::quit();
}

void Form1::playCue(Cue cue)
{
    services_.cues.play(cue);
}

void Form1::playCueAndWait(Cue cue)
{
    services_.cues.playAndWait(cue);
}

void Form1::showMessage(const std::string& text)
{
    services_.dialogs.message(QString::fromStdString(text));
}

bool Form1::askYesNo(const std::string& text)
{
    return services_.dialogs.askYesNo(QString::fromStdString(text));
}

void Form1::FrontBack(Cover cover)
{
    coverInFront_ = cover == Cover::Front;
    if (cover == Cover::Front) {
        image1_->raise();
    } else {
        image1_->lower();
    }
    // The dice pictures always lie above the cover.
    for (ClickLabel* picture : labels_.dice) {
        picture->raise();
    }
    labels_.rollsLeft->raise();
    for (ClickLabel* spot : labels_.hotSpots) {
        spot->raise();
    }
    labels_.zvanje->raise();
}

void Form1::showDiePicture(int die, const std::string& fileName)
{
    // The totals tick asks for the same pictures every half second between turns.
    if (diceShown_[die - 1] == fileName) {
        return;
    }
    diceShown_[die - 1] = fileName;
    if (access_) {
        access_->showDie(die, engine_.die(die));
    }
    ClickLabel* picture = labels_.dice[die - 1];
    const QPixmap& face = pictures_.get(fileName, picture->devicePixelRatioF());
    if (!face.isNull()) {
        picture->setFill(std::nullopt);
        picture->setPixmap(face);
        return;
    }
    // Without the picture: the face as a number on a light square, darker when held.
    const Die& state = engine_.die(die);
    picture->setFill(state.held ? QColor(160, 160, 160) : QColor(240, 240, 240));
    picture->setText(state.face ? QString::number(*state.face) : QString());
}

void Form1::recordFinishedGame(const GameState& game, const GameRecord& record, const std::vector<Seat>& table,
                               int seat)
{
    history_.handedOver(game, record, table, seat);
    lastFinished_ = coach::GameToReview{record, game.cells};
}

// Every person's score goes to the table of the ten best, best first; a
// computer's never, nor the score of a person the hint helped.
void Form1::handOverTable(const std::vector<Placing>& ranking)
{
    auto* standing = new table::RankingWindow(engine_.table(), ranking);
    standing->setObjectName(QStringLiteral("Ranking"));
    standing->show();
    standing->raise();
    std::vector<scores::PendingScore> entries;
    for (const Placing& placing : ranking) {
        const Seat& seat = engine_.table()[static_cast<std::size_t>(placing.seat)];
        const GameState& game = engine_.gameOf(placing.seat);
        if (!seat.person() || game.scoreTaken) {
            continue;
        }
        if (game.assisted) {
            showMessage("The computer helped " + seat.name + " in this game, so " + seat.name
                        + "'s score does not go into the table.");
            continue;
        }
        entries.push_back({static_cast<std::int16_t>(placing.score), seat.name, placing.seat});
    }
    if (entries.empty()) {
        engine_.ScoreDealtWith();
        return;
    }
    highScores().handOver(std::move(entries));
}

void Form1::handOverFinalScore(std::int16_t FinalScore)
{
    highScores().handOver(FinalScore);
}

}  // namespace dakru::ui
