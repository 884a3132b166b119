#include "plot/qt/dcl_plot_wnd.h"

#include "plot/dcl_plot.h"
#include "plot/standard_plot.h"
#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/units.h"
#include "units/units_manager.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace plot {
namespace {

class DCLPlotWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::ShutdownUnitsLibrary();
        units::StartUnitsLibrary("OILFIELD");
        xObject = std::make_unique<units::CDataObject>();
        yObject = std::make_unique<units::CDataObject>();
        xObject->SetUnits("IN", "SMALL_LENGTH");
        yObject->SetUnits("LB", "SMALL_WEIGHT");
        plot = std::make_unique<CDCLPlot>();
        BuildStandardPlot(*plot, xObject.get(), yObject.get());
        ReplaceCurve(*plot, "Card", {0.0, 100.0}, {1000.0, 9000.0}, 14, 10);
        wnd = std::make_unique<CDCLPlotWnd>();
        wnd->resize(600, 400);
        wnd->AttachPlot(plot.get());
    }
    void TearDown() override {
        wnd.reset();
        plot.reset();
        xObject.reset();
        yObject.reset();
        units::ShutdownUnitsLibrary();
    }
    std::string LastYLabel() const { return plot->FindAxis("YAxis")->MajorTicks().back().label; }
    void ChangeLoadUnit(const char* key) {
        units::UnitsManager()->SetUnitForCaption("Small Load", units::FindUnit(key));
    }

    std::unique_ptr<units::CDataObject> xObject;
    std::unique_ptr<units::CDataObject> yObject;
    std::unique_ptr<CDCLPlot> plot;
    std::unique_ptr<CDCLPlotWnd> wnd;
};

TEST_F(DCLPlotWndTest, AVisibleWindowRedrawsInTheNewUnit) {
    wnd->show();
    QApplication::processEvents();
    EXPECT_EQ(LastYLabel(), "10000");
    ChangeLoadUnit("KG");
    EXPECT_EQ(LastYLabel(), "4000");
}

TEST_F(DCLPlotWndTest, AnInvisibleWindowIgnoresTheChange) {
    EXPECT_EQ(LastYLabel(), "10000");
    ChangeLoadUnit("KG");
    EXPECT_EQ(LastYLabel(), "10000");
}

TEST_F(DCLPlotWndTest, ADestroyedWindowIsNoLongerRefreshed) {
    wnd.reset();
    ChangeLoadUnit("KG");  // must not reach the destroyed window
    EXPECT_EQ(units::ControlManager()->GetControlCount(), 0u);
}

}  // namespace
}  // namespace plot
