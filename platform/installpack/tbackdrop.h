#pragma once

#include <QColor>
#include <QWidget>

namespace installpack {

// The installer window's background: a vertical colour gradient from
// StartColor at the top to EndColor at the bottom, over the whole client
// area as the window grows.
class TBackdrop : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor StartColor READ StartColor WRITE SetStartColor)
    Q_PROPERTY(QColor EndColor READ EndColor WRITE SetEndColor)
public:
    explicit TBackdrop(QWidget* parent);

    QColor StartColor() const { return start_; }
    void SetStartColor(const QColor& color);
    QColor EndColor() const { return end_; }
    void SetEndColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QColor start_{Qt::darkCyan};
    QColor end_{Qt::darkGreen};
};

}  // namespace installpack
