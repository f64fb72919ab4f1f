#include "installpack/tbackdrop.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace installpack {

TBackdrop::TBackdrop(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
}

void TBackdrop::SetStartColor(const QColor& color) {
    start_ = color;
    update();
}

void TBackdrop::SetEndColor(const QColor& color) {
    end_ = color;
    update();
}

void TBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, start_);
    gradient.setColorAt(1, end_);
    painter.fillRect(rect(), gradient);
}

// Follows the window's client area once the window is resized (maximised).
bool TBackdrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace installpack
