#include "vcl/tedit.h"

#include <QKeyEvent>

#include "vcl/virtualkey.h"

namespace vcl {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

void TEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    // A held key repeats its press, but it is released once.
    if (!event->isAutoRepeat()) {
        emit KeyUp(VirtualKeyOf(event->key()), event->modifiers());
    }
}

}  // namespace vcl
