#include "statistics_window.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "chart_style.h"
#include "game_check.h"
#include "games_page.h"
#include "score_histogram.h"
#include "score_plot.h"

namespace dakru::ui::statistics {
namespace {

constexpr int kWidth = 780;
constexpr int kHeight = 590;
// A page under the tab bar: the room the bar takes at most is left to it.
constexpr int kPageHeight = kHeight - 34;
constexpr int kMargin = 12;
constexpr int kLeftWidth = 300;
constexpr int kRightLeft = kMargin + kLeftWidth + 12;
constexpr int kRightWidth = kWidth - kRightLeft - kMargin;
constexpr int kFigureHeight = 24;
constexpr int kHistogramBins = 24;
constexpr int kAverageOver = 10;

QLabel* label(QWidget* parent, const QString& name, const QRect& rect, const QString& text, const QFont& font,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(rect);
    l->setFont(font);
    l->setAlignment(alignment);
    return l;
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

}  // namespace

QString localDay(const std::string& isoUtc)
{
    const QDateTime moment = QDateTime::fromString(QString::fromStdString(isoUtc), Qt::ISODate);
    return moment.isValid() ? moment.toLocalTime().date().toString(Qt::ISODate) : QString::fromStdString(isoUtc);
}

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmStatistics"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dakru - Statistics"));
    setAccessibleName(windowTitle());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kGround);
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    setAutoFillBackground(true);

    // Waiting has a look of its own: the axes' colour, in italics.
    waiting_ = true;
    showSentence(QStringLiteral("WaitingForHistory"), QStringLiteral("Waiting for the history of your games\u2026"));
    auto* waitingLine = findChild<QLabel*>(QStringLiteral("WaitingForHistory"));
    QFont italic = chartFont(10);
    italic.setItalic(true);
    waitingLine->setFont(italic);
    QPalette dim = waitingLine->palette();
    dim.setColor(QPalette::WindowText, kAxis);
    waitingLine->setPalette(dim);
}

StatisticsWindow::StatisticsWindow(const std::optional<std::vector<history::FinishedGame>>& games, QWidget* parent)
    : StatisticsWindow(parent)
{
    history::HistoryContents contents;
    if (games) {
        contents.games = *games;
    } else {
        contents.error = history::HistoryError{};
    }
    showHistory(contents);
}

QString StatisticsWindow::damagedLine(int damaged)
{
    return damaged == 1 ? QStringLiteral("1 damaged game not shown")
                        : QStringLiteral("%1 damaged games not shown").arg(damaged);
}

QString StatisticsWindow::sentenceFor(const history::HistoryContents& contents, int intactGames, int damagedGames)
{
    if (contents.error) {
        switch (contents.error->trouble) {
        case history::Trouble::Busy:
            return QStringLiteral(
                "The history of your games is busy: another copy of Dakru is writing it. Press F4 again in a moment.");
        case history::Trouble::Newer:
            return QStringLiteral(
                "The history of your games was written by a newer version of Dakru: this version leaves it as it is "
                "and shows no figures.");
        case history::Trouble::NoPermission:
            return QStringLiteral(
                "Dakru has no permission to read the history of your games, so there are no figures to show. It is "
                "left as it is.");
        case history::Trouble::NotAFile:
            return QStringLiteral(
                "Something that is not a file is in the place of the history of your games, so there are no figures "
                "to show. It is left as it is.");
        case history::Trouble::Damaged:
            return QStringLiteral(
                "The history of your games is damaged. It is put aside, and a new one started, when the next game is "
                "recorded.");
        default: return QStringLiteral("The history of your games cannot be opened, so there are no figures to show.");
        }
    }
    if (intactGames == 0 && damagedGames > 0) {
        return QStringLiteral("No game of your history can be shown: its values are damaged.");
    }
    return QStringLiteral("No game has been played to the end yet: your figures appear here after the first.");
}

void StatisticsWindow::showSentence(const QString& name, const QString& sentence)
{
    setFixedSize(kWidth / 2 + 60, 140);
    QLabel* shown = label(this, name, rect().adjusted(24, 0, -24, 0), sentence, chartFont(10), Qt::AlignCenter);
    shown->setWordWrap(true);
    shown->setAccessibleName(sentence);
    setAccessibleDescription(sentence);
}

