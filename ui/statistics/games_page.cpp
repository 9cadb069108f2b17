#include "games_page.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeView>
#include <algorithm>

#include "chart_style.h"
#include "games_list.h"
#include "score_plot.h"
#include "trend.h"

namespace dakru::ui::statistics {
namespace {

constexpr int kWidth = 780;
constexpr int kMargin = 12;
constexpr int kLine = 22;
constexpr int kColumnWidth = (kWidth - 3 * kMargin) / 2;
constexpr int kRight = 2 * kMargin + kColumnWidth;
constexpr int kTrendHeight = 240;

QLabel* label(QWidget* parent, const QString& name, const QRect& rect, const QString& text, const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(rect);
    l->setFont(font);
    l->setAccessibleName(text);
    return l;
}

void tell(QWidget* widget, QAccessible::Event what)
{
    QAccessibleEvent event(widget, what);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

GamesPage::GamesPage(std::vector<history::FinishedGame> games, int height, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GamesPage"));
    list_ = new GamesList(std::move(games), this);

    label(this, QStringLiteral("GamesCaption"), QRect(kMargin, kMargin, kColumnWidth, kLine),
          QStringLiteral("Your games, the newest first"), chartFont(9, true));
    view_ = new QTreeView(this);
    view_->setObjectName(QStringLiteral("GamesList"));
    view_->setAccessibleName(QStringLiteral("Your games, the newest first"));
    view_->setGeometry(kMargin, kMargin + kLine + 2, kColumnWidth, height - 2 * kMargin - 3 * kLine - 6);
    view_->setFont(chartFont(9));
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setModel(list_);
    for (const auto& [column, width] :
         {std::pair(GamesList::Date, 120), std::pair(GamesList::Score, 50), std::pair(GamesList::Players, 80)}) {
        view_->setColumnWidth(column, width);
    }
    view_->installEventFilter(this);
    connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) { openLine(index.row()); });
    listLine_ = label(this, QStringLiteral("GamesListLine"),
                      QRect(kMargin, view_->geometry().bottom() + 3, kColumnWidth, kLine), {}, chartFont(9));
    listLine_->setWordWrap(true);
    label(this, QStringLiteral("GamesHelp"), QRect(kMargin, height - kMargin - kLine, kColumnWidth, kLine),
          QStringLiteral("Enter or a double click opens the review of a game."), chartFont(9));

