#include "help/emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace gyrant {

QPixmap GyrantEmblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size / 2.0, size / 2.0);
    double r = size / 2.0 - 1;

    // The tire, with tread blocks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 44));
    painter.drawEllipse(QPointF(0, 0), r, r);
    painter.setBrush(QColor(70, 70, 76));
    for (int block = 0; block < 24; ++block) {
        painter.save();
        painter.rotate(block * 15.0);
        painter.drawRect(QRectF(-r * 0.05, -r, r * 0.1, r * 0.12));
        painter.restore();
    }
    // The rim and its spokes.
    painter.setBrush(QColor(200, 204, 212));
    painter.drawEllipse(QPointF(0, 0), r * 0.66, r * 0.66);
    painter.setBrush(QColor(120, 128, 140));
    for (int spoke = 0; spoke < 5; ++spoke) {
        painter.save();
        painter.rotate(spoke * 72.0);
        painter.drawRoundedRect(QRectF(-r * 0.07, -r * 0.6, r * 0.14, r * 0.5), r * 0.04, r * 0.04);
        painter.restore();
    }
    painter.setBrush(QColor(60, 66, 80));
    painter.drawEllipse(QPointF(0, 0), r * 0.16, r * 0.16);

    // An arrow around the tire: the part spinning up.
    QPen arrow(QColor(220, 70, 40), qMax(2.0, r * 0.07), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(arrow);
    painter.setBrush(Qt::NoBrush);
    QRectF ring(-r * 0.82, -r * 0.82, r * 1.64, r * 1.64);
    painter.drawArc(ring, 30 * 16, 120 * 16);
    double tip = qDegreesToRadians(150.0);
    QPointF end(r * 0.82 * qCos(tip), -r * 0.82 * qSin(tip));
    painter.setBrush(QColor(220, 70, 40));
    QPainterPath head;
    head.moveTo(end + QPointF(-r * 0.1, -r * 0.08));
    head.lineTo(end + QPointF(r * 0.02, r * 0.14));
    head.lineTo(end + QPointF(r * 0.12, -r * 0.06));
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.drawPath(head);
    return pixmap;
}

}  // namespace gyrant
