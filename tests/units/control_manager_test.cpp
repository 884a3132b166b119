#include "units/control_manager.h"

#include "library_fixture.h"
#include "units/data_manager.h"
#include "units/dependent_control.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using units::CControlManager;

class FakeControl : public units::DependentControl {
public:
    explicit FakeControl(std::vector<std::string>* log = nullptr, std::string name = "")
        : m_log(log), m_name(std::move(name)) {}
    bool refreshFromData() override {
        ++refreshes;
        if (m_log != nullptr) {
            m_log->push_back(m_name);
        }
        if (onRefresh) {
            onRefresh();
        }
        return answer;
    }
    bool hasWindow() const override { return live; }
    bool commitEdit(bool, bool) override {
        ++commits;
        return accept;
    }

    int refreshes = 0;
    int commits = 0;
    bool answer = true;
    bool live = true;
    bool accept = true;
    std::function<void()> onRefresh;

private:
    std::vector<std::string>* m_log;
    std::string m_name;
};

TEST(ControlManager, RefreshesDependentsOfTheKeyAndTheNullKey) {
    CControlManager manager;
    int objectKey = 0;
    int otherKey = 0;
    std::vector<std::string> log;
    FakeControl a(&log, "a");
    FakeControl b(&log, "b");
    FakeControl everywhere(&log, "null");
    FakeControl unrelated(&log, "other");
    manager.RegisterControl(&objectKey, &a);
    manager.RegisterControl(&objectKey, &b);
    manager.RegisterControl(&otherKey, &a);  // a second key does not refresh a twice
    manager.RegisterControl(nullptr, &everywhere);
    manager.RegisterControl(&otherKey, &unrelated);

    EXPECT_TRUE(manager.RefreshDependents(&objectKey, &b, true));
    EXPECT_EQ(log, (std::vector<std::string>{"null", "a"}));

    log.clear();
    b.answer = false;
    EXPECT_FALSE(manager.RefreshDependents(&objectKey, nullptr, true));
    EXPECT_EQ(log.size(), 3u);

    log.clear();
    manager.RefreshDependents(nullptr, nullptr, true);  // every control
    EXPECT_EQ(log.size(), 4u);

    log.clear();
    a.live = false;  // no window: skipped
    manager.RefreshDependents(&objectKey, nullptr, true);
    EXPECT_EQ(log, (std::vector<std::string>{"null", "b"}));
}

TEST(ControlManager, DeferredRefreshWaitsAndSkipsDestroyedControls) {
    CControlManager manager;
    int key = 0;
    int posts = 0;
    manager.SetPostHook([&] { ++posts; });
    FakeControl stays;
    auto goes = std::make_unique<FakeControl>();
    manager.RegisterControl(&key, &stays);
    manager.RegisterControl(&key, goes.get());

    EXPECT_TRUE(manager.RefreshDependents(&key, nullptr, false));
    manager.RefreshDependents(&key, nullptr, false);
    EXPECT_EQ(posts, 1);  // one post while the queue is pending
    EXPECT_EQ(stays.refreshes, 0);

    manager.UnregisterControl(goes.get());
    goes.reset();
    manager.DeliverPosted();
    EXPECT_EQ(stays.refreshes, 1);
    EXPECT_FALSE(manager.HasPosted());
    EXPECT_EQ(manager.GetControlCount(), 1u);
}

TEST(ControlManager, ControlDestroyedDuringARefreshIsSkipped) {
    CControlManager manager;
    int key = 0;
    FakeControl first;
    auto second = std::make_unique<FakeControl>();
    FakeControl* secondRaw = second.get();
    first.onRefresh = [&] {
        manager.UnregisterControl(secondRaw);
        second.reset();
    };
    manager.RegisterControl(&key, &first);
    manager.RegisterControl(&key, secondRaw);
    EXPECT_TRUE(manager.RefreshDependents(&key, nullptr, true));
    EXPECT_EQ(first.refreshes, 1);
}

