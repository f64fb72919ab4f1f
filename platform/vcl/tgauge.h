#pragma once

#include <QWidget>

class QPaintEvent;

namespace vcl {

// A vertical bar filled from the bottom in proportion to its progress, 0 to
// 100: one column of a level chart. No text and no border; the fill is the
// active title bar's colour on the window colour.
class TGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Progress READ Progress WRITE SetProgress NOTIFY ProgressChanged)
public:
    explicit TGauge(QWidget* parent = nullptr);

    int Progress() const { return progress_; }
    // Values outside 0 to 100 are clamped: a chart may hand in any value.
    void SetProgress(int progress);

signals:
    void ProgressChanged(int progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int progress_ = 0;
};

}  // namespace vcl
