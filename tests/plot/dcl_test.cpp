#include "plot/dcl_axis.h"
#include "plot/dcl_data_area_curve_2d.h"
#include "plot/dcl_plot.h"
#include "plot/recording_graphics.h"
#include "plot/standard_plot.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/units.h"
#include "units/units_category.h"
#include "units/units_manager.h"

#include <gtest/gtest.h>

namespace plot {
namespace {

// Category rows of the card plot: position in inches, load in pounds.
constexpr int kSmallLengthRow = 14;
constexpr int kSmallWeightRow = 10;

class MenuWindow : public PlotWindow {
public:
    int TrackPopupMenu(double, double, const std::vector<std::string>& items) override {
        menus.push_back(items);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == pick) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    void OnPlotNotification(const CPlotNotification&) override {}
    std::string pick;
    std::vector<std::vector<std::string>> menus;
};

/// The card plot of the main window over the started units library.
class CardPlotTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::ShutdownUnitsLibrary();
        units::StartUnitsLibrary("OILFIELD");
        ASSERT_EQ(units::CUnitsManager::CategoryKeyAt(kSmallLengthRow), "SMALL_LENGTH");
        ASSERT_EQ(units::CUnitsManager::CategoryKeyAt(kSmallWeightRow), "SMALL_WEIGHT");
        xObject.SetUnits("IN", "SMALL_LENGTH");
        yObject.SetUnits("LB", "SMALL_WEIGHT");
        BuildStandardPlot(plot, &xObject, &yObject);
        AddStandardTextBlocks(plot, "Dynamometer Cards", "Position", "Rod Load");
        curve = ReplaceCurve(plot, "Surface", {0.0, 50.0, 100.0}, {1000.0, 9000.0, 5000.0},
                             kSmallLengthRow, kSmallWeightRow);
        plot.Layout(g, 0, 0, 600, 400);
    }
    void TearDown() override {
        // The plot's curves hold value objects of the library: destroy them first.
        plot.FindDataArea("DataArea")->RemoveCurve("Surface");
        units::ShutdownUnitsLibrary();
    }
    std::string LastYLabel() const { return plot.FindAxis("YAxis")->MajorTicks().back().label; }

    units::CDataObject xObject;
    units::CDataObject yObject;
    CDCLPlot plot;
    RecordingGraphics g;
    CDataAreaCurve* curve = nullptr;
};

TEST_F(CardPlotTest, ReadOutShowsDisplayUnits) {
    auto* dcl = dynamic_cast<CDCLDataAreaCurve2D*>(curve);
    ASSERT_NE(dcl, nullptr);
    EXPECT_EQ(dcl->XValueObject()->GetName(), "Surface_DCL_X");
    EXPECT_EQ(dcl->YValueObject()->GetDescription(), "Surface DCL Data Area Curve 2D (Y)");
    const CTransform& t = curve->GetTransform();
    curve->SetPointerPosition(t.DataToDeviceX(50.0), t.DataToDeviceY(9000.0), 1);
    EXPECT_NEAR(dcl->PointerXValue(), 50.0, 1e-9);
    EXPECT_EQ(curve->GetSymbol().label.text, "(50.00in, 9,000.0lb)");

    units::UnitsManager()->FindCategory("SMALL_WEIGHT")->SetCurrentUnit(units::FindUnit("KG"));
    curve->SetPointerPosition(t.DataToDeviceX(100.0), t.DataToDeviceY(5000.0), 1);
    EXPECT_EQ(curve->GetSymbol().label.text, "(100.00in, 2,268.0kg)");
    // Without coordinates only the position is kept.
    curve->SetPointerPosition(1.0, 1.0, 0);
    EXPECT_EQ(curve->GetSymbol().label.text, "(100.00in, 2,268.0kg)");
    EXPECT_EQ(curve->PointerX(), 1.0);
}

