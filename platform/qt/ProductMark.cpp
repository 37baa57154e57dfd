#include "platform/qt/ProductMark.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quillmark::qt {

namespace {

const QColor kBlue(0x2F, 0x6F, 0xDE);
const QColor kDark(0x1F, 0x29, 0x37);

void DrawTile(QPainter& painter, const QRectF& area) {
    QLinearGradient fill(area.topLeft(), area.bottomRight());
    fill.setColorAt(0, QColor(0xF4, 0xF7, 0xFC));
    fill.setColorAt(1, QColor(0xDC, 0xE6, 0xF6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(area, area.width() * 0.18, area.height() * 0.18);
}

void DrawGlobe(QPainter& painter, const QPointF& centre, qreal radius) {
    painter.setBrush(kBlue);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, radius, radius);
    QPen line(QColor(255, 255, 255, 200), radius * 0.07);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.45, radius);
    painter.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    for (const qreal y : {-0.5, 0.0, 0.5}) {
        const qreal half = radius * std::sqrt(1.0 - y * y);
        painter.drawLine(QPointF(centre.x() - half, centre.y() + y * radius),
                         QPointF(centre.x() + half, centre.y() + y * radius));
    }
}

// A nib pointing down-left, its tip on the globe.
void DrawNib(QPainter& painter, const QRectF& area) {
    const qreal s = area.width();
    const QPointF o = area.topLeft();
    QPainterPath nib;
    nib.moveTo(o + QPointF(0.42 * s, 0.60 * s));
    nib.lineTo(o + QPointF(0.78 * s, 0.16 * s));
    nib.quadTo(o + QPointF(0.90 * s, 0.12 * s), o + QPointF(0.86 * s, 0.26 * s));
    nib.closeSubpath();
    painter.setPen(QPen(Qt::white, s * 0.02));
    painter.setBrush(kDark);
    painter.drawPath(nib);
    painter.setPen(QPen(Qt::white, s * 0.015));
    painter.drawLine(o + QPointF(0.47 * s, 0.53 * s), o + QPointF(0.79 * s, 0.21 * s));
}

}  // namespace

QPixmap ProductMark(int side) {
    QPixmap mark(side, side);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, side, side);
    DrawTile(painter, area.adjusted(side * 0.02, side * 0.02, -side * 0.02, -side * 0.02));
    DrawGlobe(painter, QPointF(side * 0.42, side * 0.60), side * 0.28);
    DrawNib(painter, area);
    return mark;
}

QIcon ProductIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(ProductMark(side));
    return icon;
}

}  // namespace quillmark::qt
