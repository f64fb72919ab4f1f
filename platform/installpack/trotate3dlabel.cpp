#include "installpack/trotate3dlabel.h"

#include <QPainter>

namespace installpack {

TRotate3DLabel::TRotate3DLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void TRotate3DLabel::SetAShadeLTSet(bool on) {
    shadeLT_ = on;
    update();
}

void TRotate3DLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const int flags = static_cast<int>(alignment());
    const auto draw = [&](int dx, int dy, const QColor& color) {
        painter.setPen(color);
        painter.drawText(rect().translated(dx, dy), flags, text());
    };
    if (shadeLT_) {
        draw(-2, -2, QColor(0, 0, 0, 96));
    }
    draw(-1, -1, Qt::white);
    draw(1, 1, Qt::black);
    draw(0, 0, palette().color(QPalette::WindowText));
}

}  // namespace installpack
