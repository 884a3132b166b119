#pragma once

#include "calculators/qt/calculator_dlg.h"
#include "calculators/sinker_bar_sizing.h"

class QPushButton;

namespace calc {

/// The sinker bar calculator: from the pump, the fluid and the bar diameter it sizes the
/// sinker bars; "Use Calculation" hands back the recommended weight and the bar diameter.
class CSinkerBarCalculatorDlg : public CCalculatorDlg {
    Q_OBJECT

public:
    /// Opens with the design's values and the inner diameter (in) of its tubing row; the
    /// outputs are computed at once without the diameter check.
    CSinkerBarCalculatorDlg(const SinkerBarCase& sinker, double tubingInnerDiameter,
                            const std::string& designTitle, QWidget* parent = nullptr);
    ~CSinkerBarCalculatorDlg() override;

    const SinkerBarCase& GetInputs() const { return m_inputs; }
    const SinkerBarResult& GetResult() const { return m_result; }
    /// What "Use Calculation" hands back: the total sinker bar weight (lb) and bar diameter (in).
    double GetRecommendedWeight() const { return m_result.m_recommendedWeight; }
    double GetSinkerBarDiameter() const { return m_inputs.m_sinkerBarDiameter; }

    /// Commits the inputs and checks the bar diameter; shows the outputs or the message.
    bool Calculate();
    void UseCalculation();

    QPushButton* CalculateButton() const { return m_calculate; }
    QPushButton* UseCalculationButton() const { return m_use; }
    QPushButton* CancelButton() const { return m_cancel; }
    units::CExEdit* SinkerBarDiameterEdit() const { return m_diameterEdit; }
    units::CExEdit* PumpDepthEdit() const { return m_depthEdit; }
    units::CExStatic* RecommendedWeightLabel() const { return m_recommendedWeightLabel; }
    units::CExStatic* RecommendedLengthLabel() const { return m_recommendedLengthLabel; }

protected:
    std::unique_ptr<report::CReportMgr> MakeReport() override;

private:
    void Compute();

    SinkerBarCase m_inputs;
    SinkerBarResult m_result;
    double m_tubingInnerDiameter;
    units::CDataObject* m_pumpDiameter = nullptr;
    units::CDataObject* m_pumpDepth = nullptr;
    units::CDataObject* m_sinkerBarDiameter = nullptr;
    units::CDataObject* m_requiredWeight = nullptr;
    units::CDataObject* m_requiredLength = nullptr;
    units::CDataObject* m_recommendedWeight = nullptr;
    units::CDataObject* m_recommendedLength = nullptr;
    units::CExEdit* m_diameterEdit = nullptr;
    units::CExEdit* m_depthEdit = nullptr;
    units::CExStatic* m_recommendedWeightLabel = nullptr;
    units::CExStatic* m_recommendedLengthLabel = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace calc
