#include "standings_window.h"

#include <QKeyEvent>
#include <QLabel>

#include "chart_style.h"
#include "line_list.h"
#include "reachable.h"
#include "table_sheet.h"

namespace dakru::ui::table {
namespace {

using statistics::chartFont;

constexpr int kWidth = 660;
constexpr int kHeight = 500;
constexpr int kMargin = 12;
constexpr int kListWidth = 280;
constexpr int kTop = 52;

}  // namespace

StandingsWindow::StandingsWindow(const Engine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      engine_(engine)
{
    setObjectName(QStringLiteral("frmStandings"));
    setWindowTitle(QStringLiteral("Dakru - Standings"));
    setAccessibleName(windowTitle());
    setFixedSize(kWidth, kHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, statistics::kGround);
    colours.setColor(QPalette::WindowText, statistics::kText);
    setPalette(colours);
    setAutoFillBackground(true);

    turn_ = new QLabel(this);
    turn_->setObjectName(QStringLiteral("Turn"));
    turn_->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, kTop - kMargin - 8);
    turn_->setFont(chartFont(12, true));

    players_ = new LineList({{QStringLiteral("Player"), 0.5, Qt::AlignLeft},
                             {QStringLiteral("Total"), 0.2, Qt::AlignRight},
                             {QString(), 0.3, Qt::AlignRight}},
                            this);
    players_->setObjectName(QStringLiteral("Players"));
    players_->setAccessibleName(QStringLiteral("Players in order of play"));
    players_->setGeometry(kMargin, kTop, kListWidth, players_->heightFor(kMostSeats));
    connect(players_, &LineList::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            choose(row);
        }
    });

    auto* help = new QLabel(QStringLiteral("Choose a player with the arrows or a click to see their sheet."), this);
    help->setObjectName(QStringLiteral("Help"));
    help->setFont(chartFont(9));
    help->setWordWrap(true);
    help->setGeometry(kMargin, players_->geometry().bottom() + 12, kListWidth, 48);

    sheet_ = new TableSheet(this);
    sheet_->setObjectName(QStringLiteral("Sheet"));
    sheet_->setGeometry(kMargin + kListWidth + 16, kTop, kWidth - kListWidth - 16 - 2 * kMargin,
                        kHeight - kTop - kMargin);

    setTabOrder(players_, sheet_);
    players_->setFocus();
    refresh();
}

void StandingsWindow::refresh()
{
    const std::vector<Seat>& seats = engine_.table();
    if (seats != seats_) {
        seats_ = seats;
        chosen_.reset();
    }
    if (!engine_.tableGame()) {
        turn_->setText(QStringLiteral("No game for several players is in play."));
        players_->setLineCount(0);
        sheet_->hide();
        turn_->setAccessibleName(turn_->text());
        return;
    }
    const int toPlay = engine_.seatToPlay();
    const int written = writtenCells(engine_.gameOf(toPlay).cells);
    // The turn passes only to a sheet that is not full: a full one ends the game.
    const bool over = written == kCellCount;
    const QString name = QString::fromStdString(seats[static_cast<std::size_t>(toPlay)].name);
    const QString turn = QStringLiteral("Turn %1 of %2: %3 to play").arg(written + 1).arg(kCellCount);
    // A long name ends in "..." on the screen, so that "to play" always shows.
    const QFontMetrics metrics(turn_->font());
    const int room = turn_->width() - metrics.horizontalAdvance(turn.arg(QString()));
    turn_->setText(over ? QStringLiteral("The game is over.")
                        : turn.arg(metrics.elidedText(name, Qt::ElideRight, room)));
    turn_->setAccessibleName(over ? turn_->text() : turn.arg(name));

    const int count = static_cast<int>(seats.size());
    const QSignalBlocker quiet(players_);
    players_->setLineCount(count);
    for (int seat = 0; seat < count; ++seat) {
        const QString name = QString::fromStdString(seats[static_cast<std::size_t>(seat)].name);
        const QString total = QString::number(computeTotals(engine_.gameOf(seat).cells).grandTotal);
        const bool playing = !over && seat == toPlay;
        const QString status = playing ? QStringLiteral("to play") : QString();
        players_->setLine(seat, {name, total, status},
                          playing ? name + QStringLiteral(", ") + total + QStringLiteral(", to play")
                                  : name + QStringLiteral(", ") + total,
                          playing);
    }
    if (!chosen_) {
        chosen_ = toPlay;
    }
    players_->setCurrentRow(*chosen_);
    sheet_->show();
    showChosen();
}

void StandingsWindow::choose(int seat)
{
    if (seat < 0 || seat >= static_cast<int>(seats_.size()) || !engine_.tableGame()) {
        return;
    }
    chosen_ = seat;
    if (players_->currentRow() != seat) {
        const QSignalBlocker quiet(players_);
        players_->setCurrentRow(seat);
    }
    showChosen();
}

void StandingsWindow::showChosen()
{
    const int seat = *chosen_;
    sheet_->showSheet(QString::fromStdString(seats_[static_cast<std::size_t>(seat)].name), engine_.gameOf(seat).cells);
}

void StandingsWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace dakru::ui::table
