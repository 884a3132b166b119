#include "plot/qt/render_targets.h"

#include "plot/qt/qt_string.h"
#include "plot/standard_plot.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace plot {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RenderTargets : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        BuildStandardPlot(plot, nullptr, nullptr);
        AddStandardTextBlocks(plot, "Dynamometer Cards", "Position", "Rod Load");
        ReplaceCurve(plot, "Card", {0.0, 50.0, 100.0}, {1000.0, 9000.0, 5000.0}, 0, 0);
    }
    std::string Path(const char* name) const {
        return fromQString(dir.filePath(QString::fromLatin1(name)));
    }
    DrawFunction Draw() {
        return [this](Graphics& g, const RectF& r) {
            plot.InvalidateAll();
            plot.Draw(g, r);
        };
    }
    QTemporaryDir dir;
    CPlot plot;
};

TEST_F(RenderTargets, PngAndSvgByExtension) {
    std::string error;
    ASSERT_TRUE(writeImageFile(Path("cards.PNG"), 600, 400, Draw(), &error)) << error;
    QImage png(toQString(Path("cards.PNG")));
    EXPECT_EQ(png.size(), QSize(600, 400));
    ASSERT_TRUE(writeImageFile(Path("cards.svg"), 600, 400, Draw(), &error)) << error;
    const std::string svg = ReadAll(Path("cards.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Dynamometer Cards"), std::string::npos);  // text stays text
    EXPECT_FALSE(writeImageFile(Path("cards.jpg"), 600, 400, Draw(), &error));
    EXPECT_NE(error.find(".png or .svg"), std::string::npos);
}

TEST_F(RenderTargets, UnwritablePathsFailWithAMessage) {
    std::string error;
    EXPECT_FALSE(writePng(Path("missing/dir/cards.png"), 600, 400, Draw(), &error));
    EXPECT_NE(error.find("cards.png"), std::string::npos);
    EXPECT_FALSE(writePng(Path("cards.png"), 0, 400, Draw(), &error));
}

TEST_F(RenderTargets, PdfIsOneLetterPageDrawnAsAPrintedPage) {
    double scale = 0.0;
    bool printed = false;
    RectF page;
    std::string error;
    ASSERT_TRUE(writePdf(
        Path("page.pdf"), 1,
        [&](Graphics& g, const RectF& r, int) {
            scale = g.deviceScale();
            printed = g.isPrintedPage();
            page = r;
            plot.InvalidateAll();
            plot.Draw(g, RectF{r.x + 300, r.y + 300, 1800, 1200});
        },
        "Cards", 300, &error))
        << error;
    EXPECT_DOUBLE_EQ(scale, 300.0 / 96.0);
    EXPECT_TRUE(printed);
    EXPECT_NEAR(page.w, 8.5 * 300, 1.0);
    EXPECT_NEAR(page.h, 11.0 * 300, 1.0);
    const std::string pdf = ReadAll(Path("page.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(writePdf(Path("none.pdf"), 0, nullptr, "", 300, &error), false);
}

}  // namespace
}  // namespace plot
