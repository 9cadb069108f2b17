#include "position_sheet.h"

#include <QPainter>
#include <QStringList>
#include <array>

#include "review_style.h"
#include "sheet_captions.h"
#include "totals.h"

namespace dakru::ui::coach {
namespace {

// The sheet's lines from top to bottom: a scoring row (1 to 14), or the sum
// closing a section (-1 to -3).
constexpr std::array<int, 17> kLines{1, 2, 3, 4, 5, 6, -1, 7, 8, -2, 9, 10, 11, 12, 13, 14, -3};
constexpr int kTopLines = 2;  // the title and the column headers
// Below the sheet: the score, then one line of legend for each frame.
constexpr int kLineCount = kTopLines + static_cast<int>(kLines.size()) + 3;

const QColor kCellText{192, 255, 192};
const QColor kBorder{128, 128, 128};

int lineOfRow(int row)
{
    for (int line = 0; line < static_cast<int>(kLines.size()); ++line) {
        if (kLines[static_cast<std::size_t>(line)] == row) {
            return line;
        }
    }
    return 0;
}

QString placeText(const SheetPlace& place)
{
    return columnCaption(place.column) + QStringLiteral(", ") + rowCaption(place.row);
}

}  // namespace

QString MarkedSheet::reading() const
{
    QStringList lines{QStringLiteral("The sheet as you saw it.")};
    for (int row = 1; row <= kRowCount; ++row) {
        QStringList parts;
        for (const Column column : kColumns) {
            const Cell& cell = cells[index(column)][row - 1];
            parts << columnCaption(column) + QLatin1Char(' ')
                         + (cell.value    ? QString::number(*cell.value)
                            : cell.marked ? QStringLiteral("empty, may be written")
                                          : QStringLiteral("empty"));
        }
        lines << rowCaption(row) + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    lines << QStringLiteral("Score: %1.").arg(computeTotals(cells).grandTotal);
    if (player) {
        lines << QStringLiteral("Framed in red, %1: %2.").arg(playerMeaning, placeText(*player));
    }
    if (advisor) {
        lines << QStringLiteral("Framed in blue, %1: %2.").arg(advisorMeaning, placeText(*advisor));
    }
    return lines.join(QLatin1Char('\n'));
}

PositionSheet::PositionSheet(QWidget* parent) : QWidget(parent) {}

void PositionSheet::showSheet(MarkedSheet sheet)
{
    sheet_ = std::move(sheet);
    update();
}

int PositionSheet::lineHeight() const
{
    return height() / kLineCount;
}

int PositionSheet::captionWidth() const
{
    return width() - kColumnCount * cellWidth();
}

int PositionSheet::cellWidth() const
{
    return width() * 17 / 100;
}

QRect PositionSheet::lineCell(int line, int column) const
{
    return {captionWidth() + column * cellWidth(), (line + kTopLines) * lineHeight(), cellWidth(), lineHeight()};
}

QRect PositionSheet::cellRect(Column column, int row) const
{
    return lineCell(lineOfRow(row), index(column));
}

void PositionSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFont plain = reviewFont(8);
    const QFont bold = reviewFont(8, true);
    const int lineH = lineHeight();
    const Totals totals = computeTotals(sheet_.cells);

    painter.setFont(bold);
    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), lineH), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("The sheet as you saw it"));
    for (int column = 0; column < kColumnCount; ++column) {
        painter.drawText(lineCell(-1, column), Qt::AlignCenter,
                         columnCaption(kColumns[static_cast<std::size_t>(column)]));
    }
    for (int line = 0; line < static_cast<int>(kLines.size()); ++line) {
        const int row = kLines[static_cast<std::size_t>(line)];
        painter.setPen(Qt::white);
        painter.setFont(row > 0 ? plain : bold);
        painter.drawText(QRect(0, (line + kTopLines) * lineH, captionWidth() - 4, lineH),
                         Qt::AlignLeft | Qt::AlignVCenter, row > 0 ? rowCaption(row) : QStringLiteral("Equals"));
        for (int column = 0; column < kColumnCount; ++column) {
            const QRect cell = lineCell(line, column);
            QString text;
            if (row > 0) {
                const Cell& c = sheet_.cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)];
                painter.fillRect(cell, c.marked ? QColor(Qt::yellow) : QColor(Qt::black));
                text = c.value ? QString::number(*c.value) : QString();
                painter.setPen(kCellText);
            } else {
                text =
                    QString::number(totals.sums[static_cast<std::size_t>(-row - 1)][static_cast<std::size_t>(column)]);
                painter.setPen(kValue);
            }
            painter.drawText(cell, Qt::AlignCenter, text);
            painter.setPen(QPen(kBorder, 1));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    const int scoreLine = static_cast<int>(kLines.size());
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, (scoreLine + kTopLines) * lineH, captionWidth() - 4, lineH),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Score"));
    painter.setPen(kValue);
    painter.drawText(lineCell(scoreLine, kColumnCount - 1), Qt::AlignCenter, QString::number(totals.grandTotal));

    // The frames, two pixels wide inside the cell; the advisor's inside the
    // player's where both chose the same cell.
    const auto frame = [&](const SheetPlace& place, const QColor& colour, int inset) {
        painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRectF(cellRect(place.column, place.row)).adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1));
    };
    const auto legend = [&](int line, const QColor& colour, const QString& meaning) {
        const int top = (scoreLine + kTopLines + line) * lineH;
        painter.setPen(QPen(colour, 2));
        painter.drawRect(QRect(2, top + lineH / 4, lineH, lineH / 2));
        painter.setPen(kText);
        painter.setFont(plain);
        painter.drawText(QRect(lineH + 8, top, width() - lineH - 8, lineH), Qt::AlignLeft | Qt::AlignVCenter, meaning);
    };
    int legendLine = 1;
    if (sheet_.player) {
        frame(*sheet_.player, kPlayerMark, 0);
        legend(legendLine++, kPlayerMark, sheet_.playerMeaning);
    }
    if (sheet_.advisor) {
        frame(*sheet_.advisor, kAdvisorMark, sheet_.advisor == sheet_.player ? 3 : 0);
        legend(legendLine, kAdvisorMark, sheet_.advisorMeaning);
    }
}

}  // namespace dakru::ui::coach