void StatisticsWindow::showHistory(const history::HistoryContents& contents)
{
    if (!std::exchange(waiting_, false)) {
        return;
    }
    delete findChild<QLabel*>(QStringLiteral("WaitingForHistory"));
    history::CheckedGames games =
        history::checked(contents.error ? std::vector<history::FinishedGame>() : contents.games);
    if (games.intact.empty()) {
        showSentence(QStringLiteral("EmptyHistory"), sentenceFor(contents, 0, games.damaged));
        showDamaged(this, games.damaged, QRect(24, height() - 30, width() - 48, 24));
    } else {
        games_ = std::move(games.intact);
        damaged_ = games.damaged;
        setFixedSize(kWidth, kHeight);
        // The list, the tabs and the check box in the window's colours.
        QPalette colours = palette();
        colours.setColor(QPalette::Base, kGround.darker(130));
        colours.setColor(QPalette::AlternateBase, kGround);
        colours.setColor(QPalette::Text, kText);
        colours.setColor(QPalette::Button, kGround);
        colours.setColor(QPalette::ButtonText, kText);
        colours.setColor(QPalette::Highlight, kAxis);
        colours.setColor(QPalette::HighlightedText, Qt::white);
        setPalette(colours);

        pages_ = new QTabWidget(this);
        pages_->setObjectName(QStringLiteral("StatisticsPages"));
        pages_->setGeometry(rect());
        pages_->setFont(chartFont(9));
        pages_->setDocumentMode(true);
        aloneOnly_ = new QCheckBox(QStringLiteral("Games played alone only (A)"), pages_);
        aloneOnly_->setObjectName(QStringLiteral("AloneOnly"));
        aloneOnly_->setAccessibleName(QStringLiteral("Games played alone only"));
        aloneOnly_->setAccessibleDescription(
            QStringLiteral("The figures, plots, sheets, games and trend of the games you played alone, without the "
                           "games at a table."));
        pages_->setCornerWidget(aloneOnly_, Qt::TopRightCorner);
        connect(aloneOnly_, &QCheckBox::toggled, this,
                [this](bool alone) { showPlayers(alone ? history::Players::Alone : history::Players::All); });

        buildFigures();
        gamesPage_ = new GamesPage(games_, kPageHeight, pages_);
        pages_->addTab(gamesPage_, QStringLiteral("&Games and trend"));
        connect(gamesPage_, &GamesPage::reviewWanted, this, &StatisticsWindow::reviewWanted);
        if (bestButton_ != nullptr) {
            bestButton_->setFocus();
        }
    }
    // Made after the window may have been shown: shown with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->show();
    }
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatisticsWindow::showPlayers(history::Players players)
{
    if (pages_ == nullptr || players == players_) {
        return;
    }
    players_ = players;
    const QSignalBlocker quiet(aloneOnly_);
    aloneOnly_->setChecked(players == history::Players::Alone);
    const bool focusWasOnFigures = pages_->currentIndex() == 0;
    buildFigures();
    gamesPage_->showPlayers(players);
    if (focusWasOnFigures && bestButton_ != nullptr) {
        bestButton_->setFocus();
    }
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatisticsWindow::buildFigures()
{
    const int current = pages_->currentIndex();
    if (QWidget* before = pages_->widget(0); before != nullptr && before != gamesPage_) {
        pages_->removeTab(0);
        delete before;
    }
    sheet_ = nullptr;
    bestButton_ = nullptr;
    means_.reset();
    best_.reset();
    showingBest_ = false;

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FiguresPage"));
    const std::vector<history::FinishedGame> shown = history::gamesOf(games_, players_);
    if (const std::optional<history::Summary> summary = history::summarize(shown)) {
        showFigures(page, shown, *summary);
        setAccessibleDescription((players_ == history::Players::Alone ? QStringLiteral("Games played alone: %1")
                                                                      : QStringLiteral("Games played: %1"))
                                     .arg(summary->gamesPlayed));
    } else {
        const QString sentence =
            QStringLiteral("No game played alone has been played to the end yet: press A to show all games.");
        QLabel* shownLine = label(page, QStringLiteral("NoGamesAlone"), QRect(24, 0, kWidth - 48, kPageHeight / 2),
                                  sentence, chartFont(10), Qt::AlignCenter);
        shownLine->setWordWrap(true);
        shownLine->setAccessibleName(sentence);
        setAccessibleDescription(sentence);
    }
    showDamaged(page, damaged_, QRect(kRightLeft, kPageHeight - kMargin - 30, kRightWidth - 170, 30));
    pages_->insertTab(0, page, QStringLiteral("&Figures"));
    pages_->setCurrentIndex(std::max(current, 0));
}

void StatisticsWindow::showDamaged(QWidget* page, int damaged, const QRect& where)
{
    if (damaged == 0) {
        return;
    }
    const QString line = damagedLine(damaged);
    QLabel* shown = label(page, QStringLiteral("DamagedGames"), where, line, chartFont(9));
    shown->setAccessibleName(line);
}

void StatisticsWindow::showFigures(QWidget* page, const std::vector<history::FinishedGame>& games,
                                   const history::Summary& summary)
{
    const QString bestDay = localDay(summary.bestEndedAt);
    const std::pair<QString, QString> figures[] = {
        {QStringLiteral("Games played"), QString::number(summary.gamesPlayed)},
        {QStringLiteral("Mean score"), oneDecimal(summary.mean)},
        {QStringLiteral("Median score"), oneDecimal(summary.median)},
        {QStringLiteral("Standard deviation"), oneDecimal(summary.standardDeviation)},
        {QStringLiteral("Best score"), QStringLiteral("%1 on %2").arg(summary.bestScore).arg(bestDay)},
        {QStringLiteral("Mean of the last ten"), oneDecimal(summary.meanOfLastTen)},
    };
    const QStringList names{QStringLiteral("GamesPlayed"), QStringLiteral("MeanScore"),
                            QStringLiteral("MedianScore"), QStringLiteral("StandardDeviation"),
                            QStringLiteral("BestScore"),   QStringLiteral("MeanOfLastTen")};
    int top = kMargin;
    for (int i = 0; i < names.size(); ++i) {
        const auto& [caption, value] = figures[i];
        label(page, names[i] + QStringLiteral("Caption"), QRect(kMargin, top, 170, kFigureHeight), caption,
              chartFont(9));
        QLabel* shown = label(page, names[i], QRect(kMargin + 170, top, kLeftWidth - 170, kFigureHeight), value,
                              chartFont(9, true), Qt::AlignRight | Qt::AlignVCenter);
        shown->setAccessibleName(caption + QStringLiteral(": ") + value);
        top += kFigureHeight;
    }

    const std::vector<int> scores = history::scoresOf(games);
    const std::vector<double> average = history::movingAverage(scores, kAverageOver);
    auto* plot = new ScorePlot(std::vector<double>(scores.begin(), scores.end()), average, page);
    plot->setObjectName(QStringLiteral("ScorePlot"));
    plot->setGeometry(kRightLeft, kMargin, kRightWidth, 256);
    plot->setAccessibleName(QStringLiteral("Score of every game"));
    plot->setAccessibleDescription(
        QStringLiteral("%1 games, scores from %2 to %3; the mean of the last ten games is %4.")
            .arg(scores.size())
            .arg(*std::min_element(scores.begin(), scores.end()))
            .arg(summary.bestScore)
            .arg(oneDecimal(average.back())));

    const history::Histogram bins = history::histogram(scores, kHistogramBins);
    auto* histogram = new ScoreHistogram(bins, page);
    histogram->setObjectName(QStringLiteral("ScoreHistogram"));
    histogram->setGeometry(kRightLeft, kMargin + 266, kRightWidth, 224);
    histogram->setAccessibleName(QStringLiteral("Games by score"));
    QStringList bands;
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        if (bins.counts[i] > 0) {
            const long long from = bins.first + static_cast<long long>(i) * bins.width;
            bands << QStringLiteral("%1 to %2: %3").arg(from).arg(from + bins.width - 1).arg(bins.counts[i]);
        }
    }
    histogram->setAccessibleDescription(bands.join(QStringLiteral("; ")) + QLatin1Char('.'));

    means_ = SheetFigures::means(games);
    const history::FinishedGame& best = games[summary.bestIndex];
    best_ =
        SheetFigures::of(best, QStringLiteral("Best game: %1 on %2").arg(best.finalScore).arg(localDay(best.endedAt)));
    sheet_ = new SheetGrid(*means_, page);
    sheet_->setObjectName(QStringLiteral("SheetGrid"));
    sheet_->setGeometry(kMargin, top + 8, kLeftWidth, kPageHeight - top - 8 - kMargin);
    sheet_->setAccessibleName(means_->title);
    sheet_->setAccessibleDescription(means_->reading());

    bestButton_ = new QPushButton(QStringLiteral("Best game (B)"), page);
    bestButton_->setObjectName(QStringLiteral("BestGame"));
    bestButton_->setGeometry(kWidth - kMargin - 160, kPageHeight - kMargin - 30, 160, 30);
    bestButton_->setFont(chartFont(9));
    connect(bestButton_, &QPushButton::clicked, this, &StatisticsWindow::toggleBestGame);
}

void StatisticsWindow::toggleBestGame()
{
    if (sheet_ == nullptr) {
        return;
    }
    showingBest_ = !showingBest_;
    const SheetFigures& shown = showingBest_ ? *best_ : *means_;
    sheet_->showFigures(shown);
    sheet_->setAccessibleName(shown.title);
    sheet_->setAccessibleDescription(shown.reading());
    bestButton_->setText(showingBest_ ? QStringLiteral("Means (B)") : QStringLiteral("Best game (B)"));
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->key() == Qt::Key_B && event->modifiers() == Qt::NoModifier) {
        toggleBestGame();
    } else if (event->key() == Qt::Key_A && event->modifiers() == Qt::NoModifier && aloneOnly_ != nullptr) {
        aloneOnly_->toggle();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace dakru::ui::statistics
