#include <gtest/gtest.h>

#include <QImage>

#include "support/tempfolder.h"
#include "vcl/tgauge.h"

namespace {

using vcl::TGauge;

struct ProgressCase {
    int set;
    int shown;
};

class GaugeProgressTest : public TempHomeTest,
                          public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(GaugeProgressTest, ClampsProgressToZeroToHundred) {
    TGauge gauge;
    EXPECT_TRUE(gauge.setProperty("Progress", GetParam().set));
    EXPECT_EQ(gauge.Progress(), GetParam().shown);
    EXPECT_EQ(gauge.property("Progress").toInt(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Values, GaugeProgressTest,
                         ::testing::Values(ProgressCase{50, 50}, ProgressCase{0, 0},
                                           ProgressCase{100, 100}, ProgressCase{-7, 0},
                                           ProgressCase{101, 100}, ProgressCase{2000, 100}));

using GaugePaintTest = TempHomeTest;

TEST_F(GaugePaintTest, FillsFromTheBottomInProportion) {
    TGauge gauge;
    gauge.resize(5, 200);
    gauge.SetProgress(25);
    QImage image(gauge.size(), QImage::Format_RGB32);
    gauge.render(&image);
    const QRgb fill = gauge.palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb empty = gauge.palette().color(QPalette::Window).rgb();
    EXPECT_EQ(image.pixel(2, 199), fill);
    EXPECT_EQ(image.pixel(2, 151), fill);
    EXPECT_EQ(image.pixel(2, 149), empty);
    EXPECT_EQ(image.pixel(2, 0), empty);
}

TEST_F(GaugePaintTest, SignalsOnlyRealChanges) {
    TGauge gauge;
    int changes = 0;
    QObject::connect(&gauge, &TGauge::ProgressChanged, [&] { ++changes; });
    gauge.SetProgress(120);
    gauge.SetProgress(100);
    gauge.SetProgress(-3);
    EXPECT_EQ(changes, 2);
}

}  // namespace
