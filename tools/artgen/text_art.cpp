#include "text_art.h"

#include "image_util.h"
#include "palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dakru::art {

namespace {

constexpr int kSupersample = 4;

// The outline of `text` placed so that its capitals are centred on `centre`.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    // Centre on the cap height rather than the glyph box, so words with and
    // without descenders line up.
    const qreal capHeight = QFontMetricsF(font).capHeight();
    path.translate(centre.x() - box.center().x(), centre.y() + capHeight / 2);
    return path;
}

QImage layer(QSize size, int scale, const std::function<void(QPainter&)>& paint)
{
    return renderSupersampled(size, scale, kSupersample, Qt::transparent, paint);
}

QImage emptyLayer(QSize size, int scale)
{
    QImage out(size * scale, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    return out;
}

QImage tinted(const QImage& alphaSource, const QColor& colour)
{
    QImage out = alphaSource.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

}  // namespace

QFont titleFont(qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(true);
    return font;
}

QFont menuFont(qreal pixelSize, qreal letterSpacing)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

QImage glowingWord(QSize size, int scale, const QString& word, const QFont& font, QPointF centre, const QColor& colour,
                   const QColor& glowColour, int glowRadius)
{
    const QPainterPath path = centredText(word, font, centre);
    const QImage shape = layer(size, scale, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(path);
    });
    QImage out = emptyLayer(size, scale);
    QPainter p(&out);
    p.drawImage(0, 0, blurred(tinted(shape, glowColour), glowRadius * scale));
    p.drawImage(0, 0, tinted(shape, colour));
    return out;
}

QImage goldTitle(QSize size, int scale, const QString& text, const QFont& font, QPointF centre)
{
    const QPainterPath path = centredText(text, font, centre);
    const QRectF box = path.boundingRect();

    const QImage shape = layer(size, scale, [&](QPainter& p) {
        p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(path);
    });
    const QImage letters = layer(size, scale, [&](QPainter& p) {
        p.setPen(QPen(QColor(40, 18, 6), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        QLinearGradient gold(box.topLeft(), box.bottomLeft());
        gold.setColorAt(0.0, QColor(255, 246, 204));
        gold.setColorAt(0.45, kGoldLight);
        gold.setColorAt(0.55, kGoldDeep);
        gold.setColorAt(1.0, QColor(255, 200, 96));
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(path);
        // A fine light edge on the upper side of each letter.
        p.setPen(QPen(QColor(255, 255, 240, 120), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(0, -0.4));
    });

    QImage out = emptyLayer(size, scale);
    QPainter p(&out);
    p.drawImage(0, 0, blurred(tinted(shape, QColor(255, 170, 60, 150)), 9 * scale));
    p.drawImage(QPointF(2, 3) * scale, blurred(tinted(shape, QColor(0, 0, 0, 200)), 2 * scale));
    p.drawImage(0, 0, letters);
    return out;
}

}  // namespace dakru::art
