#include "app/qt/results_panel.h"

#include "app/qt/ui_text.h"
#include "app/string_table.h"
#include "plot/qt/dcl_plot_wnd.h"
#include "plot/text_block.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace app {

namespace {

QLabel* columnLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("resultsPanel"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_resultsGroup = new QGroupBox(this);
    m_resultsGroup->setObjectName(QStringLiteral("resultsGroup"));
    m_rowsLayout = new QGridLayout(m_resultsGroup);
    m_rowsLayout->setHorizontalSpacing(10);
    m_rowsLayout->setVerticalSpacing(3);
    m_rowsLayout->setColumnStretch(2, 1);

    m_cards = new plot::CDCLPlotWnd(this);
    m_cards->setObjectName(QStringLiteral("cardsPlot"));
    m_cards->AttachPlot(&m_plots.Cards());
    m_velocity = new plot::CDCLPlotWnd(this);
    m_velocity->setObjectName(QStringLiteral("velocityPlot"));
    m_velocity->AttachPlot(&m_plots.PumpVelocity());
    m_torque = new plot::CDCLPlotWnd(this);
    m_torque->setObjectName(QStringLiteral("torquePlot"));
    m_torque->AttachPlot(&m_plots.Torque());
    for (plot::CDCLPlotWnd* window : {m_cards, m_velocity, m_torque}) {
        window->setMinimumSize(300, 170);
    }
    for (int i = 0; i < 4; ++i) {
        m_plotLabels[i] = columnLabel(this, Qt::AlignLeft);
        m_plotValues[i] = columnLabel(this, Qt::AlignRight);
    }

    auto* cardsValues = new QHBoxLayout;
    for (int i = CardsLeft; i <= CardsRight; ++i) {
        cardsValues->addWidget(m_plotLabels[i]);
        cardsValues->addWidget(m_plotValues[i]);
        cardsValues->addSpacing(12);
    }
    cardsValues->addStretch(1);
    auto* torqueValues = new QHBoxLayout;
    torqueValues->addWidget(m_plotLabels[TorqueColumn]);
    torqueValues->addWidget(m_plotValues[TorqueColumn]);
    torqueValues->addStretch(1);

    auto* plots = new QVBoxLayout;
    plots->addWidget(m_cards, 5);
    plots->addLayout(cardsValues);
    plots->addWidget(m_velocity, 4);
    plots->addWidget(m_torque, 4);
    plots->addLayout(torqueValues);

    auto* layout = new QHBoxLayout(this);
    // Plots end 11 pixels from the right edge and grow with the window beyond the inputs.
    layout->setContentsMargins(6, 6, 11, 6);
    layout->addLayout(plots, 1);
    retranslate();
}

ResultsPanel::~ResultsPanel() {
    // The plots are members and go before the child windows that show them.
    for (plot::CDCLPlotWnd* window : {m_cards, m_velocity, m_torque}) {
        window->AttachPlot(nullptr);
    }
}

void ResultsPanel::retranslate() {
    m_resultsGroup->setTitle(uiText(124));
    struct Titles {
        plot::CPlot& plot;
        int title;
        int xLabel;
        int yLabel;
    };
    const Titles titles[] = {{m_plots.Cards(), 200, 202, 201},
                             {m_plots.PumpVelocity(), 203, 202, 204},
                             {m_plots.Torque(), 205, 209, 208}};
    for (const Titles& t : titles) {
        const std::pair<const char*, int> blocks[] = {
            {"PlotTitle", t.title}, {"XLabel", t.xLabel}, {"YLabel", t.yLabel}};
        for (const auto& [name, id] : blocks) {
            if (plot::CTextBlock* block = t.plot.FindTextBlock(name)) {
                block->SetText(loadString(id));
            }
        }
    }
    for (plot::CDCLPlotWnd* window : {m_cards, m_velocity, m_torque}) {
        window->Layout();
        window->Invalidate();
    }
}

void ResultsPanel::setCurves(const ZelkEngine::ZelkResults& results) {
    m_plots.SetResults(results);
    for (plot::CDCLPlotWnd* window : {m_cards, m_velocity, m_torque}) {
        window->Layout();
        window->Invalidate();
    }
}

void ResultsPanel::setResultRows(const std::vector<ResultRow>& rows) {
    m_rows = rows;
    while (m_rowLabels.size() < rows.size()) {
        const int row = static_cast<int>(m_rowLabels.size());
        m_rowLabels.push_back(columnLabel(m_resultsGroup, Qt::AlignLeft));
        m_valueLabels.push_back(columnLabel(m_resultsGroup, Qt::AlignRight));
        m_valueLabels.back()->setObjectName(QStringLiteral("resultValue%1").arg(row));
        m_rowsLayout->addWidget(m_rowLabels.back(), row, 0);
        m_rowsLayout->addWidget(m_valueLabels.back(), row, 1);
    }
    for (std::size_t i = 0; i < m_rowLabels.size(); ++i) {
        const bool isShown = i < rows.size();
        m_rowLabels[i]->setVisible(isShown);
        m_valueLabels[i]->setVisible(isShown);
        if (!isShown) {
            continue;
        }
        m_rowLabels[i]->setText(rows[i].label);
        m_valueLabels[i]->setText(rows[i].value);
        QPalette colours = m_valueLabels[i]->palette();
        colours.setColor(QPalette::WindowText, rows[i].isRed ? Qt::red : Qt::black);
        m_valueLabels[i]->setPalette(colours);
    }
}

void ResultsPanel::setPlotValues(int column, const QStringList& labels, const QStringList& values) {
    if (column < 0 || column > 3) {
        return;
    }
    m_plotLabels[column]->setText(labels.join(QLatin1Char('\n')));
    m_plotValues[column]->setText(values.join(QLatin1Char('\n')));
}

QStringList ResultsPanel::plotLabels(int column) const {
    return column < 0 || column > 3 ? QStringList()
                                    : m_plotLabels[column]->text().split(QLatin1Char('\n'));
}

QStringList ResultsPanel::plotValues(int column) const {
    return column < 0 || column > 3 ? QStringList()
                                    : m_plotValues[column]->text().split(QLatin1Char('\n'));
}

QLabel* ResultsPanel::valueLabel(int row) const {
    return row >= 0 && row < static_cast<int>(m_valueLabels.size()) ? m_valueLabels[row] : nullptr;
}

}  // namespace app
