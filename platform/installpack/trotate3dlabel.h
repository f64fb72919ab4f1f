#pragma once

#include <QLabel>

namespace installpack {

// A caption drawn raised: a light edge above left and a dark one below
// right of the text. AShadeLTSet adds a shade above left as well.
class TRotate3DLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool AShadeLTSet READ AShadeLTSet WRITE SetAShadeLTSet)
public:
    TRotate3DLabel(const QString& caption, QWidget* parent);

    bool AShadeLTSet() const { return shadeLT_; }
    void SetAShadeLTSet(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool shadeLT_ = false;
};

}  // namespace installpack
