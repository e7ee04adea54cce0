#include "ui/artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

using Drawing = void (*)(QPainter&);

// Each drawing works on a 16 by 16 grid and is scaled to every size.
QIcon painted(Drawing draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void draw_satellite(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 90), 0.6));
    p.setBrush(QColor(70, 110, 200));
    p.drawRect(QRectF(0.5, 1.5, 4.5, 3));
    p.drawRect(QRectF(9.5, 1.5, 4.5, 3));
    p.drawLine(QPointF(5, 3), QPointF(9.5, 3));
    p.setBrush(QColor(200, 200, 210));
    p.drawEllipse(QRectF(5.5, 0.8, 3.6, 4.4));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(6);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QRectF(0, 8, 16, 8), Qt::AlignCenter, QStringLiteral("GPS"));
}

void draw_folder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 0), 0.8));
    p.setBrush(QColor(240, 200, 60));
    QPainterPath back;
    back.moveTo(1, 3);
    back.lineTo(6, 3);
    back.lineTo(7.5, 4.5);
    back.lineTo(15, 4.5);
    back.lineTo(15, 13.5);
    back.lineTo(1, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(255, 225, 110));
    p.drawPolygon(
        QPolygonF({QPointF(1, 13.5), QPointF(3.5, 7), QPointF(16, 7), QPointF(15, 13.5)}));
}

void draw_tick(QPainter& p) {
    p.setPen(QPen(QColor(0, 150, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

void draw_cross(QPainter& p) {
    p.setPen(QPen(QColor(210, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

} // namespace

QIcon SatelliteIcon() { return painted(draw_satellite); }
QIcon FolderIcon() { return painted(draw_folder); }
QIcon TickIcon() { return painted(draw_tick); }
QIcon CrossIcon() { return painted(draw_cross); }
