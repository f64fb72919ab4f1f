#include <gtest/gtest.h>

#include <QImage>

#include "support/tempfolder.h"
#include "vcl/tshape.h"

namespace {

using vcl::TShape;

using ShapeTest = TempHomeTest;

TEST_F(ShapeTest, BrushColorIsAPropertyThatSignalsChanges) {
    TShape shape;
    int changes = 0;
    QObject::connect(&shape, &TShape::BrushColorChanged, [&] { ++changes; });

    EXPECT_TRUE(shape.setProperty("BrushColor", QColor(Qt::darkRed)));
    shape.SetBrushColor(Qt::darkRed);

    EXPECT_EQ(shape.BrushColor(), QColor(Qt::darkRed));
    EXPECT_EQ(shape.property("BrushColor").value<QColor>(), QColor(Qt::darkRed));
    EXPECT_EQ(changes, 1);
}

TEST_F(ShapeTest, ShapeIsAProperty) {
    TShape shape;
    EXPECT_TRUE(shape.setProperty("Shape", TShape::stCircle));
    EXPECT_EQ(shape.Shape(), TShape::stCircle);
}

struct ShapeCase {
    TShape::TShapeType type;
    bool cornerFilled;  // a point just inside the top-left corner
};

class ShapePaintTest : public TempHomeTest, public ::testing::WithParamInterface<ShapeCase> {
protected:
    static QImage Paint(TShape& shape) {
        QImage image(shape.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        shape.render(&image);
        return image;
    }
};

TEST_P(ShapePaintTest, FillsTheFigureWithTheBrushColour) {
    TShape shape;
    shape.resize(40, 40);
    shape.SetShape(GetParam().type);
    shape.SetBrushColor(Qt::darkCyan);
    const QImage first = Paint(shape);
    shape.SetBrushColor(Qt::darkYellow);
    const QImage second = Paint(shape);

    EXPECT_EQ(first.pixelColor(20, 20), QColor(Qt::darkCyan));
    EXPECT_EQ(second.pixelColor(20, 20), QColor(Qt::darkYellow));
    EXPECT_EQ(second.pixelColor(3, 3) == QColor(Qt::darkYellow), GetParam().cornerFilled);
    // The pen is black: the middle of the top edge.
    EXPECT_LT(second.pixelColor(20, 0).lightness(), 100);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapePaintTest,
                         ::testing::Values(ShapeCase{TShape::stRectangle, true},
                                           ShapeCase{TShape::stRoundRect, false},
                                           ShapeCase{TShape::stEllipse, false},
                                           ShapeCase{TShape::stCircle, false}));

TEST_F(ShapeTest, CircleIsRoundInAWideWidget) {
    TShape shape;
    shape.resize(60, 20);
    shape.SetShape(TShape::stCircle);
    shape.SetBrushColor(Qt::darkRed);
    QImage image(shape.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    shape.render(&image);

    EXPECT_EQ(image.pixelColor(30, 10), QColor(Qt::darkRed));
    EXPECT_NE(image.pixelColor(10, 10), QColor(Qt::darkRed));
}

}  // namespace