TEST_F(CardPlotTest, AxesFollowTheDisplayUnit) {
    EXPECT_EQ(LastYLabel(), "10000");
    units::UnitsManager()->FindCategory("SMALL_WEIGHT")->SetCurrentUnit(units::FindUnit("KG"));
    for (const auto& axis : plot.Axes()) {
        axis->SetDirty();  // what a window does on a unit change
    }
    plot.Layout(g, 0, 0, 600, 400);
    const CAxis* y = plot.FindAxis("YAxis");
    // 0..10000 lb is 0..4536 kg: ticks every 1000 kg, the last one inside the span at 4000.
    EXPECT_EQ(LastYLabel(), "4000");
    const double lb = units::Convert(4000.0, "KG", "LB");
    EXPECT_NEAR(y->GridValues().back(), lb, 1e-6);
    EXPECT_NEAR(y->MajorTicks().back().position, curve->GetTransform().DataToDeviceY(lb), 1e-9);
}

TEST_F(CardPlotTest, TitleClickOffersTheCategoryUnits) {
    auto* axis = dynamic_cast<CDCLAxis*>(plot.FindAxis("YAxis"));
    ASSERT_NE(axis, nullptr);
    const std::vector<std::string> names = axis->UnitNames();
    ASSERT_GE(names.size(), 2u);
    MenuWindow window;
    plot.SetWindow(&window);
    // Without a visible title nothing opens.
    plot.HandleMouse(kRightButtonDown, 50, 100, &window);
    EXPECT_TRUE(window.menus.empty());

    axis->GetTitle().visible = 1;
    axis->GetTitle().SetText("lb");
    RecordingGraphics draw;
    plot.Draw(draw, RectF{0, 0, 600, 400});
    const RectF title = axis->GetTitleRect();
    ASSERT_GT(title.w, 0.0);
    window.pick = units::FindUnit("KG")->GetSymbol();
    plot.HandleMouse(kRightButtonDown, title.x + 1, title.y + title.h / 2, &window);
    ASSERT_EQ(window.menus.size(), 1u);
    EXPECT_EQ(window.menus[0], names);
    EXPECT_EQ(yObject.GetCategory()->GetCurrentUnit()->GetKey(), "KG");
}

TEST(DCLAxisMenu, ASingleUnitCategoryShowsNoMenu) {
    units::ShutdownUnitsLibrary();
    units::StartUnitsLibrary("OILFIELD");
    units::CUnitsCategory* one = units::UnitsManager()->AddCategory("ONE_UNIT_TEST", "FT");
    ASSERT_NE(one, nullptr);
    one->ClearAllowedUnits();
    one->AddAllowedUnit("FT");
    units::CDataObject object;
    object.SetUnits("FT", "ONE_UNIT_TEST");
    CDCLAxis axis("A", nullptr, kDockBottom, &object);
    EXPECT_EQ(axis.UnitNames().size(), 1u);
    MenuWindow window;
    EXPECT_FALSE(axis.ShowUnitMenu(0, 0, &window, axis.UnitNames()));
    EXPECT_TRUE(window.menus.empty());
    units::ShutdownUnitsLibrary();
}

struct UnitTextCase {
    const char* key;
    bool ySide;
    const char* text;
};

TEST(DCLReadOut, UnitTexts) {
    // clang-format off
    const UnitTextCase cases[] = {
        {"F", true, "\xC2\xB0" "F"}, {"F", false, "f"},
        {"C", true, "\xC2\xB0" "C"}, {"C", false, "c"},
        {"BBL_D", true, "bbl/d"},    {"BBL_D", false, "bbl/d"},
        {"INLB", true, "in-lb"},     {"INLB", false, "inlb"},
        {"IN_S", true, "in/s"},      {"", true, ""},
    };
    // clang-format on
    for (const UnitTextCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + (c.ySide ? " on Y" : " on X"));
        EXPECT_EQ(CDCLDataAreaCurve2D::UnitText(c.key, c.ySide), c.text);
    }
}

}  // namespace
}  // namespace plot
