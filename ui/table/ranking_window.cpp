#include "ranking_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "chart_style.h"
#include "line_list.h"
#include "table_setup.h"

namespace dakru::ui::table {
namespace {

using statistics::chartFont;

constexpr int kWidth = 520;
constexpr int kMargin = 14;
constexpr int kHeadlineHeight = 40;
constexpr int kButtonHeight = 30;

QString points(int score)
{
    return QStringLiteral("%1 points").arg(score);
}

}  // namespace

QString RankingLine::reading() const
{
    return QStringLiteral("Place %1, %2, %3, %4").arg(place).arg(name, kind.toLower(), points(score));
}

std::vector<RankingLine> rankingLines(const std::vector<Seat>& seats, const std::vector<Placing>& ranking)
{
    std::vector<RankingLine> lines;
    for (const Placing& placing : ranking) {
        const auto seat = static_cast<std::size_t>(placing.seat);
        if (seat >= seats.size()) {
            continue;
        }
        const bool tied = !lines.empty() && lines.back().score == placing.score;
        lines.push_back({tied ? lines.back().place : static_cast<int>(lines.size()) + 1,
                         QString::fromStdString(seats[seat].name), kindText(seats[seat]), placing.score});
    }
    return lines;
}

QString winnerHeadline(const std::vector<RankingLine>& lines)
{
    QStringList winners;
    for (const RankingLine& line : lines) {
        if (line.place == 1) {
            winners << line.name;
        }
    }
    if (winners.isEmpty()) {
        return {};
    }
    if (winners.size() == 1) {
        return QStringLiteral("%1 wins with %2.").arg(winners.front(), points(lines.front().score));
    }
    const QString last = winners.takeLast();
    return QStringLiteral("%1 and %2 share first place with %3.")
        .arg(winners.join(QStringLiteral(", ")), last, points(lines.front().score));
}

RankingWindow::RankingWindow(const std::vector<Seat>& seats, const std::vector<Placing>& ranking, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmRanking"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dakru - Ranking"));
    setAccessibleName(windowTitle());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, statistics::kGround);
    colours.setColor(QPalette::WindowText, statistics::kText);
    setPalette(colours);
    setAutoFillBackground(true);

    const std::vector<RankingLine> lines = rankingLines(seats, ranking);
    auto* headline = new QLabel(winnerHeadline(lines), this);
    headline->setObjectName(QStringLiteral("Headline"));
    headline->setFont(chartFont(13, true));
    headline->setStyleSheet(QStringLiteral("color: %1").arg(statistics::kAverage.name()));
    headline->setAccessibleName(headline->text());
    // Winners that share first place may take more than a line.
    headline->setWordWrap(true);
    const int headlineHeight = std::max(kHeadlineHeight, headline->heightForWidth(kWidth - 2 * kMargin));
    headline->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, headlineHeight);

    auto* list = new LineList({{QStringLiteral("Place"), 0.14, Qt::AlignRight},
                               {QStringLiteral("Player"), 0.36, Qt::AlignLeft},
                               {QStringLiteral("Kind"), 0.32, Qt::AlignLeft},
                               {QStringLiteral("Score"), 0.18, Qt::AlignRight}},
                              this);
    list->setObjectName(QStringLiteral("Ranking"));
    list->setAccessibleName(QStringLiteral("Ranking"));
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const RankingLine& line = lines[static_cast<std::size_t>(i)];
        list->setLine(i, {QString::number(line.place), line.name, line.kind, QString::number(line.score)},
                      line.reading(), line.place == 1);
    }
    const int listTop = kMargin + headlineHeight + 8;
    list->setGeometry(kMargin, listTop, kWidth - 2 * kMargin, list->heightFor(static_cast<int>(lines.size())));
    list->setCurrentRow(0);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setFont(chartFont(9));
    const int buttonTop = list->geometry().bottom() + 14;
    ok->setGeometry(kWidth - kMargin - 100, buttonTop, 100, kButtonHeight);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(kWidth, buttonTop + kButtonHeight + kMargin);
    list->setFocus();
}

void RankingWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: close(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void RankingWindow::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}

}  // namespace dakru::ui::table