TEST(ControlManager, FocusedControlCommitsUnlessValidating) {
    CControlManager manager;
    EXPECT_TRUE(manager.CommitFocusedControl());  // nothing focused
    FakeControl edit;
    manager.RegisterControl(nullptr, &edit);
    manager.SetFocusedControl(&edit);
    edit.accept = false;
    EXPECT_FALSE(manager.CommitFocusedControl());
    {
        units::ValidatingScope scope(manager);
        EXPECT_TRUE(manager.IsValidating());
        EXPECT_TRUE(manager.CommitFocusedControl());  // no second validation
    }
    EXPECT_FALSE(manager.IsValidating());
    EXPECT_EQ(edit.commits, 1);
    manager.UnregisterControl(&edit);
    EXPECT_EQ(manager.GetFocusedControl(), nullptr);
}

class LibraryRefresh : public unitstest::LibraryTest {};

TEST_F(LibraryRefresh, UnitChangeRefreshesControlsOfTheCategory) {
    CControlManager& controls = *units::ControlManager();
    FakeControl depthLabel;
    FakeControl loadLabel;
    controls.RegisterControl(Manager().FindCategory("DEPTH_TENTH"), &depthLabel);
    controls.RegisterControl(Manager().FindCategory("SMALL_WEIGHT"), &loadLabel);
    Manager().SetUnitForCaption("Depth", Manager().FindUnit("M"));
    EXPECT_EQ(depthLabel.refreshes, 1);
    EXPECT_EQ(loadLabel.refreshes, 0);
    controls.UnregisterControl(&depthLabel);
    controls.UnregisterControl(&loadLabel);
}

TEST_F(LibraryRefresh, PlotWindowsHearEveryTableCategory) {
    FakeControl plotWindow;
    units::RegisterForUnitChanges(&plotWindow);
    Manager().FindCategory("TORQUE")->SetCurrentUnit(Manager().FindUnit("NM"));
    Manager().FindCategory("LENGTH")->SetCurrentUnit(Manager().FindUnit("M"));  // not in table
    EXPECT_EQ(plotWindow.refreshes, 1);
    units::ControlManager()->UnregisterControl(&plotWindow);
}

TEST_F(LibraryRefresh, StartupBuildsOnceAndModesSelectColumns) {
    units::CUnitsManager* first = units::UnitsManager();
    ASSERT_NE(units::DataManager(), nullptr);
    EXPECT_EQ(units::DataManager()->GetRoot()->GetDescription(), "Root");
    units::StartUnitsLibrary("METRIC");
    EXPECT_EQ(units::UnitsManager(), first);  // not rebuilt
    EXPECT_EQ(units::CDCLManager::Instance().GetMode(), units::kModeMetric);
    EXPECT_EQ(Manager().FindCategory("DEPTH")->GetCurrentUnit()->GetKey(), "M");
    EXPECT_EQ(Manager().SystemUnitAt(12), "MT");
    units::StartUnitsLibrary("metric");  // unknown name: mode kept
    EXPECT_EQ(units::CDCLManager::Instance().GetMode(), units::kModeMetric);
    units::StartUnitsLibrary("OILFIELD");
    EXPECT_EQ(Manager().SystemUnitAt(12), "KLB");
}

TEST(Library, BeforeStartupEverythingPassesThrough) {
    units::ShutdownUnitsLibrary();
    EXPECT_EQ(units::UnitsManager(), nullptr);
    EXPECT_EQ(units::FindUnit("FT"), nullptr);
    EXPECT_EQ(units::Convert(5.0, "FT", "M"), 5.0);
    EXPECT_EQ(units::CategoryUnitSymbol("DEPTH"), "");
    units::StartUnitsLibrary("OILFIELD");
    EXPECT_NEAR(units::Convert(3.2808399, "FT", "M"), 1.0, 1e-12);
    units::ShutdownUnitsLibrary();
}

}  // namespace
