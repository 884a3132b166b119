#pragma once

#include "calculators/qt/calculator_dlg.h"
#include "calculators/temperature_plot.h"
#include "calculators/tubing_anchor_state.h"
#include "units/dependent_control.h"

#include <vector>

class QComboBox;
class QPushButton;
class QScrollArea;
class QToolButton;
class QWidget;

namespace plot {
class CPlotWnd;
}

namespace calc {

/// The tubing anchor catcher design: 27 inputs, four lists and a list of depths give a flowing
/// temperature profile and the forces the anchor must hold, as pickup weights and lengths.
/// However the dialog ends, its state goes back to the design as the saved tubing anchor list.
class CTubingAnchorCatcherDlg : public CCalculatorDlg {
    Q_OBJECT

public:
    /// Opens with the defaults and the design's values, or, when the design holds a saved
    /// list, with that list restored over everything but the tubing row. Results stay hidden
    /// until the first Calculate either way.
    CTubingAnchorCatcherDlg(const TubingAnchorOpening& opening,
                            const std::vector<double>* savedList, const std::string& designTitle,
                            QWidget* parent = nullptr);
    ~CTubingAnchorCatcherDlg() override;

    /// The saved tubing anchor list the main window takes back.
    std::vector<double> GetSavedList() const { return m_state.SavedList(); }
    const TubingAnchorState& GetState() const { return m_state; }
    bool IsCalculated() const { return m_calculated; }

    /// Commits the edits and the lists, computes, shows the results and the plot; false when
    /// an edit refused its text or the inputs cannot be computed (a message says which).
    bool Calculate();
    /// Adds the depth typed into the Depth edit (in its display unit).
    void AddDepth();
    /// Removes the depth shown by entry index.
    void RemoveDepth(std::size_t index);
    void RemoveAllDepths();

    units::CExEdit* InputEdit(AnchorInput input) const {
        return m_inputEdits[static_cast<std::size_t>(input)];
    }
    units::CExStatic* ResultLabel(AnchorResult result) const {
        return m_resultLabels[static_cast<std::size_t>(result)];
    }
    units::CExEdit* DepthEdit() const { return m_depthEdit; }
    QComboBox* TubingList() const { return m_tubingList; }
    QComboBox* CasingList() const { return m_casingList; }
    QComboBox* FluidFlowList() const { return m_fluidFlowList; }
    QComboBox* AnnulusFluidList() const { return m_annulusList; }
    QPushButton* CalculateButton() const { return m_calculate; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveAllButton() const { return m_removeAll; }
    QWidget* ResultsArea() const { return m_resultsArea; }
    /// The depth entries shown, in order, and their remove buttons.
    std::vector<QString> DepthEntryTexts() const;
    QToolButton* DepthRemoveButton(std::size_t index) const;
    plot::CPlotWnd* PlotWindow() const { return m_plotWnd; }
    TemperaturePlot& Plot() { return m_plot; }

    /// Text of a tubing table row as the size lists show it.
    static QString TubingRowText(std::int32_t row);

protected:
    std::unique_ptr<report::CReportMgr> MakeReport() override;
    void AfterReport() override;

private:
    // Rewrites the depth entries when the depth unit changes anywhere in the program.
    class DepthEntriesRefresher : public units::DependentControl {
    public:
        explicit DepthEntriesRefresher(CTubingAnchorCatcherDlg& dialog) : m_dialog(dialog) {}
        bool refreshFromData() override;

    private:
        CTubingAnchorCatcherDlg& m_dialog;
    };

    void BuildInputs(QWidget* left);
    void BuildResults(QWidget* right);
    void BuildDepths();
    void SyncDepthEntries();
    void TakeLists();
    void AfterDepthChange();

    TubingAnchorState m_state;
    TemperaturePlot m_plot;
    bool m_calculated = false;
    double m_depthToAdd = 0.0;  // ft
    std::vector<units::CDataObject*> m_inputObjects;
    std::vector<units::CDataObject*> m_resultObjects;
    std::vector<units::CExEdit*> m_inputEdits;
    std::vector<units::CExStatic*> m_resultLabels;
    units::CDataObject* m_depthObject = nullptr;
    units::CExEdit* m_depthEdit = nullptr;
    QComboBox* m_tubingList = nullptr;
    QComboBox* m_casingList = nullptr;
    QComboBox* m_fluidFlowList = nullptr;
    QComboBox* m_annulusList = nullptr;
    QWidget* m_resultsArea = nullptr;
    plot::CPlotWnd* m_plotWnd = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_removeAll = nullptr;
    QScrollArea* m_depthScroll = nullptr;
    QWidget* m_depthEntries = nullptr;
    std::vector<QWidget*> m_entries;
    DepthEntriesRefresher m_refresher{*this};
};

}  // namespace calc
