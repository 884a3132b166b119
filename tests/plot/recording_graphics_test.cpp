#include "plot/recording_graphics.h"

#include <gtest/gtest.h>

namespace plot {
namespace {

TEST(RecordingGraphics, WritesEachCallInOrder) {
    RecordingGraphics g;
    g.save();
    g.intersectClip({1, 2, 30, 40});
    g.drawLine(Pen{0xFF112233u, 1.5}, 0, 0, 10.25, 3);
    g.fillRectangle(Brush{0xFFFFFFFFu}, {0, 0, 5, 5});
    g.fillPolygon(Brush::hatch(kHatchCross, 0xFF000000u), {{0, 0}, {1, 0}, {1, 1}});
    g.drawString("Load", Font{"Arial", 8.0, kFontBold}, 0xFF000000u, {1, 2, 3, 4},
                 TextFormat{1, 2, false, true});
    g.restore();
    EXPECT_EQ(g.text(),
              "save\n"
              "clip.intersect 1,2,30,40\n"
              "line 0,0 10.25,3 pen=#FF112233/1.5\n"
              "fillrect 0,0,5,5 brush=#FFFFFFFF\n"
              "fillpolygon 3pts 0,0 1,0 1,1 hatch=4/#FF000000/#00FFFFFF\n"
              "string \"Load\" font=Arial/8/1 color=#FF000000 rect=1,2,3,4 align=1/2 nowrap clip\n"
              "restore\n");
    EXPECT_EQ(g.linesStartingWith("line").size(), 1u);
}

TEST(RecordingGraphics, NumbersIgnoreFloatNoise) {
    EXPECT_EQ(RecordingGraphics::number(0.1f), "0.1");
    EXPECT_EQ(RecordingGraphics::number(-0.0), "0");
    EXPECT_EQ(RecordingGraphics::number(1234567.0), "1234570");
    EXPECT_EQ(RecordingGraphics::number(-12.5), "-12.5");
}

TEST(RecordingGraphics, FontMetricsAreFixedAndScaleWithTheDevice) {
    RecordingGraphics screen;
    const Font font{"Arial", 9.0, 0};  // 12 px high on screen
    SizeF s = screen.measureString("abcd", font, {0, 0}, TextFormat{});
    EXPECT_DOUBLE_EQ(s.width, 4 * 6.0);
    EXPECT_DOUBLE_EQ(s.height, 14.4);
    s = screen.measureString("ab\ncdef", font, {0, 0}, TextFormat{});
    EXPECT_DOUBLE_EQ(s.width, 24.0);
    EXPECT_DOUBLE_EQ(s.height, 28.8);

    RecordingGraphics page(300.0 / 96.0, true);
    s = page.measureString("abcd", font, {0, 0}, TextFormat{});
    EXPECT_DOUBLE_EQ(s.height, 14.4 * 300.0 / 96.0);
}

TEST(RecordingGraphics, WrapsAtBlanksWithinTheLayoutWidth) {
    RecordingGraphics g;
    const Font font{"Arial", 9.0, 0};  // 6 px per character
    // 10 characters per line: "aaa bbb" fits, "ccc" goes to the next line.
    SizeF s = g.measureString("aaa bbb ccc", font, {60, 0}, TextFormat{});
    EXPECT_DOUBLE_EQ(s.width, 7 * 6.0);
    EXPECT_DOUBLE_EQ(s.height, 2 * 14.4);
    // A word longer than a line breaks inside the word.
    s = g.measureString("abcdefghijklmnop", font, {60, 0}, TextFormat{});
    EXPECT_DOUBLE_EQ(s.width, 60.0);
    EXPECT_DOUBLE_EQ(s.height, 2 * 14.4);
    // Without wrapping the line stays whole.
    s = g.measureString("aaa bbb ccc", font, {60, 0}, TextFormat{0, 0, false, false});
    EXPECT_DOUBLE_EQ(s.width, 66.0);
}

}  // namespace
}  // namespace plot
