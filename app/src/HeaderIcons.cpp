#include "HeaderIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace chanforge::app {

namespace {

QPixmap Draw(HeaderImage image) {
    QPixmap pixmap(24, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x30, 0x50), 1.4));
    switch (image) {
    case HeaderImage::TV:
        p.drawRoundedRect(QRectF(4, 2, 16, 10), 1.5, 1.5);
        p.drawLine(QPointF(9, 14.5), QPointF(15, 14.5));
        break;
    case HeaderImage::Radio:
        p.drawRoundedRect(QRectF(3, 6, 18, 9), 1.5, 1.5);
        p.drawEllipse(QPointF(8, 10.5), 2.5, 2.5);
        p.drawLine(QPointF(6, 6), QPointF(17, 1));
        break;
    case HeaderImage::CAS: {
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
        p.drawLine(QPointF(11.5, 8), QPointF(20, 8));
        p.drawLine(QPointF(17, 8), QPointF(17, 11));
        p.drawLine(QPointF(20, 8), QPointF(20, 11));
        break;
    }
    case HeaderImage::Locked:
        p.drawRect(QRectF(7, 7, 10, 7.5));
        p.drawArc(QRectF(8.5, 1.5, 7, 10), 0, 180 * 16);
        break;
    case HeaderImage::Skipped: {
        QPainterPath path;
        path.moveTo(5, 3);
        path.lineTo(12, 8);
        path.lineTo(5, 13);
        path.moveTo(11, 3);
        path.lineTo(18, 8);
        path.lineTo(11, 13);
        p.drawPath(path);
        p.drawLine(QPointF(19.5, 3), QPointF(19.5, 13));
        break;
    }
    case HeaderImage::Tuner:
    case HeaderImage::Satellite:
        p.drawArc(QRectF(3, 1, 14, 14), 200 * 16, 140 * 16);
        p.drawLine(QPointF(10, 8), QPointF(17, 3));
        p.drawLine(QPointF(8, 13), QPointF(8, 15));
        break;
    case HeaderImage::Transponder:
        p.drawLine(QPointF(12, 4), QPointF(12, 15));
        p.drawArc(QRectF(7, 1, 10, 8), 30 * 16, 120 * 16);
        p.drawArc(QRectF(4, -1, 16, 12), 30 * 16, 120 * 16);
        break;
    case HeaderImage::Mux:
        p.drawLine(QPointF(12, 2), QPointF(8, 15));
        p.drawLine(QPointF(12, 2), QPointF(16, 15));
        p.drawLine(QPointF(9.5, 10), QPointF(14.5, 10));
        break;
    case HeaderImage::Cable:
        p.drawLine(QPointF(3, 8), QPointF(21, 8));
        p.drawRect(QRectF(9, 5, 6, 6));
        break;
    }
    return pixmap;
}

} // namespace

QIcon HeaderIcon(HeaderImage image) {
    return QIcon(Draw(image));
}

} // namespace chanforge::app
