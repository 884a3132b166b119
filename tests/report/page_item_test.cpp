#include "report/page_item.h"

#include "plot/recording_graphics.h"
#include "report/page.h"
#include "report/page_item_line.h"
#include "report/page_item_text.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace report {
namespace {

// A page laid out at 100 device units per inch, as the preview does at zoom 1.
constexpr double kPerInch = 100.0;

void PlaceOnPage(CPageItem& item) {
    plot::CTransform t;
    t.data = plot::RectF{0.0, 0.0, 8.5, 11.0};
    t.device = plot::RectF{0.0, 0.0, 8.5 * kPerInch, 11.0 * kPerInch};
    t.invertY = 0;
    item.SetTransform(t);
}

// The font size recorded for a drawn string, read from "font=Family/size/style".
double RecordedFontSize(const std::string& line) {
    const auto start = line.find("font=");
    const auto slash = line.find('/', start);
    return std::stod(line.substr(slash + 1, line.find('/', slash + 1) - slash - 1));
}

struct HeightCase {
    const char* name;
    const char* text;
    double fontSize;
    double extraSpacing;
    double inches;
};

class TextHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(TextHeightTest, EstimatesCaptionHeight) {
    const HeightCase& c = GetParam();
    CPageItem item;
    item.SetText(c.text);
    item.SetFontSize(c.fontSize);
    item.SetExtraSpacing(c.extraSpacing);
    EXPECT_NEAR(item.TextHeight(), c.inches, 1e-12);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Captions, TextHeightTest, ::testing::Values(
    HeightCase{"two_lines_12pt", "Line one\nLine two", 12.0, 0.0,
               12.0 * (2 * 1.5419269800186157 + 0.13177065551280975) / 100.0},
    HeightCase{"one_line_20pt", "Header", 20.0, 0.0,
               20.0 * (1.5419269800186157 + 0.13177065551280975) / 100.0},
    HeightCase{"extra_spacing", "Header", 10.0, 5.0,
               (5.0 + 10.0 * (1.5419269800186157 + 0.13177065551280975)) / 100.0},
    HeightCase{"empty", "", 12.0, 5.0, 0.0}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(TextHeightTest, TwoLineTwelvePointCaptionIsAboutPoint386Inch) {
    CPageItem item;
    item.SetText("a\nb");
    EXPECT_NEAR(item.TextHeight(), 0.386, 0.0005);
}

TEST(FitFontTest, KeepsFontThatFitsAndShrinksOneThatDoesNot) {
    plot::RecordingGraphics g;
    CPageItem item;
    item.SetRect(0.25, 0.55, 7.0, 0.35);  // 700 x 35 device units
    item.SetFontSize(20.0);
    PlaceOnPage(item);

    item.SetText("Zelk");
    item.Draw(g);
    // The recording lays out bold text at 0.55 x 1.2 of the pixel height.
    EXPECT_DOUBLE_EQ(RecordedFontSize(g.linesStartingWith("string").at(0)), 20.0);

    g.clear();
    item.SetText(std::string(100, 'x'));
    item.Draw(g);
    // 100 bold characters fit 700 units below 700 / (100 * 0.55 * 96/72) = 9.55 points.
    EXPECT_DOUBLE_EQ(RecordedFontSize(g.linesStartingWith("string").at(0)), 9.0);
}

TEST(FitFontTest, StopsAtFourPointsAndDrawsUnchanged) {
    plot::RecordingGraphics g;
    CPageItem item;
    item.SetRect(0.0, 0.0, 1.0, 0.25);
    item.SetText(std::string(5000, 'x'));
    PlaceOnPage(item);
    item.Draw(g);
    const auto strings = g.linesStartingWith("string");
    ASSERT_EQ(strings.size(), 1u);
    EXPECT_DOUBLE_EQ(RecordedFontSize(strings[0]), 4.0);
}

TEST(FitFontTest, SillyFontSizesEndQuickly) {
    plot::RecordingGraphics g;
    CPageItem item;
    item.SetRect(0.0, 0.0, 1.0, 0.25);
    item.SetText(std::string(5000, 'x'));
    PlaceOnPage(item);
    for (double size : {1e12, -3.0, 0.0}) {
        SCOPED_TRACE(size);
        item.SetFontSize(size);
        const plot::Font f = item.FitFont(g, item.GetText(), plot::Font{"Arial", size, 0},
                                          item.GetDeviceRect(), item.GetFormat());
        EXPECT_LE(f.sizePt, 500.0);
    }
}

TEST(PageItemTest, FrameThenCaptionWithScaledPenOnPrintedPage) {
    plot::RecordingGraphics g(300.0 / 96.0, true);
    CPageItem item;
    item.SetRect(1.0, 2.0, 3.0, 0.5);
    item.SetText("Results");
    plot::CTransform t;
    t.data = plot::RectF{0.0, 0.0, 8.5, 11.0};
    t.device = plot::RectF{0.0, 0.0, 2550.0, 3300.0};
    t.invertY = 0;
    item.SetTransform(t);
    item.Draw(g);
    ASSERT_EQ(g.lines().size(), 2u);
    EXPECT_EQ(g.lines()[0], "rect 300,600,900,150 pen=#FF000000/3.125");
    EXPECT_EQ(g.lines()[1].rfind("string \"Results\"", 0), 0u);
}

TEST(PageItemTest, TransparentFrameDrawsNothing) {
    plot::RecordingGraphics g;
    CPageItem item;
    item.SetRect(1.0, 1.0, 1.0, 1.0);
    item.SetFrameColor(0x00FFFFFFu);
    PlaceOnPage(item);
    item.Draw(g);
    EXPECT_TRUE(g.lines().empty());
}

TEST(PageItemTest, DeviceRectFollowsTransformAndClickGoesToHandler) {
    CPageItem item;
    item.SetRect(1.0, 2.0, 0.5, 0.25);
    PlaceOnPage(item);
    EXPECT_EQ(item.GetDeviceRect(), (plot::RectF{100.0, 200.0, 50.0, 25.0}));
    EXPECT_TRUE(item.Contains(120.0, 210.0));
    EXPECT_FALSE(item.Contains(99.0, 210.0));

    EXPECT_FALSE(item.Click(1, 120.0, 210.0));
    int seen = 0;
    int marker = 7;
    item.SetClickHandler(
        [&](CPageItem& clicked, int code, double x, double, void* data) {
            EXPECT_EQ(&clicked, &item);
            EXPECT_EQ(data, &marker);
            seen = code + static_cast<int>(x);
        },
        &marker);
    EXPECT_TRUE(item.Click(1, 120.0, 210.0));
    EXPECT_EQ(seen, 121);
}

TEST(PageItemTextTest, CaptionAtTopThenLabelsLeftValuesRightInTheBody) {
    plot::RecordingGraphics g;
    CPageItemText item;
    item.SetRect(0.25, 1.875, 3.5, 1.625);
    item.SetFrameColor(0x00FFFFFFu);
    item.SetText("Caption");
    item.SetLeftText("Pump Depth\nStroke");
    item.SetRightText("5000 ft\n100 in");
    item.SetCenterText("c");
    PlaceOnPage(item);
    item.Draw(g);

    const auto strings = g.linesStartingWith("string");
    ASSERT_EQ(strings.size(), 4u);
    EXPECT_EQ(strings[0].rfind("string \"Caption\"", 0), 0u);
    EXPECT_NE(strings[0].find("align=0/0"), std::string::npos);
    EXPECT_EQ(strings[1].rfind("string \"Pump Depth\nStroke\" font=Arial/10/0", 0), 0u);
    EXPECT_NE(strings[1].find("align=0/1"), std::string::npos);
    EXPECT_EQ(strings[2].rfind("string \"5000 ft\n100 in\" font=Arial/10/0", 0), 0u);
    EXPECT_NE(strings[2].find("align=2/1"), std::string::npos);
    EXPECT_NE(strings[3].find("align=1/1"), std::string::npos);

    // Inner margin 4, caption 12pt bold: one line of 1.2 * 16 units.
    const plot::RectF inner{29.0, 191.5, 342.0, 154.5};
    EXPECT_DOUBLE_EQ(item.GetCaptionRect().y, inner.y);
    EXPECT_DOUBLE_EQ(item.GetCaptionRect().h, 19.2);
    EXPECT_DOUBLE_EQ(item.GetBodyRect().y, inner.y + 19.2);
    EXPECT_DOUBLE_EQ(item.GetBodyRect().bottom(), inner.bottom());
    EXPECT_DOUBLE_EQ(item.GetBodyRect().x, inner.x);
    EXPECT_DOUBLE_EQ(item.GetBodyRect().w, inner.w);
    // Drawing leaves the item's own rectangle as it was.
    EXPECT_EQ(item.GetDeviceRect(), (plot::RectF{25.0, 187.5, 350.0, 162.5}));
}

TEST(PageItemTextTest, MoreLinesThanTheBoxHoldsGetASmallerBodyFont) {
    plot::RecordingGraphics g;
    CPageItemText item;
    item.SetRect(0.0, 0.0, 3.5, 0.5);  // room for two lines of 10 points
    std::string labels = "a";
    for (int i = 0; i < 5; ++i) {
        labels += "\nb";
    }
    item.SetLeftText(labels);
    PlaceOnPage(item);
    item.Draw(g);
    const auto strings = g.linesStartingWith("string");
    ASSERT_EQ(strings.size(), 1u);
    // Six lines of 1.2 * 96/72 * s units must stay under 42 units: s below 4.375.
    EXPECT_DOUBLE_EQ(RecordedFontSize(strings[0]), 4.0);
}

TEST(PageItemLineTest, EndPointsMapThroughThePage) {
    plot::RecordingGraphics g;
    CPageItemLine line;
    line.SetPoints(0.25, 10.0, 8.25, 10.0);
    PlaceOnPage(line);
    line.Draw(g);
    ASSERT_EQ(g.lines().size(), 1u);
    EXPECT_EQ(g.lines()[0], "line 25,1000 825,1000 pen=#FF000000/1");
}

}  // namespace
}  // namespace report
