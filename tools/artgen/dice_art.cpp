#include "dice_art.h"

#include "image_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <vector>

namespace dakru::art {

namespace {

struct Colours {
    QColor faceLight, faceDark, edge, pip, pipShade;
};

Colours coloursOf(DieLook look)
{
    switch (look) {
    case DieLook::Held: return {{236, 52, 56}, {168, 18, 32}, {112, 8, 20}, {255, 255, 255}, {214, 204, 204}};
    case DieLook::Blank: return {{236, 234, 228}, {190, 187, 180}, {150, 147, 142}, {}, {}};
    case DieLook::Released: break;
    }
    return {{255, 254, 248}, {214, 210, 200}, {168, 164, 156}, {34, 30, 64}, {8, 6, 22}};
}

// Pip centres of a real die on a grid from -1 to 1: opposite faces add up to
// seven, and two, three and six run corner to corner or in two columns.
std::vector<QPointF> pipGrid(int face)
{
    const QPointF c{0, 0}, tl{-1, -1}, tr{1, -1}, bl{-1, 1}, br{1, 1}, ml{-1, 0}, mr{1, 0};
    switch (face) {
    case 1: return {c};
    case 2: return {tr, bl};
    case 3: return {tr, c, bl};
    case 4: return {tl, tr, bl, br};
    case 5: return {tl, tr, c, bl, br};
    case 6: return {tl, tr, ml, mr, bl, br};
    default: return {};
    }
}

void paintShadow(QPainter& p, const QRectF& body, qreal radius)
{
    const qreal s = body.width();
    const QPointF offset{0.03 * s, 0.05 * s};
    constexpr int layers = 8;
    p.setPen(Qt::NoPen);
    for (int i = layers; i >= 1; --i) {
        const qreal grow = 0.075 * s * i / layers;
        p.setBrush(QColor(0, 0, 0, 26));
        p.drawRoundedRect(body.translated(offset).adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
}

void paintGlow(QPainter& p, const QRectF& body, qreal radius)
{
    const qreal s = body.width();
    constexpr int layers = 7;
    p.setPen(Qt::NoPen);
    for (int i = layers; i >= 1; --i) {
        const qreal grow = 0.075 * s * i / layers;
        p.setBrush(QColor(255, 196, 70, 34));
        p.drawRoundedRect(body.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
}

void paintPip(QPainter& p, QPointF centre, qreal r, const Colours& col)
{
    // A pip is a shallow dish: the light falls from the top left, so its upper
    // wall is in shadow and its lower rim catches a little light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(centre + QPointF(0.12 * r, 0.16 * r), r * 1.04, r * 1.04);
    QRadialGradient dish(centre + QPointF(0.3 * r, 0.35 * r), r * 1.35);
    dish.setColorAt(0.0, col.pip);
    dish.setColorAt(0.55, col.pip);
    dish.setColorAt(1.0, col.pipShade);
    p.setBrush(dish);
    p.drawEllipse(centre, r, r);
}

}  // namespace

void paintDie(QPainter& p, const QRectF& body, int face, DieLook look, qreal pipScale)
{
    const Colours col = coloursOf(look);
    const qreal s = body.width();
    const qreal radius = 0.2 * s;

    p.save();
    if (look == DieLook::Held)
        paintGlow(p, body, radius);
    else
        paintShadow(p, body, radius);

    // The rounded edges all round the die, darker than its flat top.
    QLinearGradient edge(body.topLeft(), body.bottomRight());
    edge.setColorAt(0.0, col.faceLight);
    edge.setColorAt(1.0, col.edge);
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawRoundedRect(body, radius, radius);

    // The flat top face, lit from the top left.
    const qreal inset = 0.06 * s;
    const QRectF top = body.adjusted(inset, inset, -inset, -inset);
    QLinearGradient light(top.topLeft(), top.bottomRight());
    light.setColorAt(0.0, col.faceLight);
    light.setColorAt(1.0, col.faceDark);
    p.setBrush(light);
    p.drawRoundedRect(top, radius * 0.8, radius * 0.8);

    // A gleam along the top-left edge.
    QPainterPath rim;
    rim.addRoundedRect(body.adjusted(0.02 * s, 0.02 * s, -0.02 * s, -0.02 * s), radius, radius);
    QLinearGradient gleam(body.topLeft(), body.center());
    gleam.setColorAt(0.0, QColor(255, 255, 255, 200));
    gleam.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gleam), 0.025 * s));
    p.drawPath(rim);

    if (look == DieLook::Held) {
        p.setPen(QPen(QColor(255, 214, 96), 0.035 * s));
        p.drawRoundedRect(body, radius, radius);
    }

    const qreal step = 0.27 * s;
    for (const QPointF& g : pipGrid(face))
        paintPip(p, body.center() + g * step, 0.092 * s * pipScale, col);
    p.restore();
}

QImage diePicture(int face, DieLook look, int scale)
{
    const QRectF body{3.0, 2.75, 36.0, 36.0};
    return renderSupersampled({kDieSize, kDieSize}, scale, 8, kTray,
                              [&](QPainter& p) { paintDie(p, body, face, look); })
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace dakru::art
