#include "vcl/tshape.h"

#include <QPainter>

#include <algorithm>

namespace vcl {

namespace {

bool IsSquare(TShape::TShapeType shape) {
    return shape == TShape::stSquare || shape == TShape::stRoundSquare || shape == TShape::stCircle;
}

// The figure's outline, inset by half the pen so the pen stays inside.
QRectF Outline(const QRect& area, TShape::TShapeType shape) {
    QRectF outline = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    if (IsSquare(shape)) {
        const qreal side = std::min(outline.width(), outline.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(outline.center());
        outline = square;
    }
    return outline;
}

}  // namespace

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetBrushColor(const QColor& colour) {
    if (colour == brushColor_) {
        return;
    }
    brushColor_ = colour;
    update();
    emit BrushColorChanged(colour);
}

void TShape::SetPenColor(const QColor& colour) {
    if (colour == penColor_) {
        return;
    }
    penColor_ = colour;
    update();
    emit PenColorChanged(colour);
}

void TShape::SetShape(TShapeType shape) {
    if (shape == shape_) {
        return;
    }
    shape_ = shape;
    update();
    emit ShapeChanged(shape);
}

void TShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(penColor_, 1));
    painter.setBrush(brushColor_);
    const QRectF outline = Outline(rect(), shape_);
    switch (shape_) {
        case stRectangle:
        case stSquare:
            painter.drawRect(outline);
            break;
        case stRoundRect:
        case stRoundSquare: {
            // Corners as round as a quarter of the shorter side.
            const qreal radius = std::min(outline.width(), outline.height()) / 4;
            painter.drawRoundedRect(outline, radius, radius);
            break;
        }
        case stEllipse:
        case stCircle:
            painter.drawEllipse(outline);
            break;
    }
}

}  // namespace vcl
