#include "contact_sheet.h"

#include "cover_art.h"
#include "highscore_art.h"
#include "icon_art.h"

#include <QDir>
#include <QFont>
#include <QPainter>

#include <array>
#include <map>

namespace dakru::art {

namespace {

constexpr int kGap = 24;
const QColor kGrey{58, 58, 64};
const QColor kOutline{0, 255, 200};
const QColor kKeepCalm{255, 80, 160};

struct Pictures {
    QImage cover, highScores;
    std::map<QString, QImage> dice;
    std::vector<QImage> icons;
};

QStringList dieNames()
{
    QStringList names{QStringLiteral("d")};
    for (int face = 1; face <= 6; ++face)
        names << QStringLiteral("d%1").arg(face);
    for (int face = 1; face <= 6; ++face)
        names << QStringLiteral("d%1s").arg(face);
    return names;
}

std::optional<Pictures> load(const QString& assetsDir, QString& error)
{
    const QDir dir(assetsDir);
    Pictures pics;
    const auto read = [&](const QString& relative, QImage& into) {
        into = QImage(dir.filePath(relative));
        if (into.isNull())
            error = QStringLiteral("cannot read %1").arg(dir.filePath(relative));
        return !into.isNull();
    };
    if (!read(QStringLiteral("Pictures/Cover.jpg"), pics.cover)
        || !read(QStringLiteral("Pictures/HighScores.jpg"), pics.highScores))
        return std::nullopt;
    for (const QString& name : dieNames())
        if (!read(QStringLiteral("Pictures/%1.jpg").arg(name), pics.dice[name]))
            return std::nullopt;
    for (const int size : kIconSizes) {
        QImage icon;
        if (!read(QStringLiteral("icons/dakru-%1.png").arg(size), icon))
            return std::nullopt;
        pics.icons.push_back(icon);
    }
    return pics;
}

void caption(QPainter& p, QPoint at, const QString& text)
{
    p.setPen(QColor(230, 230, 230));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.drawText(at, text);
}

QImage coverWithHotSpots(const Pictures& pics)
{
    QImage out = pics.cover.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.setBrush(Qt::NoBrush);
    p.setPen(kOutline);
    for (const MenuWord& w : kMenuWords)
        p.drawRect(w.hotSpot.adjusted(0, 0, -1, -1));
    p.setPen(QPen(kKeepCalm, 1, Qt::DotLine));
    for (int i = 0; i < 5; ++i)
        p.drawRect(diceSlot(i).adjusted(0, 0, -1, -1));
    p.drawRect(kRollCounter.adjusted(0, 0, -1, -1));
    p.drawRect(kSheetArea.adjusted(0, 0, -1, -1));
    return out;
}

// The cover behind a rough copy of the score sheet, with dice and a hover frame.
QImage coverInPlay(const Pictures& pics)
{
    QImage out = pics.cover.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    QFont bold = small;
    bold.setBold(true);
    bold.setPixelSize(12);

    const std::array<const char*, 18> rows{"1",
                                           "2",
                                           "3",
                                           "4",
                                           "5",
                                           "6",
                                           "Equals",
                                           "Minimum",
                                           "Maximum",
                                           "Equals",
                                           "3 of kind",
                                           "Small Straight",
                                           "Large Straight",
                                           "Full house",
                                           "Poker",
                                           "Dakru",
                                           "Equals",
                                           ""};
    const std::array<const char*, 5> heads{"Down", "Down\\Up", "Up", "Call", "Total"};
    p.setPen(Qt::white);
    p.setFont(bold);
    p.drawText(QRect(8, 112, 57, 17), Qt::AlignHCenter, QStringLiteral("Dakru"));
    p.setFont(small);
    for (int c = 0; c < 5; ++c)
        p.drawText(QRect(64 + 56 * c, 112, 57, 17), Qt::AlignHCenter, QString::fromLatin1(heads[c]));
    for (int r = 0; r < 17; ++r) {
        const int y = 128 + 16 * r;
        const QString name = QString::fromLatin1(rows[r]);
        const bool sum = name == QLatin1String("Equals");
        const bool wide = name.size() > 9;
        p.setPen(Qt::white);
        p.setFont(sum ? bold : small);
        p.drawText(wide ? QRect(0, y, 73, 17) : QRect(8, y, 57, 17), Qt::AlignHCenter, name);
        for (int c = 0; c < 4; ++c) {
            const QRect cell(64 + 56 * c, y, 57, 17);
            if (sum) {
                p.setPen(QColor(255, 255, 192));
                p.setBrush(Qt::NoBrush);
                p.drawRect(cell.adjusted(0, 0, -1, -1));
                p.drawText(cell, Qt::AlignHCenter, QString::number(40 + 7 * c + r));
                continue;
            }
            const bool marked = c == 1 && r % 3 == 0;
            p.setPen(QColor(128, 128, 128));
            p.setBrush(marked ? QColor(255, 255, 0) : QColor(0, 0, 0));
            p.drawRect(cell.adjusted(0, 0, -1, -1));
            if ((r + c) % 3 == 0) {
                p.setPen(QColor(192, 255, 192));
                p.drawText(cell, Qt::AlignHCenter, QString::number((r + 1) * (c + 2)));
            }
        }
    }
    p.setPen(Qt::white);
    p.setFont(bold);
    p.drawText(QRect(232, 400, 57, 17), Qt::AlignHCenter, QStringLiteral("Score"));
    p.setPen(QColor(255, 255, 128));
    p.drawText(QRect(64, 400, 169, 17), Qt::AlignHCenter, QStringLiteral("Call: 3 of kind"));
    p.setFont(small);
    p.drawText(kRollCounter, Qt::AlignHCenter, QStringLiteral("2"));

    const std::array<const char*, 5> shown{"d3", "d5s", "d5s", "d1", "d6"};
    for (int i = 0; i < 5; ++i)
        p.drawImage(diceSlot(i).topLeft(), pics.dice.at(QString::fromLatin1(shown[i])));

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(124, 111, 244));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kMenuWords[0].hotSpot).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    return out;
}

