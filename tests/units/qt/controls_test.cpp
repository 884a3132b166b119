#include "library_fixture.h"
#include "units/data_manager.h"
#include "units/data_object.h"
#include "units/qt/commit_guard.h"
#include "units/qt/control_binding.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"
#include "units/qt/units_ctrl.h"

#include <memory>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using units::CDataObject;

// A dialog with a depth field, as the main window builds one. Widgets die before the
// library shuts down.
class Controls : public unitstest::LibraryTest {
protected:
    void SetUp() override {
        unitstest::LibraryTest::SetUp();
        m_depth.SetName("Pump depth");
        m_depth.SetDescription("Pump depth");
        m_depth.SetUnits("FT", "DEPTH");
        m_depth.InitValue(&m_depthFt);
        m_depth.SetRange(0.0, 20000.0, units::kLimitError);
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_edit = new units::CExEdit(m_window.get());
        m_other = new units::CExEdit(m_window.get());
        m_label = new units::CExStatic(m_window.get());
        m_unit = new units::CUnitsCtrl(m_window.get());
        layout->addWidget(m_edit);
        layout->addWidget(m_other);
        layout->addWidget(m_label);
        layout->addWidget(m_unit);
        m_edit->Bind(&m_depth, 0, m_window.get());
        m_label->Bind(&m_depth, 0, m_window.get());
        m_unit->Bind(&m_depth, m_window.get());
    }
    void TearDown() override {
        m_window.reset();
        unitstest::LibraryTest::TearDown();
    }
    QString Text(const std::string& text) { return QString::fromStdString(text); }

    double m_depthFt = 5000.0;
    CDataObject m_depth;
    std::unique_ptr<QWidget> m_window;
    units::CExEdit* m_edit = nullptr;
    units::CExEdit* m_other = nullptr;
    units::CExStatic* m_label = nullptr;
    units::CUnitsCtrl* m_unit = nullptr;
};

TEST_F(Controls, BoundControlsShowTheValueAndUnit) {
    EXPECT_EQ(m_edit->text(), QStringLiteral("5,000"));
    EXPECT_EQ(m_label->text(), QStringLiteral("5,000"));
    EXPECT_EQ(m_unit->GetText(), QStringLiteral("ft"));
}

TEST_F(Controls, CommitStoresValidTextAndRefreshesEveryBoundControl) {
    m_edit->setText(QStringLiteral(" 1250 "));
    EXPECT_TRUE(m_edit->hasPendingEdit());
    EXPECT_TRUE(m_edit->commitEdit(true, true));
    EXPECT_EQ(m_depthFt, 1250.0);
    EXPECT_EQ(m_edit->text(), QStringLiteral("1,250"));  // rewritten in the display format
    EXPECT_EQ(m_label->text(), QStringLiteral("1,250"));
    EXPECT_TRUE(m_depth.GetModified());

    // Committing the same text again changes nothing.
    m_depth.SetModified(0);
    EXPECT_TRUE(m_edit->commitEdit(true, true));
    EXPECT_FALSE(m_depth.GetModified());
}

TEST_F(Controls, RefusedTextStaysAsTypedAndIsReported) {
    for (const char* typed : {"12a", "25000"}) {
        SCOPED_TRACE(typed);
        m_notifier.messages.clear();
        m_edit->setText(QString::fromLatin1(typed));
        EXPECT_FALSE(m_edit->commitEdit(true, true));
        EXPECT_EQ(m_edit->text(), QString::fromLatin1(typed));
        EXPECT_EQ(m_depthFt, 5000.0);
        EXPECT_EQ(m_notifier.messages.size(), 1u);
        EXPECT_FALSE(units::IsValidating());
    }
}

TEST_F(Controls, IntegerFieldsDropOtherCharactersWhileTyping) {
    std::int32_t count = 0;
    CDataObject integers;
    integers.InitValue(&count);
    units::CExEdit edit;
    edit.Bind(&integers);
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("1a2.b-3"));
    EXPECT_EQ(edit.text(), QStringLiteral("12-3"));

    m_edit->clear();
    QTest::keyClicks(m_edit, QStringLiteral("12a"));  // a double field takes it until commit
    EXPECT_EQ(m_edit->text(), QStringLiteral("12a"));
}

TEST_F(Controls, EnterCommitsAndIsSwallowedUnlessPassedOn) {
    m_edit->SetCommitOnEnter(true);
    int callbacks = 0;
    m_edit->SetCommitCallback([&](std::intptr_t, int) { ++callbacks; });
    QSignalSpy passed(m_edit, &QLineEdit::returnPressed);

    QTest::keyClick(m_edit, Qt::Key_Return);  // unchanged: swallowed, no validation
    EXPECT_EQ(passed.count(), 0);
    EXPECT_EQ(callbacks, 0);

    m_edit->setText(QStringLiteral("300"));
    QTest::keyClick(m_edit, Qt::Key_Return);
    EXPECT_EQ(m_depthFt, 300.0);
    EXPECT_EQ(callbacks, 1);
    EXPECT_EQ(passed.count(), 0);

    m_edit->SetPassEnterOn(true);
    m_edit->setText(QStringLiteral("-1"));  // refused: swallowed even when passing on
    QTest::keyClick(m_edit, Qt::Key_Return);
    EXPECT_EQ(passed.count(), 0);
    m_edit->setText(QStringLiteral("400"));
    QTest::keyClick(m_edit, Qt::Key_Return);
    EXPECT_EQ(passed.count(), 1);
}

