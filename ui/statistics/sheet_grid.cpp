#include "sheet_grid.h"

#include <QPainter>
#include <numeric>

#include "chart_style.h"
#include "sheet_captions.h"

namespace dakru::ui::statistics {
namespace {

// The sheet's lines from top to bottom: a scoring row (1 to 14), or the sum
// closing a section (-1 to -3).
constexpr std::array<int, 17> kLines{1, 2, 3, 4, 5, 6, -1, 7, 8, -2, 9, 10, 11, 12, 13, 14, -3};

const QColor kWeak{60, 20, 50};
const QColor kStrong{40, 160, 80};

QColor shade(double strength)
{
    const auto mix = [strength](int weak, int strong) { return weak + static_cast<int>((strong - weak) * strength); };
    return {mix(kWeak.red(), kStrong.red()), mix(kWeak.green(), kStrong.green()), mix(kWeak.blue(), kStrong.blue())};
}

}  // namespace

SheetFigures SheetFigures::means(const std::vector<history::FinishedGame>& games)
{
    SheetFigures figures;
    figures.title = QStringLiteral("Mean of each cell");
    figures.cells = history::cellMeans(games);
    figures.sums = history::sumMeans(games);
    const std::vector<int> scores = history::scoresOf(games);
    figures.score = games.empty() ? 0 : std::accumulate(scores.begin(), scores.end(), 0.0) / scores.size();
    figures.decimals = 1;
    return figures;
}

SheetFigures SheetFigures::of(const history::FinishedGame& game, const QString& title)
{
    SheetFigures figures;
    figures.title = title;
    for (int row = 1; row <= history::kRows; ++row) {
        for (int column = 0; column < history::kColumns; ++column) {
            figures.cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = game.cell(row, column);
        }
    }
    for (std::size_t section = 0; section < figures.sums.size(); ++section) {
        for (std::size_t column = 0; column < figures.sums[section].size(); ++column) {
            figures.sums[section][column] = game.sectionSums[section][column];
        }
    }
    figures.score = game.finalScore;
    return figures;
}

QString SheetFigures::reading() const
{
    QStringList lines{title + QLatin1Char('.')};
    const auto values = [this](const std::array<double, history::kColumns>& row) {
        QStringList parts;
        for (std::size_t column = 0; column < row.size(); ++column) {
            parts << columnCaption(kColumns[column]) + QLatin1Char(' ') + QString::number(row[column], 'f', decimals);
        }
        return parts.join(QStringLiteral(", "));
    };
    for (const int line : kLines) {
        if (line > 0) {
            lines << rowCaption(line) + QStringLiteral(": ") + values(cells[static_cast<std::size_t>(line - 1)])
                         + QLatin1Char('.');
        } else {
            lines << QStringLiteral("Equals: ") + values(sums[static_cast<std::size_t>(-line - 1)]) + QLatin1Char('.');
        }
    }
    lines << QStringLiteral("Score: ") + QString::number(score, 'f', decimals) + QLatin1Char('.');
    return lines.join(QLatin1Char('\n'));
}

SheetGrid::SheetGrid(SheetFigures figures, QWidget* parent) : QWidget(parent), figures_(std::move(figures)) {}

void SheetGrid::showFigures(SheetFigures figures)
{
    figures_ = std::move(figures);
    update();
}

void SheetGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFont plain = chartFont(8);
    const QFont bold = chartFont(8, true);
    painter.setFont(bold);
    painter.setPen(kText);
    const int lineCount = static_cast<int>(kLines.size()) + 3;  // title, headers, the lines, score
    const double rowHeight = static_cast<double>(height()) / lineCount;
    const double captionWidth = width() * 0.32;
    const double cellWidth = (width() - captionWidth) / history::kColumns;
    const auto cellRect = [&](int line, int column) {
        return QRectF(captionWidth + column * cellWidth, (line + 2) * rowHeight, cellWidth, rowHeight);
    };

    painter.drawText(QRectF(0, 0, width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter, figures_.title);
    for (int column = 0; column < history::kColumns; ++column) {
        painter.drawText(cellRect(-1, column), Qt::AlignCenter,
                         columnCaption(kColumns[static_cast<std::size_t>(column)]));
    }
    for (int line = 0; line < static_cast<int>(kLines.size()); ++line) {
        const int row = kLines[static_cast<std::size_t>(line)];
        const QRectF caption(0, (line + 2) * rowHeight, captionWidth - 4, rowHeight);
        painter.setPen(Qt::white);
        painter.setFont(row > 0 ? plain : bold);
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                         row > 0 ? rowCaption(row) : QStringLiteral("Equals"));
        for (int column = 0; column < history::kColumns; ++column) {
            const QRectF cell = cellRect(line, column);
            double value = 0;
            if (row > 0) {
                value = figures_.cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
                painter.fillRect(cell, shade(history::rowStrength(row, value)));
            } else {
                value = figures_.sums[static_cast<std::size_t>(-row - 1)][static_cast<std::size_t>(column)];
            }
            painter.setPen(QPen(kAxis, 1));
            painter.drawRect(cell);
            painter.setPen(row > 0 ? QColor(255, 255, 255) : QColor(255, 255, 192));
            painter.drawText(cell, Qt::AlignCenter, QString::number(value, 'f', figures_.decimals));
        }
    }
    const int scoreLine = static_cast<int>(kLines.size());
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, (scoreLine + 2) * rowHeight, captionWidth - 4, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Score"));
    painter.setPen(QColor(255, 255, 192));
    painter.drawText(cellRect(scoreLine, history::kColumns - 1), Qt::AlignCenter,
                     QString::number(figures_.score, 'f', figures_.decimals));
}

}  // namespace dakru::ui::statistics
