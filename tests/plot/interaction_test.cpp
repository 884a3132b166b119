#include "plot/plot.h"
#include "plot/plot_notification_relay.h"
#include "plot/recording_graphics.h"
#include "plot/standard_plot.h"

#include <gtest/gtest.h>

namespace plot {
namespace {

/// A window stand-in: records notifications and answers menus with a fixed choice.
class FakeWindow : public PlotWindow {
public:
    int TrackPopupMenu(double, double, const std::vector<std::string>& items) override {
        menus.push_back(items);
        return choice;
    }
    void OnPlotNotification(const CPlotNotification& n) override { codes.push_back(n.code); }
    int Count(int code) const {
        return static_cast<int>(std::count(codes.begin(), codes.end(), code));
    }

    int choice = 0;
    std::vector<std::vector<std::string>> menus;
    std::vector<int> codes;
};

/// A standard plot of two tracking curves drawn into 600 x 400.
class PointerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        BuildStandardPlot(plot, nullptr, nullptr);
        // Device points: x 0..100 -> 80..580 (range 0..120), y 0..10000 -> 300..60.
        low = ReplaceCurve(plot, "Low", {0.0, 50.0, 100.0}, {1000.0, 1000.0, 1000.0}, 0, 0);
        high = ReplaceCurve(plot, "High", {0.0, 50.0, 100.0}, {9000.0, 9000.0, 9000.0}, 0, 0);
        plot.SetWindow(&window);
        plot.Layout(g, 0, 0, 600, 400);
    }
    double Dx(double v) const { return low->GetTransform().DataToDeviceX(v); }
    double Dy(double v) const { return low->GetTransform().DataToDeviceY(v); }

    CPlot plot;
    RecordingGraphics g;
    FakeWindow window;
    CDataAreaCurve* low = nullptr;
    CDataAreaCurve* high = nullptr;
};

TEST_F(PointerFixture, AResizeForgetsTheMarkers) {
    // ReplaceCurve placed the markers at (0, 0); the first layout pass drops them.
    EXPECT_EQ(low->PointerX(), -1.0);
    EXPECT_EQ(high->PointerY(), -1.0);
}

TEST_F(PointerFixture, TheMarkerGoesToTheNearestCurveOnly) {
    plot.HandleMouse(kMouseMove, Dx(52.0), Dy(8000.0));
    EXPECT_DOUBLE_EQ(high->PointerX(), Dx(50.0));
    EXPECT_DOUBLE_EQ(high->PointerY(), Dy(9000.0));
    EXPECT_EQ(low->PointerX(), -1.0);
    EXPECT_EQ(high->GetSymbol().label.text, "(50, 9000)");  // no units library started
    EXPECT_EQ(window.Count(kNotifyMouseEnter), 1);
    EXPECT_EQ(window.Count(kNotifyPointerMoved), 1);
    // Moving closer to the other curve moves the marker there and clears this one.
    plot.HandleMouse(kMouseMove, Dx(98.0), Dy(2000.0));
    EXPECT_DOUBLE_EQ(low->PointerX(), Dx(100.0));
    EXPECT_EQ(high->PointerX(), -1.0);
    EXPECT_EQ(window.Count(kNotifyPointerMoved), 2);
    // Staying near the same point raises nothing new.
    plot.HandleMouse(kMouseMove, Dx(99.0), Dy(2000.0));
    EXPECT_EQ(window.Count(kNotifyPointerMoved), 2);
}

TEST_F(PointerFixture, RightClickWithinFivePixelsOpensTheLockMenu) {
    plot.HandleMouse(kMouseMove, Dx(50.0), Dy(9000.0));
    const double mx = high->PointerX();
    const double my = high->PointerY();
    plot.HandleMouse(kRightButtonDown, mx + 6.0, my + 6.0);
    EXPECT_TRUE(window.menus.empty());
    EXPECT_EQ(window.Count(kNotifyRightButton), 1);
    plot.HandleMouse(kRightButtonUp, mx + 6.0, my + 6.0);
    plot.HandleMouse(kRightButtonDown, mx + 5.0, my - 5.0);
    ASSERT_EQ(window.menus.size(), 1u);
    EXPECT_EQ(window.menus[0], std::vector<std::string>{"Lock"});
    EXPECT_EQ(plot.IsPointerLocked(), 1);
    EXPECT_EQ(window.Count(kNotifyPointerLock), 1);
    EXPECT_EQ(window.Count(kNotifyRightButton), 1);  // the lock menu consumed the click

    // While locked the marker stays and no move is reported.
    const int moves = window.Count(kNotifyPointerMoved);
    plot.HandleMouse(kMouseMove, Dx(0.0), Dy(1000.0));
    EXPECT_DOUBLE_EQ(high->PointerX(), mx);
    EXPECT_EQ(low->PointerX(), -1.0);
    EXPECT_EQ(window.Count(kNotifyPointerMoved), moves);

    plot.HandleMouse(kRightButtonDown, mx, my);
    ASSERT_EQ(window.menus.size(), 2u);
    EXPECT_EQ(window.menus[1], std::vector<std::string>{"Unlock"});
    EXPECT_EQ(plot.IsPointerLocked(), 0);
}

