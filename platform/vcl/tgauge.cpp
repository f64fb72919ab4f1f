#include "vcl/tgauge.h"

#include <QPainter>

#include <algorithm>

namespace vcl {

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

void TGauge::SetProgress(int progress) {
    const int clamped = std::clamp(progress, 0, 100);
    if (clamped == progress_) {
        return;
    }
    progress_ = clamped;
    update();
    emit ProgressChanged(progress_);
}

void TGauge::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int filled = height() * progress_ / 100;
    painter.fillRect(QRect(0, height() - filled, width(), filled),
                     palette().color(QPalette::Active, QPalette::Highlight));
}

}  // namespace vcl
