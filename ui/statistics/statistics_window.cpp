#include "statistics_window.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "chart_style.h"
#include "score_histogram.h"
#include "score_plot.h"

namespace dakru::ui::statistics {
namespace {

constexpr int kWidth = 780;
constexpr int kHeight = 590;
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

StatisticsWindow::StatisticsWindow(const std::optional<std::vector<history::FinishedGame>>& games, QWidget* parent)
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

    const std::optional<history::Summary> summary = games ? history::summarize(*games) : std::nullopt;
    if (!summary) {
        setFixedSize(kWidth / 2 + 60, 140);
        const QString sentence =
            games ? QStringLiteral("No game has been played to the end yet: your figures appear here after the first.")
                  : QStringLiteral("The history of your games cannot be opened, so there are no figures to show.");
        QLabel* empty = label(this, QStringLiteral("EmptyHistory"), rect().adjusted(24, 0, -24, 0), sentence,
                              chartFont(10), Qt::AlignCenter);
        empty->setWordWrap(true);
        empty->setAccessibleName(sentence);
        return;
    }
    setFixedSize(kWidth, kHeight);
    showFigures(*games, *summary);
}

void StatisticsWindow::showFigures(const std::vector<history::FinishedGame>& games, const history::Summary& summary)
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
        label(this, names[i] + QStringLiteral("Caption"), QRect(kMargin, top, 170, kFigureHeight), caption,
              chartFont(9));
        QLabel* shown = label(this, names[i], QRect(kMargin + 170, top, kLeftWidth - 170, kFigureHeight), value,
                              chartFont(9, true), Qt::AlignRight | Qt::AlignVCenter);
        shown->setAccessibleName(caption + QStringLiteral(": ") + value);
        top += kFigureHeight;
    }

    const std::vector<int> scores = history::scoresOf(games);
    const std::vector<double> average = history::movingAverage(scores, kAverageOver);
    auto* plot = new ScorePlot(scores, average, this);
    plot->setObjectName(QStringLiteral("ScorePlot"));
    plot->setGeometry(kRightLeft, kMargin, kRightWidth, 270);
    plot->setAccessibleName(QStringLiteral("Score of every game"));
    plot->setAccessibleDescription(
        QStringLiteral("%1 games, scores from %2 to %3; the mean of the last ten games is %4.")
            .arg(scores.size())
            .arg(*std::min_element(scores.begin(), scores.end()))
            .arg(summary.bestScore)
            .arg(oneDecimal(average.back())));

    const history::Histogram bins = history::histogram(scores, kHistogramBins);
    auto* histogram = new ScoreHistogram(bins, this);
    histogram->setObjectName(QStringLiteral("ScoreHistogram"));
    histogram->setGeometry(kRightLeft, kMargin + 282, kRightWidth, 240);
    histogram->setAccessibleName(QStringLiteral("Games by score"));
    QStringList bands;
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        if (bins.counts[i] > 0) {
            const int from = bins.first + static_cast<int>(i) * bins.width;
            bands << QStringLiteral("%1 to %2: %3").arg(from).arg(from + bins.width - 1).arg(bins.counts[i]);
        }
    }
    histogram->setAccessibleDescription(bands.join(QStringLiteral("; ")) + QLatin1Char('.'));

    means_ = SheetFigures::means(games);
    const history::FinishedGame& best = games[summary.bestIndex];
    best_ =
        SheetFigures::of(best, QStringLiteral("Best game: %1 on %2").arg(best.finalScore).arg(localDay(best.endedAt)));
    sheet_ = new SheetGrid(*means_, this);
    sheet_->setObjectName(QStringLiteral("SheetGrid"));
    sheet_->setGeometry(kMargin, top + 8, kLeftWidth, kHeight - top - 8 - kMargin);
    sheet_->setAccessibleName(means_->title);
    sheet_->setAccessibleDescription(means_->reading());

    bestButton_ = new QPushButton(QStringLiteral("Best game (B)"), this);
    bestButton_->setObjectName(QStringLiteral("BestGame"));
    bestButton_->setGeometry(kWidth - kMargin - 160, kHeight - kMargin - 30, 160, 30);
    bestButton_->setFont(chartFont(9));
    connect(bestButton_, &QPushButton::clicked, this, &StatisticsWindow::toggleBestGame);
    bestButton_->setFocus();
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
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace dakru::ui::statistics
