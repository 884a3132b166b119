#pragma once

#include "report/report_mgr.h"

#include <memory>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>

class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QVBoxLayout;

namespace units {
class CDataObject;
class CExEdit;
class CExStatic;
class CUnitsCtrl;
class DependentControl;
}  // namespace units

namespace calc {

/// What the calculator dialogs share: a File menu with Print, Print Preview and Exit that
/// produce the dialog's report, data objects bound to unit-aware edits and labels, and the
/// commit of every edit before a calculation.
class CCalculatorDlg : public QDialog {
    Q_OBJECT

public:
    CCalculatorDlg(const QString& windowTitle, const std::string& designTitle, QWidget* parent);
    ~CCalculatorDlg() override;

    QAction* PrintAction() const { return m_printAction; }
    QAction* PrintPreviewAction() const { return m_previewAction; }
    QAction* ExitAction() const { return m_exitAction; }
    QMenu* FileMenu() const { return m_fileMenu; }
    const std::string& DesignTitle() const { return m_designTitle; }

    /// Where Print Preview shows the report and where Print prints it; the dialog's own
    /// preview window and the system printer when none is given (tests give their own).
    void SetReportViewer(report::ReportViewer* viewer) { m_viewer = viewer; }
    void SetReportPrinter(report::ReportPrinter* printer) { m_printer = printer; }

    void Print();
    void PrintPreview();

    /// The text a bound value shows: its value text, a blank and the unit symbol.
    static std::string ShownValue(const units::CDataObject& object);

protected:
    /// A new report manager filled with what the dialog shows now.
    virtual std::unique_ptr<report::CReportMgr> MakeReport() = 0;
    /// Runs after a report was printed or previewed (a plot drawn into it may need a redraw).
    virtual void AfterReport() {}

    /// A data object owned by the dialog, stored in *value, in the category's oilfield unit.
    units::CDataObject& AddDataObject(const std::string& name, const std::string& description,
                                      const std::string& categoryKey, double* value);
    /// A data object for a plain number: a category without units ("NONE" shows two
    /// decimals, "COEFFICIENTS" four), next to a fixed unit text.
    units::CDataObject& AddPlainDataObject(const std::string& name, const std::string& description,
                                           double* value, const std::string& categoryKey = "NONE");

    /// One grid row: label, edit and unit selector (for a plain number the fixed unit text).
    units::CExEdit* AddEditRow(QGridLayout* grid, int row, const QString& label,
                               units::CDataObject& object, const QString& unitText = QString());
    /// One grid row: label, read-only value and unit selector.
    units::CExStatic* AddResultRow(QGridLayout* grid, int row, const QString& label,
                                   units::CDataObject& object, const QString& unitText = QString());

    /// Commits every edit of the dialog with messages; false when one refused its text.
    bool CommitEdits();
    /// Shows every bound control's value afresh.
    void RefreshControls();
    /// Destroys the controls before the data objects they show; every dialog calls it first
    /// in its destructor.
    void DeleteControls();

    /// The dialog's body, below the menu bar.
    QVBoxLayout* Body() const { return m_body; }
    /// The report footer every calculator report carries.
    static void SetFooter(report::CReportMgr& report);

private:
    std::string m_designTitle;
    QVBoxLayout* m_body = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_previewAction = nullptr;
    QAction* m_exitAction = nullptr;
    report::ReportViewer* m_viewer = nullptr;
    report::ReportPrinter* m_printer = nullptr;
    std::vector<std::unique_ptr<units::CDataObject>> m_objects;
    std::vector<units::CExEdit*> m_edits;
    std::vector<units::DependentControl*> m_refreshable;
};

}  // namespace calc
