#pragma once

#include "calculators/patterson_slippage.h"
#include "calculators/qt/calculator_dlg.h"
#include "calculators/slippage_plot.h"

class QPushButton;

namespace plot {
class CPlotWnd;
}

namespace calc {

/// The pump slippage calculator: the Patterson equation turns plunger clearance, fluid
/// viscosity and plunger length into slippage and a pump volumetric efficiency, with the
/// slippage plotted over ten clearances. "Use Calculation" hands back the efficiency and the
/// three user inputs.
class CSlippageCalculatorDlg : public CCalculatorDlg {
    Q_OBJECT

public:
    /// Opens with the design's values and the pump displacement of an engine run; outputs and
    /// plot are computed at once, without messages.
    CSlippageCalculatorDlg(const SlippageCase& pump, const std::string& designTitle,
                           QWidget* parent = nullptr);
    ~CSlippageCalculatorDlg() override;

    const SlippageCase& GetInputs() const { return m_inputs; }
    const SlippageResult& GetResult() const { return m_result; }
    double GetEfficiency() const { return m_result.m_efficiency; }

    /// Input check, computation, outputs and plot, result check; false when the inputs were
    /// refused or the result cannot be used.
    bool Calculate();
    /// Calculate, then close with OK while "Use Calculation" stays enabled.
    void UseCalculation();

    QPushButton* CalculateButton() const { return m_calculate; }
    QPushButton* UseCalculationButton() const { return m_use; }
    QPushButton* CancelButton() const { return m_cancel; }
    units::CExEdit* ClearanceEdit() const { return m_clearanceEdit; }
    units::CExEdit* ViscosityEdit() const { return m_viscosityEdit; }
    units::CExEdit* PlungerLengthEdit() const { return m_plungerEdit; }
    units::CExEdit* DisplacementEdit() const { return m_displacementEdit; }
    units::CExStatic* EfficiencyLabel() const { return m_efficiencyLabel; }
    plot::CPlotWnd* PlotWindow() const { return m_plotWnd; }
    SlippagePlot& Plot() { return m_plot; }

protected:
    std::unique_ptr<report::CReportMgr> MakeReport() override;
    void AfterReport() override;

private:
    void Compute();
    /// Enables "Use Calculation" when the result passes; returns the messages.
    CheckMessages CheckResult();

    SlippageCase m_inputs;
    SlippageResult m_result;
    SlippagePlot m_plot;
    units::CDataObject* m_pumpDiameter = nullptr;
    units::CDataObject* m_pumpDepth = nullptr;
    units::CDataObject* m_tubingPressure = nullptr;
    units::CDataObject* m_intakePressure = nullptr;
    units::CDataObject* m_strokeRate = nullptr;
    units::CDataObject* m_displacement = nullptr;
    units::CDataObject* m_gravity = nullptr;
    units::CDataObject* m_clearance = nullptr;
    units::CDataObject* m_viscosity = nullptr;
    units::CDataObject* m_plungerLength = nullptr;
    units::CDataObject* m_slippage = nullptr;
    units::CDataObject* m_efficiency = nullptr;
    units::CDataObject* m_pressureDifferential = nullptr;
    units::CDataObject* m_gradient = nullptr;
    units::CExEdit* m_clearanceEdit = nullptr;
    units::CExEdit* m_viscosityEdit = nullptr;
    units::CExEdit* m_plungerEdit = nullptr;
    units::CExEdit* m_displacementEdit = nullptr;
    units::CExStatic* m_efficiencyLabel = nullptr;
    plot::CPlotWnd* m_plotWnd = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace calc