TEST_F(PointerFixture, DragsAndLeavingStopTracking) {
    plot.HandleMouse(kLeftButtonDown, Dx(50.0), Dy(9000.0));
    plot.HandleMouse(kMouseMove, Dx(50.0), Dy(9000.0));
    EXPECT_EQ(high->PointerX(), -1.0);
    plot.HandleMouse(kLeftButtonUp, Dx(50.0), Dy(9000.0));
    plot.HandleMouse(kMouseLeave, 0, 0);
    EXPECT_EQ(plot.IsTracking(), 0);
    EXPECT_EQ(window.Count(kNotifyMouseLeave), 1);
    plot.HandleMouse(kLeftButtonDoubleClick, 10, 10);
    EXPECT_EQ(window.Count(kNotifyDoubleClick), 1);
}

TEST_F(PointerFixture, ContextMenuCommandsCarryThePoint) {
    plot.SetContextMenu(true, {"Copy", "Print"});
    plot.ActionNames() = {"DefaultPlotAction: Pan"};
    window.choice = 1;
    plot.HandleMouse(kRightButtonDown, 30.0, 20.0);
    ASSERT_EQ(window.menus.size(), 1u);
    EXPECT_EQ(window.menus[0],
              (std::vector<std::string>{"Copy", "Print", "", "DefaultPlotAction: Pan"}));
    EXPECT_EQ(plot.GetLastCommand(), "Print");
    EXPECT_EQ(window.Count(kNotifyMenuCommand), 1);
}

TEST(Notifications, CurveChangesStayInsideThePlot) {
    CPlot plot;
    FakeWindow window;
    plot.SetWindow(&window);
    BuildStandardPlot(plot, nullptr, nullptr);
    ReplaceCurve(plot, "A", {0.0, 1.0}, {0.0, 1.0}, 0, 0);
    ReplaceCurve(plot, "A", {0.0, 1.0}, {0.0, 2.0}, 0, 0);
    EXPECT_TRUE(window.codes.empty());
    EXPECT_EQ(plot.FindDataArea("DataArea")->Curves().size(), 1u);
}

class CountingListener : public PlotListener {
public:
    void OnPlotEvent(const CPlotNotification& n) override { codes.push_back(n.code); }
    std::vector<int> codes;
};

TEST(NotificationRelay, ForwardsByCodeAndDropsUnheardOnes) {
    CPlotNotificationRelay relay;
    int redraws = 0;
    bool updateNow = false;
    int captures = 0;
    relay.onRedraw = [&](bool now) {
        ++redraws;
        updateNow = now;
    };
    relay.onCaptureMouse = [&] { ++captures; };
    CountingListener a;
    CountingListener b;
    relay.AddListener(kNotifyPointerMoved, &a);
    relay.AddListener(kNotifyPointerMoved, &a);
    relay.AddListener(kNotifyPointerMoved, &b);
    relay.AddListener(kNotifyDoubleClick, &b);

    CPlotNotification n;
    n.code = kNotifyPointerMoved;
    EXPECT_EQ(relay.Deliver(n), 2u);
    n.code = kNotifyMouseEnter;
    EXPECT_EQ(relay.Deliver(n), 0u);  // nobody listens: dropped
    n.code = kNotifyRedraw;
    n.args = {1};
    EXPECT_EQ(relay.Deliver(n), 0u);
    n.code = kNotifyCaptureMouse;
    relay.Deliver(n);
    relay.RemoveListener(&b);
    n.code = kNotifyDoubleClick;
    EXPECT_EQ(relay.Deliver(n), 0u);
    EXPECT_EQ(a.codes, std::vector<int>{kNotifyPointerMoved});
    EXPECT_EQ(b.codes, std::vector<int>{kNotifyPointerMoved});
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(updateNow);
    EXPECT_EQ(captures, 1);
    relay.onReleaseMouse = nullptr;
    n.code = kNotifyReleaseMouse;
    relay.Deliver(n);  // no handler set: nothing happens
}

}  // namespace
}  // namespace plot
