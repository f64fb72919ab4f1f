#pragma once

#include <QColor>
#include <QWidget>

class QPaintEvent;

namespace vcl {

// A plain geometric figure filled with a brush colour and outlined with a
// thin pen (black unless told otherwise), such as the lamps of a traffic
// light. It shows what it is told and does nothing else; its hint is the
// widget's tool tip.
class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor BrushColor READ BrushColor WRITE SetBrushColor NOTIFY BrushColorChanged)
    Q_PROPERTY(QColor PenColor READ PenColor WRITE SetPenColor NOTIFY PenColorChanged)
    Q_PROPERTY(TShapeType Shape READ Shape WRITE SetShape NOTIFY ShapeChanged)
public:
    // Square and circle use the largest square centred in the widget.
    enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
    Q_ENUM(TShapeType)

    explicit TShape(QWidget* parent = nullptr);

    QColor BrushColor() const { return brushColor_; }
    void SetBrushColor(const QColor& colour);
    QColor PenColor() const { return penColor_; }
    void SetPenColor(const QColor& colour);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);

signals:
    void BrushColorChanged(const QColor& colour);
    void PenColorChanged(const QColor& colour);
    void ShapeChanged(vcl::TShape::TShapeType shape);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brushColor_ = Qt::white;
    QColor penColor_ = Qt::black;
    TShapeType shape_ = stRectangle;
};

}  // namespace vcl
