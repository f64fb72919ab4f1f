#include "shell/programicon.h"

#include <QPainter>

QPixmap ProgramIcon(int size) {
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    painter.scale(unit, unit);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0, 128, 128));
    painter.drawRoundedRect(QRectF(3, 5, 26, 24), 5, 5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(8, 8, 16, 12));
    painter.setPen(QPen(QColor(128, 0, 0), 2));
    painter.drawLine(QPointF(16, 18), QPointF(20, 11));
    return icon;
}
