#include "plot/qt/painter_graphics.h"

#include "plot/qt/render_targets.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace plot {
namespace {

TEST(PainterGraphics, FillsAndSkipsTransparentColours) {
    const QImage image = renderImage(20, 10, [](Graphics& g, const RectF&) {
        g.fillRectangle(Brush{0xFFFF0000u}, {0, 0, 10, 10});
        g.fillRectangle(Brush{0x000000FFu}, {10, 0, 10, 10});  // transparent: not painted
    });
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(15, 5)), QColor(255, 255, 255));
}

TEST(PainterGraphics, FontSizeFollowsTheDeviceScale) {
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    ensureGuiApplication();
    QPainter painter(&image);
    PainterGraphics screen(painter);
    PainterGraphics page(painter, 300.0 / 96.0, true);
    const Font font{"Arial", 10.0, 0};
    const SizeF a = screen.measureString("Polished rod load", font, {0, 0}, TextFormat{});
    const SizeF b = page.measureString("Polished rod load", font, {0, 0}, TextFormat{});
    ASSERT_GT(a.width, 10.0);
    // Hinting makes glyph advances differ slightly between sizes; 5 % covers it.
    EXPECT_NEAR(b.width / a.width, 300.0 / 96.0, 0.05 * 300.0 / 96.0);
    EXPECT_TRUE(page.isPrintedPage());
    EXPECT_FALSE(screen.isPrintedPage());
}

TEST(PainterGraphics, MapsWindowsFamiliesToInstalledOnes) {
    EXPECT_EQ(PainterGraphics::mapFamily("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(PainterGraphics::mapFamily("Tahoma"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(PainterGraphics::mapFamily("DejaVu Serif"), QStringLiteral("DejaVu Serif"));
}

TEST(PainterGraphics, ArcAnglesRunClockwise) {
    // A 90 degree arc starting at 0 runs clockwise (y down) into the lower right quarter.
    const QImage image = renderImage(41, 41, [](Graphics& g, const RectF&) {
        g.drawArc(Pen{0xFF000000u, 3.0}, {0.5, 0.5, 40, 40}, 0.0, 90.0);
    });
    auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    EXPECT_TRUE(dark(35, 35) || dark(34, 34) || dark(35, 34));
    EXPECT_FALSE(dark(35, 6) || dark(34, 6) || dark(35, 5));
}

}  // namespace
}  // namespace plot
