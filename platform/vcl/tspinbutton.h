#pragma once

#include <QPixmap>
#include <QWidget>

class QAbstractButton;
class QResizeEvent;
class QToolButton;

namespace vcl {

// A pair of small stacked buttons, up over down, that step a value shown
// beside them. Each half shows its own glyph and repeats its click while
// held; the widget only reports the clicks and knows nothing of the value.
class TSpinButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap UpGlyph READ UpGlyph WRITE SetUpGlyph)
    Q_PROPERTY(QPixmap DownGlyph READ DownGlyph WRITE SetDownGlyph)
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QPixmap UpGlyph() const { return upGlyph_; }
    void SetUpGlyph(const QPixmap& glyph);
    QPixmap DownGlyph() const { return downGlyph_; }
    void SetDownGlyph(const QPixmap& glyph);

    QAbstractButton* UpButton() const;
    QAbstractButton* DownButton() const;

    QSize sizeHint() const override { return {17, 19}; }

signals:
    void UpClick();
    void DownClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* upButton_;
    QToolButton* downButton_;
    QPixmap upGlyph_;
    QPixmap downGlyph_;
};

}  // namespace vcl