TEST_F(Controls, UnitMenuOfSortedCategoryAndCaptionWideChange) {
    double dp = 10.0;
    CDataObject differential;
    differential.SetUnits("PSI", "DIFFERENTIALPRESSURE");
    differential.InitValue(&dp);
    units::CUnitsCtrl label;
    label.Bind(&differential);
    EXPECT_EQ(label.MenuKeys(), (std::vector<std::string>{"BAR", "KGF_CM2", "KPA", "PA", "PSI"}));

    std::unique_ptr<QMenu> menu(m_unit->BuildMenu(nullptr));
    ASSERT_NE(menu, nullptr);
    QStringList symbols;
    for (QAction* action : menu->actions()) {
        symbols << action->text();
        EXPECT_EQ(action->isChecked(), action->text() == QStringLiteral("ft"));
    }
    EXPECT_EQ(symbols, (QStringList{QStringLiteral("ft"), QStringLiteral("m")}));

    int unitCallbacks = 0;
    m_depth.SetUnitChangeCallback([&](std::intptr_t, int) { ++unitCallbacks; });
    m_unit->ChooseMenuItem(2);  // "m"
    for (const char* key : {"DEPTH", "DEPTH_TENTH", "DEPTH_HUNDREDTH", "DEPTH_THOUSANDTH"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Manager().FindCategory(key)->GetCurrentUnit()->GetKey(), "M");
    }
    EXPECT_EQ(m_depthFt, 5000.0);  // only the text changes
    EXPECT_EQ(m_edit->text(), QStringLiteral("1,524"));
    EXPECT_EQ(m_unit->GetText(), QStringLiteral("m"));
    EXPECT_EQ(unitCallbacks, 1);
}

TEST_F(Controls, NoMenuForValuesWithoutUnits) {
    double ratio = 1.0;
    CDataObject plain;
    plain.SetUnits("NOUNITS", "NONE");
    plain.InitValue(&ratio);
    units::CUnitsCtrl label;
    label.Bind(&plain);
    EXPECT_TRUE(label.MenuKeys().empty());
    EXPECT_EQ(label.BuildMenu(nullptr), nullptr);
}

TEST_F(Controls, ComboListFollowsTheDisplayUnitAndStoresTheShownValue) {
    double plungerIn = 1.5;
    CDataObject plunger;
    plunger.SetName("m_pDataObjPumpSize");
    plunger.SetUnits("IN", "SMALL_LENGTH_2");
    plunger.InitValue(&plungerIn);
    units::CExCombo combo;
    combo.Bind(&plunger);
    const double sizes[] = {1.25, 1.5, 1.75};
    units::SetComboValues(combo, 3, sizes);
    EXPECT_NE(units::DataManager()->GetRoot()->FindChild("m_pDataObjPumpSizeQUILL"), nullptr);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.currentText(), QStringLiteral("1.500"));

    // Another control of the same value is refreshed later, after the event loop runs.
    units::CExEdit mirror;
    mirror.Bind(&plunger);
    SetUnit("SMALL_LENGTH_2", "CM");
    EXPECT_EQ(combo.itemText(2), QStringLiteral("4.445"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("3.810"));
    combo.setCurrentIndex(2);
    emit combo.activated(2);
    // Parsed back from "4.445" cm: close to, but not exactly, the listed 1.75 in.
    EXPECT_NEAR(plungerIn, 1.75, 1e-4);
    EXPECT_EQ(mirror.text(), QStringLiteral("3.810"));
    QApplication::processEvents();
    EXPECT_EQ(mirror.text(), QStringLiteral("4.445"));

    // A value that is not in the list shows the first item; the value stays.
    plungerIn = 9.0;
    combo.refreshFromData();
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(plungerIn, 9.0);
}

TEST_F(Controls, GuardDropsAClickWhileTheFocusedFieldIsInvalid) {
    auto* button = new QPushButton(QStringLiteral("Calculate"), m_window.get());
    m_window->layout()->addWidget(button);
    QSignalSpy clicks(button, &QPushButton::clicked);
    units::CCommitGuard guard;
    qApp->installEventFilter(&guard);
    m_window->show();
    units::ControlManager()->SetFocusedControl(m_edit);

    m_edit->setText(QStringLiteral("abc"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(m_notifier.messages.size(), 1u);

    m_edit->setText(QStringLiteral("700"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(m_depthFt, 700.0);
    qApp->removeEventFilter(&guard);
}

TEST_F(Controls, LeavingAChangedFieldCommitsIt) {
    int callbacks = 0;
    m_edit->SetCommitCallback([&](std::intptr_t, int) { ++callbacks; });
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_edit->setFocus();
    EXPECT_EQ(units::ControlManager()->GetFocusedControl(), m_edit);
    m_other->setFocus();  // unchanged: no validation, no callback
    EXPECT_EQ(callbacks, 0);

    m_edit->setFocus();
    m_edit->setText(QStringLiteral("2,000"));
    m_other->setFocus();
    EXPECT_EQ(m_depthFt, 2000.0);
    EXPECT_EQ(callbacks, 1);

    m_edit->setFocus();
    m_edit->setText(QStringLiteral("-3"));
    m_other->setFocus();  // refused: the focus goes back
    EXPECT_EQ(m_depthFt, 2000.0);
    EXPECT_TRUE(m_edit->hasFocus());
    EXPECT_EQ(callbacks, 1);
}

TEST_F(Controls, DestroyedControlsLeaveTheRegistry) {
    const std::size_t before = units::ControlManager()->GetControlCount();
    {
        units::CExStatic extra;
        extra.Bind(&m_depth);
        EXPECT_EQ(units::ControlManager()->GetControlCount(), before + 1);
    }
    EXPECT_EQ(units::ControlManager()->GetControlCount(), before);
    SetUnit("DEPTH", "M");  // must not touch the destroyed label
    EXPECT_EQ(m_label->text(), QStringLiteral("1,524"));
}

}  // namespace
