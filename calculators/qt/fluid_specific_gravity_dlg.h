#pragma once

#include "calculators/fluid_specific_gravity.h"
#include "calculators/qt/calculator_dlg.h"

class QPushButton;

namespace calc {

/// The tubing fluid specific gravity calculator: oil gravity, water cut and water specific
/// gravity give the gravity of the liquid column; "Use Calculation" hands it back.
class CFluidSpecificGravityDlg : public CCalculatorDlg {
    Q_OBJECT

public:
    /// Opens with the design's calculator inputs and its current fluid specific gravity; the
    /// result shown at once is computed without checking the inputs.
    CFluidSpecificGravityDlg(const FluidSpecificGravityCase& fluid, double fluidSpecificGravity,
                             const std::string& designTitle, QWidget* parent = nullptr);
    ~CFluidSpecificGravityDlg() override;

    /// The values the main window takes back after "Use Calculation".
    const FluidSpecificGravityCase& GetFluid() const { return m_fluid; }
    double GetFluidSpecificGravity() const { return m_fluidSpecificGravity; }

    /// Commits and checks the inputs; shows the result, or the list of invalid inputs.
    bool Calculate();
    /// Calculate, then close with OK when the inputs passed.
    void UseCalculation();

    QPushButton* CalculateButton() const { return m_calculate; }
    QPushButton* UseCalculationButton() const { return m_use; }
    QPushButton* CancelButton() const { return m_cancel; }
    units::CExEdit* OilGravityEdit() const { return m_oilGravityEdit; }
    units::CExEdit* WaterCutEdit() const { return m_waterCutEdit; }
    units::CExEdit* WaterSpecificGravityEdit() const { return m_waterGravityEdit; }
    units::CExStatic* ResultLabel() const { return m_resultLabel; }

protected:
    std::unique_ptr<report::CReportMgr> MakeReport() override;

private:
    FluidSpecificGravityCase m_fluid;
    double m_fluidSpecificGravity;
    units::CDataObject* m_oilGravity = nullptr;
    units::CDataObject* m_waterCut = nullptr;
    units::CDataObject* m_waterGravity = nullptr;
    units::CDataObject* m_result = nullptr;
    units::CExEdit* m_oilGravityEdit = nullptr;
    units::CExEdit* m_waterCutEdit = nullptr;
    units::CExEdit* m_waterGravityEdit = nullptr;
    units::CExStatic* m_resultLabel = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace calc
