#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace vcl {

// A one-line edit box that reports each released key by its virtual-key
// code, so a handler can act on the arrow keys.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

signals:
    void KeyUp(int key, Qt::KeyboardModifiers shift);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace vcl
