#include "table_sheet.h"

#include <QPainter>
#include <QStringList>
#include <array>

#include "chart_style.h"
#include "readings.h"
#include "sheet_captions.h"

namespace dakru::ui::table {
namespace {

using statistics::chartFont;

// The sheet's lines from top to bottom: a scoring row (1 to 14), or the sum
// closing a section (-1 to -3).
constexpr std::array<int, 17> kLines{1, 2, 3, 4, 5, 6, -1, 7, 8, -2, 9, 10, 11, 12, 13, 14, -3};

const QColor kWritten{48, 38, 140};
const QColor kSum{255, 255, 192};

const Cell& cellAt(const Sheet& cells, Column column, int row)
{
    return cells[static_cast<std::size_t>(index(column))][static_cast<std::size_t>(row - 1)];
}

int sumAt(const Totals& totals, int section, Column column)
{
    return totals.sums[static_cast<std::size_t>(section)][static_cast<std::size_t>(index(column))];
}

QString sectionWord(int section)
{
    static const std::array<QString, kSectionCount> words{QStringLiteral("Upper"), QStringLiteral("Middle"),
                                                          QStringLiteral("Lower")};
    return words[static_cast<std::size_t>(section)];
}

}  // namespace

TableSheet::TableSheet(QWidget* parent) : QWidget(parent)
{
    // Reached by Tab, so that a screen reader reads it out.
    setFocusPolicy(Qt::TabFocus);
}

void TableSheet::showSheet(const QString& player, const Sheet& cells)
{
    player_ = player;
    cells_ = cells;
    totals_ = computeTotals(cells);
    setAccessibleName(QStringLiteral("Sheet of ") + player_);
    setAccessibleDescription(reading());
    update();
}

QString TableSheet::reading() const
{
    QStringList lines{QStringLiteral("%1: score %2.").arg(player_).arg(totals_.grandTotal)};
    for (const int line : kLines) {
        QStringList parts;
        for (const Column column : kColumns) {
            const std::optional<int> value =
                line > 0 ? cellAt(cells_, column, line).value : std::optional(sumAt(totals_, -line - 1, column));
            parts << columnWord(column) + QLatin1Char(' ')
                         + (value ? QString::number(*value) : QStringLiteral("empty"));
        }
        if (line > 0) {
            lines << rowWord(line) + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + QLatin1Char('.');
        } else {
            const int section = -line - 1;
            lines << sectionWord(section) + QStringLiteral(" sums: ") + parts.join(QStringLiteral(", "))
                         + QStringLiteral("; total ")
                         + QString::number(totals_.sectionTotals[static_cast<std::size_t>(section)]) + QLatin1Char('.');
        }
    }
    lines << QStringLiteral("Score: %1.").arg(totals_.grandTotal);
    return lines.join(QLatin1Char('\n'));
}

void TableSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), statistics::kGround);
    const QFont plain = chartFont(9);
    const QFont bold = chartFont(9, true);
    const int lineCount = static_cast<int>(kLines.size()) + 3;  // title, headers, the lines, score
    const double rowHeight = static_cast<double>(height()) / lineCount;
    const double captionWidth = width() * 0.3;
    const double cellWidth = (width() - captionWidth - 1) / kColumnCount;
    const auto cellRect = [&](int line, int column) {
        return QRectF(captionWidth + column * cellWidth, (line + 2) * rowHeight, cellWidth, rowHeight);
    };

    painter.setFont(chartFont(10, true));
    painter.setPen(statistics::kAverage);
    painter.drawText(QRectF(0, 0, width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter, player_);
    painter.setFont(bold);
    painter.setPen(statistics::kText);
    for (int column = 0; column < kColumnCount; ++column) {
        painter.drawText(cellRect(-1, column), Qt::AlignCenter,
                         columnCaption(kColumns[static_cast<std::size_t>(column)]));
    }
    for (int line = 0; line < static_cast<int>(kLines.size()); ++line) {
        const int row = kLines[static_cast<std::size_t>(line)];
        painter.setPen(Qt::white);
        painter.setFont(row > 0 ? plain : bold);
        painter.drawText(QRectF(0, (line + 2) * rowHeight, captionWidth - 4, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, row > 0 ? rowCaption(row) : QStringLiteral("Equals"));
        for (int column = 0; column < kColumnCount; ++column) {
            const Column which = kColumns[static_cast<std::size_t>(column)];
            const QRectF cell = cellRect(line, column);
            const std::optional<int> value =
                row > 0 ? cellAt(cells_, which, row).value : std::optional(sumAt(totals_, -row - 1, which));
            if (row > 0 && value) {
                painter.fillRect(cell, kWritten);
            }
            painter.setPen(QPen(statistics::kAxis, 1));
            painter.drawRect(cell);
            if (value) {
                painter.setPen(row > 0 ? QColor(Qt::white) : kSum);
                painter.drawText(cell, Qt::AlignCenter, QString::number(*value));
            }
        }
    }
    const int scoreLine = static_cast<int>(kLines.size());
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, (scoreLine + 2) * rowHeight, captionWidth - 4, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Score"));
    painter.setPen(kSum);
    painter.drawText(cellRect(scoreLine, kColumnCount - 1), Qt::AlignCenter, QString::number(totals_.grandTotal));
}

}  // namespace dakru::ui::table
