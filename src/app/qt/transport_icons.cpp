#include "app/qt/transport_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kestrova {

namespace {

// Glyphs on a 16 x 16 grid, scaled to the pixmap.
void triangle(QPainterPath& p, qreal left, qreal right, bool pointing_right) {
    const qreal tip = pointing_right ? right : left;
    const qreal base = pointing_right ? left : right;
    p.moveTo(base, 3);
    p.lineTo(tip, 8);
    p.lineTo(base, 13);
    p.closeSubpath();
}

QPainterPath glyph_path(TransportGlyph g) {
    QPainterPath p;
    switch (g) {
    case TransportGlyph::run:
        triangle(p, 4, 13, true);
        break;
    case TransportGlyph::stop:
        p.addRect(4, 4, 8, 8);
        break;
    case TransportGlyph::loop:
    case TransportGlyph::curve:
        break;  // stroked below
    case TransportGlyph::start:
        p.addRect(3, 3, 2, 10);
        triangle(p, 5, 13, false);
        break;
    case TransportGlyph::step_back:
        triangle(p, 1, 8, false);
        triangle(p, 8, 15, false);
        break;
    case TransportGlyph::step:
        triangle(p, 1, 8, true);
        triangle(p, 8, 15, true);
        break;
    case TransportGlyph::end:
        triangle(p, 3, 11, true);
        p.addRect(11, 3, 2, 10);
        break;
    case TransportGlyph::frame:
        p.addRect(2, 7, 7, 2);
        triangle(p, 9, 14, true);
        break;
    }
    return p;
}

QPixmap draw(TransportGlyph g, const QColor& colour, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    if (g == TransportGlyph::curve) {
        QPainterPath curve;
        curve.moveTo(2, 13);
        curve.cubicTo(4, 1, 12, 15, 14, 3);
        painter.strokePath(curve, QPen(colour, 1.8));
        return pm;
    }
    if (g == TransportGlyph::loop) {
        painter.setPen(QPen(colour, 1.8));
        painter.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
        QPainterPath head;
        head.moveTo(8, 0.5);
        head.lineTo(11.5, 3);
        head.lineTo(8, 5.5);
        head.closeSubpath();
        painter.fillPath(head, colour);
        return pm;
    }
    painter.fillPath(glyph_path(g), colour);
    return pm;
}

}  // namespace

QIcon drawn_icon(TransportGlyph glyph, const QColor& colour) {
    QIcon icon;
    for (int size : {16, 24, 32}) icon.addPixmap(draw(glyph, colour, size));
    return icon;
}

}  // namespace kestrova
