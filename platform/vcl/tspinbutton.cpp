#include "vcl/tspinbutton.h"

#include <QPainter>
#include <QPolygon>
#include <QResizeEvent>
#include <QToolButton>

namespace vcl {

namespace {

// The first repeat waits a little longer, so a short press gives one step.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

enum class Direction { Up, Down };

// A small solid black triangle pointing up or down on a clear ground.
QPixmap ArrowGlyph(Direction direction) {
    constexpr int kWidth = 7;
    constexpr int kHeight = 4;
    QPixmap glyph(kWidth, kHeight);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(Qt::black);
    for (int row = 0; row < kHeight; ++row) {
        // Row 0 is the tip for an up arrow and the base for a down arrow.
        const int inset = direction == Direction::Up ? kHeight - 1 - row : row;
        painter.drawLine(inset, row, kWidth - 1 - inset, row);
    }
    return glyph;
}

QToolButton* MakeHalf(QWidget* parent, const char* name) {
    auto* half = new QToolButton(parent);
    half->setObjectName(name);
    half->setAutoRepeat(true);
    half->setAutoRepeatDelay(kRepeatDelayMs);
    half->setAutoRepeatInterval(kRepeatIntervalMs);
    // The edit box beside it keeps the focus while the value is stepped.
    half->setFocusPolicy(Qt::NoFocus);
    return half;
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      upButton_(MakeHalf(this, "UpButton")),
      downButton_(MakeHalf(this, "DownButton")) {
    SetUpGlyph(ArrowGlyph(Direction::Up));
    SetDownGlyph(ArrowGlyph(Direction::Down));
    connect(upButton_, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(downButton_, &QToolButton::clicked, this, &TSpinButton::DownClick);
    resize(sizeHint());
}

void TSpinButton::SetUpGlyph(const QPixmap& glyph) {
    upGlyph_ = glyph;
    upButton_->setIcon(glyph);
    upButton_->setIconSize(glyph.size());
}

void TSpinButton::SetDownGlyph(const QPixmap& glyph) {
    downGlyph_ = glyph;
    downButton_->setIcon(glyph);
    downButton_->setIconSize(glyph.size());
}

QAbstractButton* TSpinButton::UpButton() const {
    return upButton_;
}

QAbstractButton* TSpinButton::DownButton() const {
    return downButton_;
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The upper half takes the odd pixel row.
    const int upHeight = (height() + 1) / 2;
    upButton_->setGeometry(0, 0, width(), upHeight);
    downButton_->setGeometry(0, upHeight, width(), height() - upHeight);
}

}  // namespace vcl