    progress_ = label(this, QStringLiteral("ReviewProgress"), QRect(kRight, kMargin, kColumnWidth, 2 * kLine), {},
                      chartFont(9));
    progress_->setWordWrap(true);
    progress_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    trend_ = new ScorePlot({}, {}, this, QStringLiteral("Points lost in each game reviewed"));
    trend_->setObjectName(QStringLiteral("LossTrend"));
    trend_->setGeometry(kRight, kMargin + 2 * kLine + 4, kColumnWidth, kTrendHeight);
    trend_->setAccessibleName(QStringLiteral("Points lost in each game reviewed"));
    const int practiseTop = trend_->geometry().bottom() + 12;
    label(this, QStringLiteral("PractiseCaption"), QRect(kRight, practiseTop, kColumnWidth, kLine),
          QStringLiteral("What to practise"), chartFont(9, true));
    practise_ = label(this, QStringLiteral("WhatToPractise"),
                      QRect(kRight, practiseTop + kLine, kColumnWidth, height - practiseTop - kLine - kMargin), {},
                      chartFont(9));
    practise_->setWordWrap(true);
    practise_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The newest first: the practice over the last games is ready first.
    std::vector<GameToPrice> toPrice;
    for (const std::size_t place : list_->listed()) {
        const history::FinishedGame& game = list_->games()[place];
        if (game.hasRecord()) {
            toPrice.push_back({place, game.record, history::sheetOf(game)});
        }
    }
    toPrice_ = static_cast<int>(toPrice.size());
    reviews_ = new HistoryReviews(std::move(toPrice), this);
    connect(reviews_, &HistoryReviews::priced, this, &GamesPage::showPriced);
    if (list_->rowCount() > 0) {
        view_->setCurrentIndex(list_->index(0, 0));
    }
    refresh();
    showProgress();
}

void GamesPage::showPlayers(history::Players players)
{
    list_->showPlayers(players);
    if (list_->rowCount() > 0) {
        view_->setCurrentIndex(list_->index(0, 0));
    }
    listLine_->clear();
    refresh();
}

void GamesPage::showPriced(const PricedGame& priced)
{
    list_->showPriced(priced);
    ++priced_;
    refused_ += priced.loss ? 0 : 1;
    if (list_->shown(priced.place)) {
        refresh();
    }
    showProgress();
    emit pricedOne();
}

void GamesPage::refresh()
{
    std::vector<review::GameLoss> losses;
    for (const std::size_t place : list_->listed()) {
        if (const std::optional<PricedGame>& priced = list_->priced()[place]; priced && priced->loss) {
            losses.push_back(*priced->loss);
        }
    }
    // Listed the newest first; the trend runs the oldest first.
    std::reverse(losses.begin(), losses.end());
    const review::Trend trend = review::trendOf(losses);
    if (trend.lost.empty()) {
        trend_->setAccessibleDescription(QStringLiteral("No game has been reviewed from its first turn yet."));
    } else {
        const auto [low, high] = std::minmax_element(trend.lost.begin(), trend.lost.end());
        trend_->setAccessibleDescription(
            QStringLiteral("%1 reviewed from the first turn, the oldest first; points lost from %2 to %3; the mean of "
                           "the last ten is %4.")
                .arg(trend.lost.size() == 1 ? QStringLiteral("1 game")
                                            : QStringLiteral("%1 games").arg(trend.lost.size()))
                .arg(*low, 0, 'f', 1)
                .arg(*high, 0, 'f', 1)
                .arg(trend.average.back(), 0, 'f', 1));
    }
    trend_->showValues(trend.lost, trend.average);
    const QString practise = QString::fromStdString(review::practiseText(review::whatToPractise(losses)));
    // A share's number and its sign stay on one line.
    practise_->setText(QString(practise).replace(QStringLiteral(" %"), QStringLiteral("\u00a0%")));
    practise_->setAccessibleName(QStringLiteral("What to practise: ") + practise);
}

void GamesPage::showProgress()
{
    QString line;
    if (toPrice_ == 0) {
        line = QStringLiteral(
            "No game has a record of its decisions yet: the games you finish from now on are "
            "reviewed here.");
    } else if (priced_ < toPrice_) {
        line = QStringLiteral("Reviewing your games\u2026 %1 of %2").arg(priced_).arg(toPrice_);
    } else {
        line = toPrice_ == 1 ? QStringLiteral("The game with a record is reviewed.")
                             : QStringLiteral("All %1 games with a record are reviewed.").arg(toPrice_);
        if (refused_ > 0) {
            line +=
                refused_ == 1 ? QStringLiteral(" 1 could not be.") : QStringLiteral(" %1 could not be.").arg(refused_);
        }
    }
    progress_->setText(line);
    progress_->setAccessibleName(line);
    // Told when it begins and ends, not at every game.
    if (priced_ == 0 || priced_ == toPrice_) {
        tell(progress_, QAccessible::NameChanged);
    }
}

QString GamesPage::progressLine() const
{
    return progress_->text();
}

QString GamesPage::practiseLine() const
{
    return practise_->text();
}

QString GamesPage::listLine() const
{
    return listLine_->text();
}

void GamesPage::openLine(int line)
{
    if (line < 0 || line >= list_->rowCount()) {
        return;
    }
    const history::FinishedGame& game = list_->games()[list_->listed()[static_cast<std::size_t>(line)]];
    if (!game.hasRecord()) {
        const QString why =
            QStringLiteral("This game has no record of its decisions: it was played before Dakru kept them.");
        listLine_->setText(why);
        listLine_->setAccessibleName(why);
        tell(listLine_, QAccessible::Alert);
        return;
    }
    listLine_->clear();
    listLine_->setAccessibleName({});
    emit reviewWanted(game);
}

// Enter opens the chosen game, whatever the platform makes of Enter in a
// list; the window's own letters pass the list's search by first letters.
bool GamesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            openLine(view_->currentIndex().row());
            return true;
        }
        if ((key->key() == Qt::Key_A || key->key() == Qt::Key_B) && key->modifiers() == Qt::NoModifier) {
            QCoreApplication::sendEvent(window(), event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace dakru::ui::statistics
