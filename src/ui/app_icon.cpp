#include "ui/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace nalvic {
namespace {

constexpr int kSize = 128;

// A sheet of text over a teal tile, with a curved arrow: text being reworked.
QPixmap drawIcon() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient tile(0, 0, 0, kSize);
    tile.setColorAt(0, QColor(38, 166, 154));
    tile.setColorAt(1, QColor(0, 105, 92));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 24, 24);

    QPainterPath sheet;
    sheet.moveTo(30, 20);
    sheet.lineTo(80, 20);
    sheet.lineTo(98, 38);
    sheet.lineTo(98, 108);
    sheet.lineTo(30, 108);
    sheet.closeSubpath();
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPath(sheet);
    painter.setBrush(QColor(200, 220, 218));
    painter.drawPolygon(QPolygonF({QPointF(80, 20), QPointF(80, 38), QPointF(98, 38)}));

    painter.setPen(QPen(QColor(0, 121, 107), 6, Qt::SolidLine, Qt::RoundCap));
    for (int y : {48, 62, 76}) painter.drawLine(42, y, y == 48 ? 70 : 86, y);

    // A curved arrow across the lower corner.
    painter.setPen(QPen(QColor(255, 152, 0), 8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(44, 94);
    arc.quadTo(70, 114, 96, 92);
    painter.drawPath(arc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 152, 0));
    painter.drawPolygon(QPolygonF({QPointF(106, 80), QPointF(104, 102), QPointF(86, 94)}));
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    static const QIcon icon(drawIcon());
    return icon;
}

}  // namespace nalvic
