#include "calculators/qt/calculator_dlg.h"

#include "app/string_table.h"
#include "app/version.h"
#include "calculators/qt/calculator_message_box.h"
#include "report/qt/qt_report_printer.h"
#include "report/qt/reports_dlg.h"
#include "units/data_object.h"
#include "units/qt/ex_edit.h"
#include "units/qt/ex_static.h"
#include "units/qt/units_ctrl.h"
#include "units/units_category.h"
#include "units/units_manager.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QVBoxLayout>

namespace calc {
namespace {

QString Text(int id) {
    return QString::fromStdString(app::loadString(id));
}

constexpr int kValueWidth = 90;  // pixels, room for "12,345.67"
constexpr int kUnitWidth = 72;   // pixels, room for "Sp.Gr.H2O" and the menu arrow

}  // namespace

CCalculatorDlg::CCalculatorDlg(const QString& windowTitle, const std::string& designTitle,
                               QWidget* parent)
    : QDialog(parent), m_designTitle(designTitle) {
    setWindowTitle(windowTitle);
    m_body = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    m_body->setMenuBar(menuBar);
    m_fileMenu = menuBar->addMenu(Text(148));
    m_printAction = m_fileMenu->addAction(Text(320));
    m_previewAction = m_fileMenu->addAction(Text(365));
    m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(Text(141));
    connect(m_printAction, &QAction::triggered, this, &CCalculatorDlg::Print);
    connect(m_previewAction, &QAction::triggered, this, &CCalculatorDlg::PrintPreview);
    connect(m_exitAction, &QAction::triggered, this, &QDialog::reject);
}

CCalculatorDlg::~CCalculatorDlg() {
    DeleteControls();
}

void CCalculatorDlg::DeleteControls() {
    m_edits.clear();
    m_refreshable.clear();
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        delete child;
    }
}

units::CDataObject& CCalculatorDlg::AddDataObject(const std::string& name,
                                                  const std::string& description,
                                                  const std::string& categoryKey, double* value) {
    auto object = std::make_unique<units::CDataObject>();
    object->SetName(name);
    object->SetDescription(description);
    // Calculator values are kept in the oilfield unit of their category, as the formulas use.
    const int row = units::CUnitsManager::CategoryIndexOf(categoryKey);
    std::string unitKey;
    if (units::UnitsManager() != nullptr) {
        unitKey = units::UnitsManager()->SystemUnitAt(row, units::kModeOilfield);
    }
    if (unitKey.empty()) {
        unitKey = units::CUnitsManager::InternalUnitAt(row);
    }
    object->SetUnits(unitKey, categoryKey);
    object->InitValue(value);
    m_objects.push_back(std::move(object));
    return *m_objects.back();
}

units::CDataObject& CCalculatorDlg::AddPlainDataObject(const std::string& name,
                                                       const std::string& description,
                                                       double* value,
                                                       const std::string& categoryKey) {
    return AddDataObject(name, description, categoryKey, value);
}

namespace {

// A plain number's category has no unit to choose.
bool HasUnitChoice(const units::CDataObject& object) {
    const units::CUnitsCategory* category = object.GetCategory();
    return category != nullptr && category->GetCurrentUnit() != nullptr &&
           category->GetCurrentUnit()->GetKey() != "NOUNITS";
}

// The third column of a row: the unit menu of a quantity with units, otherwise the fixed text.
void AddUnitColumn(QWidget* owner, QGridLayout* grid, int row, units::CDataObject& object,
                   const QString& unitText, std::vector<units::DependentControl*>& refreshable) {
    if (HasUnitChoice(object)) {
        auto* unit = new units::CUnitsCtrl(owner);
        unit->setMinimumWidth(kUnitWidth);
        unit->Bind(&object, owner);
        grid->addWidget(unit, row, 2);
        refreshable.push_back(unit);
    } else if (!unitText.isEmpty()) {
        grid->addWidget(new QLabel(unitText, owner), row, 2);
    }
}

}  // namespace

units::CExEdit* CCalculatorDlg::AddEditRow(QGridLayout* grid, int row, const QString& label,
                                           units::CDataObject& object, const QString& unitText) {
    auto* edit = new units::CExEdit(this);
    edit->SetCommitOnEnter(true);
    edit->setMinimumWidth(kValueWidth);
    edit->Bind(&object, units::Cell(), this);
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(edit, row, 1);
    AddUnitColumn(this, grid, row, object, unitText, m_refreshable);
    m_edits.push_back(edit);
    m_refreshable.push_back(edit);
    return edit;
}

units::CExStatic* CCalculatorDlg::AddResultRow(QGridLayout* grid, int row, const QString& label,
                                               units::CDataObject& object,
                                               const QString& unitText) {
    auto* value = new units::CExStatic(this);
    value->Bind(&object, units::Cell(), this);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setMinimumWidth(kValueWidth);
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(value, row, 1);
    AddUnitColumn(this, grid, row, object, unitText, m_refreshable);
    m_refreshable.push_back(value);
    return value;
}

bool CCalculatorDlg::CommitEdits() {
    for (units::CExEdit* edit : m_edits) {
        if (edit->isEnabled() && !edit->commitEdit(true, true)) {
            return false;
        }
    }
    return true;
}

void CCalculatorDlg::RefreshControls() {
    for (units::DependentControl* control : m_refreshable) {
        control->refreshFromData();
    }
}

std::string CCalculatorDlg::ShownValue(const units::CDataObject& object) {
    std::string text = object.GetText(units::Cell(), units::kTextValue);
    if (HasUnitChoice(object)) {
        text += " " + units::CategoryUnitSymbol(object.GetCategory());
    }
    return text;
}

void CCalculatorDlg::SetFooter(report::CReportMgr& report) {
    // "Brantwick Company" on the left, the program and its version on the right.
    report.SetFooter(app::loadString(175), std::string(),
                     app::loadString(169) + " " + app::fileVersionText());
}

void CCalculatorDlg::Print() {
    if (!CommitEdits()) {
        return;
    }
    std::unique_ptr<report::CReportMgr> report = MakeReport();
    SetFooter(*report);
    if (m_printer != nullptr) {
        report->Print(*m_printer);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        report::QtReportPrinter target(printer, this);
        if (report->Print(target) == report::PrintResult::kFailed) {
            CalculatorMessageBox::Show(this, Text(5235), CalculatorMessageBox::Icon::Stop,
                                       Text(238));
        }
    }
    AfterReport();
}

void CCalculatorDlg::PrintPreview() {
    if (!CommitEdits()) {
        return;
    }
    std::unique_ptr<report::CReportMgr> report = MakeReport();
    SetFooter(*report);
    if (m_viewer != nullptr) {
        report->Preview(*m_viewer);
    } else {
        report::QtReportViewer viewer(this);
        report->Preview(viewer);
    }
    AfterReport();
}

}  // namespace calc
