#include "high_score_window.h"

#include <utility>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include "entry_reading.h"

namespace dakru::scores {
namespace {

// The layout is drawn in twips, 15 to the pixel.
constexpr int px(int twips)
{
    return twips / HighScoreWindow::kTwipsPerPixel;
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

const QColor kEntryColour(192, 192, 255);
// Shown where the picture is missing, so the light entries stay readable.
const QColor kPlainBackground(0, 0, 96);

}  // namespace

HighScoreWindow::HighScoreWindow(std::filesystem::path tableFile, std::filesystem::path picturesDir,
                                 ScoreDialogs& dialogs, HighScoreHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs),
      hooks_(std::move(hooks)),
      board_(std::move(tableFile),
             InsertionServices{
                 .askName =
                     [this](const std::string& prompt, const std::string& offered) {
                         return dialogs_.askName(QString::fromStdString(prompt), QString::fromStdString(offered))
                             .toStdString();
                     },
                 .showMessage = [this](const std::string& text) { dialogs_.showMessage(QString::fromStdString(text)); },
                 .soundOff = [this] { return hooks_.soundOff && hooks_.soundOff(); },
                 .playScoreCue =
                     [this](bool placed) {
                         if (hooks_.playScoreCue)
                             hooks_.playScoreCue(placed);
                     },
                 .scoreTaking =
                     [this](int seat) {
                         if (hooks_.scoreTaking)
                             hooks_.scoreTaking(seat);
                     },
                 .hideRoll =
                     [this] {
                         if (hooks_.hideRoll)
                             hooks_.hideRoll();
                     },
                 .labelsChanged = [this] { showLabels(); },
             }),
      background_(std::move(picturesDir), kPictureFile, ", using a plain background")
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("HighScores"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(px(4455), px(5250));

    QFont entryFont(QStringLiteral("Arial"));
    entryFont.setPointSizeF(9.75);
    QPalette entryPalette = palette();
    entryPalette.setColor(QPalette::WindowText, kEntryColour);

    for (int index = 0; index < kEntryCount; ++index) {
        QLabel* label = new QLabel(this);
        label->setObjectName(QStringLiteral("HS%1").arg(index));
        label->setGeometry(twipsRect(240, 1320 + 360 * index, 4005, 315));
        label->setFont(entryFont);
        label->setPalette(entryPalette);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A name is shown as typed, never read as markup.
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        HS_[static_cast<std::size_t>(index)] = label;
    }

    LabelExit_ = new QLabel(this);
    LabelExit_->setObjectName(QStringLiteral("LabelExit"));
    LabelExit_->setGeometry(twipsRect(1560, 4800, 1455, 495));
    LabelExit_->setFrameStyle(QFrame::Box | QFrame::Plain);
    LabelExit_->setLineWidth(1);
    LabelExit_->setPalette(entryPalette);
    LabelExit_->setFocusPolicy(Qt::NoFocus);
    LabelExit_->setAccessibleName(QStringLiteral("Close"));
    LabelExit_->installEventFilter(this);

    if (const QScreen* where = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), where->availableGeometry()));
}

void HighScoreWindow::handOver(std::int16_t finalScore)
{
    handOver(std::vector<PendingScore>{{finalScore, {}, 0}});
}

void HighScoreWindow::handOver(std::vector<PendingScore> scores)
{
    // The game-end watch repeats the hand-over while the name prompt is open;
    // raising this window then would only pull the player away from typing.
    if (board_.inserting())
        return;
    board_.handOver(std::move(scores));
    if (!isVisible()) {
        showTable();
    } else if (isActiveWindow()) {
        // Showing the active window activates nothing, so the score would
        // wait until the player clicked elsewhere and back.
        Form_Activate();
    } else {
        // An open window in the background is left where it is, and the
        // insertion runs when the player next activates it; meanwhile the
        // window asks for attention.
        dialogs_.askForAttention(*this);
    }
}

void HighScoreWindow::bringWaitingScoreForward()
{
    if (board_.scorePending() && isVisible() && !isActiveWindow())
        showTable();
}

void HighScoreWindow::showTable()
{
    show();
    raise();
    activateWindow();
}

void HighScoreWindow::Form_Activate()
{
    if (hooks_.blankRollsLeft)
        hooks_.blankRollsLeft();
    board_.reload();
    if (board_.scorePending())
        board_.SaveScore_Click();
}

void HighScoreWindow::LabelExit_Click()
{
    hide();
}

bool HighScoreWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

bool HighScoreWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LabelExit_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && LabelExit_->rect().contains(mouse->position().toPoint())) {
            LabelExit_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HighScoreWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: LabelExit_Click(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void HighScoreWindow::closeEvent(QCloseEvent* event)
{
    // The insertion still runs inside this window's prompt or message.
    if (board_.inserting())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void HighScoreWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& background = background_.at(devicePixelRatioF());
    if (background.isNull())
        painter.fillRect(rect(), kPlainBackground);
    else
        painter.drawPixmap(0, 0, background);
}

void HighScoreWindow::showLabels()
{
    const HighScoreTable& entries = board_.shownEntries();
    for (std::size_t index = 0; index < HS_.size(); ++index) {
        HS_[index]->setText(QString::fromStdString(entries[index]));
        HS_[index]->setAccessibleName(QString::fromStdString(entryReading(static_cast<int>(index), entries[index])));
    }
}

}  // namespace dakru::scores
