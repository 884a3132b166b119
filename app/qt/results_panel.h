#pragma once

#include "report/sucker_rod_plots.h"

#include <vector>

#include <QString>
#include <QStringList>
#include <QWidget>

class QGridLayout;
class QGroupBox;
class QLabel;

namespace plot {
class CDCLPlotWnd;
}

namespace app {

/// One line of the results list: its label, its value with the unit symbol, and whether the
/// value is drawn in red.
struct ResultRow {
    QString label;
    QString value;
    bool isRed = false;
};

/// The result half of the main window after a calculation: the results list, the three plots
/// and the values beside them. It only shows what the window gives it.
class ResultsPanel : public QWidget {
    Q_OBJECT
public:
    /// The value columns beside the plots: three under the dynamometer cards, one under torque.
    enum PlotColumn { CardsLeft = 0, CardsMiddle = 1, CardsRight = 2, TorqueColumn = 3 };

    explicit ResultsPanel(QWidget* parent = nullptr);
    ~ResultsPanel() override;

    void retranslate();
    /// Replaces the curves of the three plots with those of a calculation.
    void setCurves(const ZelkEngine::ZelkResults& results);
    void setResultRows(const std::vector<ResultRow>& rows);
    void setPlotValues(int column, const QStringList& labels, const QStringList& values);

    const std::vector<ResultRow>& resultRows() const { return m_rows; }
    QStringList plotLabels(int column) const;
    QStringList plotValues(int column) const;
    /// The label that shows a row's value (tests read its colour).
    QLabel* valueLabel(int row) const;

    /// The results list; the window places it beside the inputs.
    QGroupBox* resultsList() const { return m_resultsGroup; }
    plot::CPlot& cardsPlot() { return m_plots.Cards(); }
    plot::CPlot& velocityPlot() { return m_plots.PumpVelocity(); }
    plot::CPlot& torquePlot() { return m_plots.Torque(); }
    plot::CDCLPlotWnd* cardsWindow() const { return m_cards; }

private:
    QGroupBox* m_resultsGroup;
    QGridLayout* m_rowsLayout;
    std::vector<ResultRow> m_rows;
    std::vector<QLabel*> m_rowLabels;
    std::vector<QLabel*> m_valueLabels;
    QLabel* m_plotLabels[4];
    QLabel* m_plotValues[4];
    report::SuckerRodPlots m_plots;
    plot::CDCLPlotWnd* m_cards;
    plot::CDCLPlotWnd* m_velocity;
    plot::CDCLPlotWnd* m_torque;
};

}  // namespace app
