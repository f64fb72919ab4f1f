#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>

#include "support/tempfolder.h"
#include "vcl/tspinbutton.h"

namespace {

using vcl::TSpinButton;

class SpinButtonTest : public TempHomeTest {
protected:
    SpinButtonTest() {
        QObject::connect(&spin, &TSpinButton::UpClick, [this] { ++ups; });
        QObject::connect(&spin, &TSpinButton::DownClick, [this] { ++downs; });
        spin.resize(17, 19);
        spin.show();
    }

    static void Mouse(QWidget* target, QEvent::Type type) {
        const QPointF centre = QRectF(target->rect()).center();
        QMouseEvent event(type, centre, target->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    TSpinButton spin;
    int ups = 0;
    int downs = 0;
};

TEST_F(SpinButtonTest, EachHalfReportsItsOwnClick) {
    Mouse(spin.UpButton(), QEvent::MouseButtonPress);
    Mouse(spin.UpButton(), QEvent::MouseButtonRelease);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(downs, 0);
    Mouse(spin.DownButton(), QEvent::MouseButtonPress);
    Mouse(spin.DownButton(), QEvent::MouseButtonRelease);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(downs, 1);
}

TEST_F(SpinButtonTest, UpperAndLowerHalvesShareTheWidget) {
    const QRect up = spin.UpButton()->geometry();
    const QRect down = spin.DownButton()->geometry();
    EXPECT_EQ(up.top(), 0);
    EXPECT_EQ(up.bottom() + 1, down.top());
    EXPECT_EQ(down.bottom(), 18);
    EXPECT_EQ(up.width(), 17);
    EXPECT_EQ(down.width(), 17);
    EXPECT_EQ(spin.UpButton()->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(spin.DownButton()->focusPolicy(), Qt::NoFocus);
}

TEST_F(SpinButtonTest, HoldingAHalfRepeatsItsClickUntilReleased) {
    QAbstractButton* half = spin.DownButton();
    half->setAutoRepeatDelay(1);
    half->setAutoRepeatInterval(1);
    Mouse(half, QEvent::MouseButtonPress);
    QElapsedTimer waited;
    waited.start();
    while (downs < 3 && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    Mouse(half, QEvent::MouseButtonRelease);
    EXPECT_GE(downs, 3);
    EXPECT_EQ(ups, 0);

    const int afterRelease = downs;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(downs, afterRelease);
}

// The widest row of the glyph's opaque pixels: 0 for the tip's end.
int RowWidth(const QImage& glyph, int row) {
    int width = 0;
    for (int x = 0; x < glyph.width(); ++x) {
        width += qAlpha(glyph.pixel(x, row)) > 0 ? 1 : 0;
    }
    return width;
}

TEST_F(SpinButtonTest, DefaultGlyphsPointUpAndDown) {
    const QImage up = spin.UpGlyph().toImage();
    const QImage down = spin.DownGlyph().toImage();
    ASSERT_FALSE(up.isNull());
    ASSERT_EQ(up.size(), down.size());
    const int last = up.height() - 1;
    EXPECT_LT(RowWidth(up, 0), RowWidth(up, last));
    EXPECT_GT(RowWidth(down, 0), RowWidth(down, last));
}

TEST_F(SpinButtonTest, GlyphsAreProperties) {
    QPixmap glyph(5, 3);
    glyph.fill(Qt::red);
    EXPECT_TRUE(spin.setProperty("UpGlyph", glyph));
    EXPECT_EQ(spin.UpGlyph().toImage(), glyph.toImage());
    EXPECT_EQ(spin.UpButton()->iconSize(), QSize(5, 3));
    EXPECT_NE(spin.DownGlyph().toImage(), glyph.toImage());
}

}  // namespace
