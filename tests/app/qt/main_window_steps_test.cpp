// The stroke-rate and target-rate steps with the pump efficiency linked to the slippage
// calculator: the efficiency follows the new rate before the design is calculated.
#include "app/case_builder.h"
#include "app/language.h"
#include "app/qt/calculate_button.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/message_service.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "calculators/design_links.h"
#include "calculators/qt/slippage_calculator_dlg.h"
#include "units/preferences_store.h"

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class StepsWithSlippageLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::CLanguageChangeDlg::resetChoice();
        app::MessageService::clearRecorded();
        m_window = std::make_unique<app::CZelkDlg>(m_app);
        m_window->show();
        // The link is turned on the way a user does it: the calculator's Use Calculation.
        QTimer::singleShot(0, [] {
            auto* dialog =
                qobject_cast<calc::CSlippageCalculatorDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->UseCalculation();
        });
        m_window->inputs()->slippageLink->click();
        ASSERT_TRUE(m_window->inputs()->slippageLink->isOn());
    }
    void TearDown() override { m_window.reset(); }

    // The efficiency the slippage calculation gives for a design.
    QString expectedEfficiency(const ZelkEngine::DesignCase& design) {
        const calc::SlippageUpdate update =
            calc::RunSlippageUpdate(app::BuildCalculationCase(design, m_window->options()), design,
                                    design.m_pumpIntakePressure);
        EXPECT_TRUE(update.Succeeded());
        return QString::fromStdString(calc::PumpEfficiencyText(update.m_result.m_efficiency));
    }

    units::MemoryPreferencesStore m_store;
    app::CZelkApp m_app{m_store};
    std::unique_ptr<app::CZelkDlg> m_window;
};

TEST_F(StepsWithSlippageLinkTest, StrokeRateStepRecomputesTheEfficiencyThenCalculates) {
    QLineEdit* efficiency = m_window->inputs()->pumpEfficiency;
    const QString atStart = efficiency->text();
    m_window->inputs()->strokeRate->setText(QStringLiteral("4.0"));
    m_window->onStrokeRateStep(1);
    EXPECT_EQ(m_window->inputs()->strokeRate->text(), QStringLiteral("4.1"));
    // Half the stroke rate pumps half as much past the same slippage.
    EXPECT_NE(efficiency->text(), atStart);
    EXPECT_EQ(efficiency->text(), expectedEfficiency(m_window->designFromControls()));
    EXPECT_TRUE(m_window->inputs()->slippageLink->isOn());
    EXPECT_TRUE(m_window->hasResults());
    EXPECT_EQ(m_window->lastCalculation().Settings.PumpEfficiency, efficiency->text().toDouble());
}

TEST_F(StepsWithSlippageLinkTest, TargetRateStepRecomputesTheEfficiencyThenCalculates) {
    m_window->inputs()->fromTargetRate->click();
    ASSERT_TRUE(m_window->calculate());
    // The update runs before Calculate, on the stepped target and the efficiency shown then.
    ZelkEngine::DesignCase stepped = m_window->designFromControls();
    stepped.m_targetRate -= 5.0;
    const QString expected = expectedEfficiency(stepped);
    m_window->onTargetRateStep(-1);
    EXPECT_DOUBLE_EQ(m_window->design().m_targetRate, stepped.m_targetRate);
    EXPECT_EQ(m_window->inputs()->pumpEfficiency->text(), expected);
    EXPECT_TRUE(m_window->hasResults());
}

}  // namespace
