// The main window's measured dynamometer card: Overlay DYN File..., Compare DYN File... and
// Clear DYN Overlay..., and the overlay curve kept on the card plot.
#include "app/qt/message_service.h"
#include "app/qt/results_panel.h"
#include "app/qt/ui_text.h"
#include "app/qt/zelk_dlg.h"
#include "files/card_comparison.h"
#include "files/dyn_file_reader.h"
#include "files/qt/dyn_file_compare_dlg.h"
#include "plot/data_area.h"
#include "plot/data_area_curve.h"
#include "plot/qt/dcl_plot_wnd.h"
#include "plot/standard_plot.h"
#include "report/sucker_rod_report_content.h"

#include <cmath>

#include <QFileDialog>
#include <QFileInfo>

namespace app {

namespace {

constexpr int kSmallLengthRow = 14;
constexpr int kSmallWeightRow = 10;
constexpr std::uint32_t kOverlayColor = 0xFFFF00FFu;
const char* const kOverlayName = "overlayGraph";

CZelkDlg::DynFileChooser& dynFileChooser() {
    static CZelkDlg::DynFileChooser chooser;
    return chooser;
}

CZelkDlg::CompareDialogRunner& compareDialogRunner() {
    static CZelkDlg::CompareDialogRunner runner;
    return runner;
}

// A card is of use when at least one of its points can be drawn.
bool hasUsablePoint(const std::vector<double>& positions, const std::vector<double>& loads) {
    for (std::size_t i = 0; i < positions.size() && i < loads.size(); ++i) {
        if (std::isfinite(positions[i]) && std::isfinite(loads[i])) {
            return true;
        }
    }
    return false;
}

}  // namespace

void CZelkDlg::setDynFileChooser(DynFileChooser chooser) {
    dynFileChooser() = std::move(chooser);
}

void CZelkDlg::setCompareDialogRunner(CompareDialogRunner runner) {
    compareDialogRunner() = std::move(runner);
}

void CZelkDlg::onOverlayDynFile() {
    const QString filter = QStringLiteral(
        "Dyn files (*.dyn);;Text files (*.txt);;Plot files (*.dyn *.txt);;All Files (*.*)");
    QString path;
    if (dynFileChooser()) {
        path = dynFileChooser()(this, filter);
    } else {
        QFileDialog dialog(this, QString(), QString(), filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().constFirst();
        }
    }
    if (!path.isEmpty()) {
        overlayDynFile(path);
    }
}

bool CZelkDlg::overlayDynFile(const QString& path) {
    // A calculated card must exist to be compared with the measured one.
    if (!m_hasResults && !calculate()) {
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    std::string error;
    const std::optional<files::DynFile> read = files::readDynFile(fromQString(path), &error);
    if (!read) {
        MessageService::show(this, uiFormat(5236, {fromQString(name), error}), QString(),
                             MessageService::Icon::Warning);
        return false;
    }
    if (!hasUsablePoint(read->card.positions, read->card.loads)) {
        MessageService::show(this, uiFormat(5237, {fromQString(name)}), QString(),
                             MessageService::Icon::Warning);
        return false;
    }
    m_importedCard = read->card;
    m_dynPositions = read->card.positions;
    m_dynLoads = read->card.loads;
    m_hasOverlay = true;
    refreshOverlayCurve();
    refreshMenuState();
    return true;
}

void CZelkDlg::refreshOverlayCurve() {
    // Points that are not numbers cannot be drawn and would spoil the automatic ranges.
    std::vector<double> xs;
    std::vector<double> ys;
    for (std::size_t i = 0; i < m_dynPositions.size() && i < m_dynLoads.size(); ++i) {
        if (std::isfinite(m_dynPositions[i]) && std::isfinite(m_dynLoads[i])) {
            xs.push_back(m_dynPositions[i]);
            ys.push_back(m_dynLoads[i]);
        }
    }
    plot::CPlot& cards = m_results->cardsPlot();
    if (plot::CDataAreaCurve* curve =
            plot::ReplaceCurve(cards, kOverlayName, xs, ys, kSmallLengthRow, kSmallWeightRow)) {
        curve->SetColor(kOverlayColor);
    }
    if (plot::CDCLPlotWnd* window = m_results->cardsWindow()) {
        window->Layout();
        window->Invalidate();
    }
}

void CZelkDlg::onClearDynOverlay() {
    m_dynPositions.clear();
    m_dynLoads.clear();
    if (plot::CDataArea* area = m_results->cardsPlot().FindDataArea("DataArea")) {
        area->RemoveCurve(kOverlayName);
    }
    if (plot::CDCLPlotWnd* window = m_results->cardsWindow()) {
        window->Layout();
        window->Invalidate();
    }
    m_hasOverlay = false;
    refreshMenuState();
}

void CZelkDlg::onCompareDynFile() {
    if (!m_hasOverlay) {
        return;
    }
    refreshControls();
    // The predicted card is that of the results shown; a window without them calculates first.
    if (!m_hasResults && !calculate()) {
        return;
    }
    const files::CardRecord predicted =
        files::PredictedCard(m_lastCase, m_lastCase.Inputs.StrokeLength);
    const report::SuckerRodReportContent texts =
        report::MakeSuckerRodReportContent(designFromControls(), m_lastCase);
    files::CDynFileCompareDlg dialog(predicted, m_importedCard,
                                     m_lastCase.Results.PumpPositionCurve,
                                     m_lastCase.Results.PumpLoadCurve, texts, this);
    if (compareDialogRunner()) {
        compareDialogRunner()(dialog);
    } else {
        dialog.exec();
    }
}

}  // namespace app