QImage highScoresInUse(const Pictures& pics)
{
    QImage out = pics.highScores.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QColor(192, 192, 255));
    const std::array<const char*, 10> names{"Ann", "Marko", "Lea",  "Ivan",  "Petra",
                                            "Tom", "Sara",  "Nina", "Goran", "Ema"};
    for (int i = 0; i < 10; ++i)
        p.drawText(
            entryRow(i), Qt::AlignLeft | Qt::AlignTop,
            QStringLiteral("%1 - %2").arg(980 - 37 * i, 4, 10, QLatin1Char('0')).arg(QString::fromLatin1(names[i])));
    p.setPen(QPen(kOutline, 1, Qt::DotLine));
    p.drawRect(kCloseArea.adjusted(0, 0, -1, -1));
    return out;
}

QImage diceBoard(const Pictures& pics, int zoom)
{
    const QStringList names = dieNames();
    const int cell = 42 * zoom + 8;
    QImage out(7 * cell, 2 * cell, QImage::Format_RGB32);
    out.fill(kGrey);
    QPainter p(&out);
    for (int i = 0; i < names.size(); ++i) {
        const int col = i == 0 ? 0 : (i - 1) % 6 + 1;
        const int row = i == 0 ? 0 : (i - 1) / 6;
        const QImage& die = pics.dice.at(names[i]);
        p.drawImage(QRect(col * cell + 4, row * cell + 4, 42 * zoom, 42 * zoom), die);
    }
    return out;
}

}  // namespace

std::optional<QImage> contactSheet(const QString& assetsDir, QString& error)
{
    const auto pics = load(assetsDir, error);
    if (!pics)
        return std::nullopt;

    const QImage panels[] = {coverWithHotSpots(*pics), coverInPlay(*pics)};
    const QImage scores = highScoresInUse(*pics);
    const QImage diceActual = diceBoard(*pics, 1);
    const QImage diceLarge = diceBoard(*pics, 3);

    const int width = kGap * 5 + 2 * kCoverSize.width() + std::max(scores.width(), diceLarge.width());
    const int height = kGap * 2 + 16 + kCoverSize.height() + kGap + 256 + 16;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kGrey);
    QPainter p(&sheet);

    int x = kGap;
    const int top = kGap + 16;
    caption(p, {x, top - 6}, QStringLiteral("Cover.jpg: hot spots, dice, counter, sheet area"));
    p.drawImage(x, top, panels[0]);
    x += kCoverSize.width() + kGap;
    caption(p, {x, top - 6}, QStringLiteral("in play (mock sheet)"));
    p.drawImage(x, top, panels[1]);
    x += kCoverSize.width() + kGap;

    caption(p, {x, top - 6}, QStringLiteral("dice: d, d1-d6, d1s-d6s"));
    p.drawImage(x, top, diceActual);
    p.drawImage(x, top + diceActual.height() + 8, diceLarge);
    const int scoresTop = top + diceActual.height() + diceLarge.height() + kGap + 16;
    caption(p, {x, scoresTop - 6}, QStringLiteral("HighScores.jpg with mock entries"));
    p.drawImage(x, scoresTop, scores);
    caption(p, {x + scores.width() + kGap, scoresTop - 6}, QStringLiteral("icons"));
    int iconX = x + scores.width() + kGap;
    int iconY = scoresTop;
    for (const QImage& icon : pics->icons) {
        if (icon.width() > 64)
            continue;
        p.drawImage(iconX, iconY, icon);
        iconY += icon.height() + 8;
    }

    int bigX = kGap;
    const int bigY = top + kCoverSize.height() + kGap;
    for (const QImage& icon : pics->icons) {
        if (icon.width() <= 64 || icon.width() > 256)
            continue;
        p.drawImage(bigX, bigY, icon);
        bigX += icon.width() + kGap;
    }
    return sheet;
}

}  // namespace dakru::art
