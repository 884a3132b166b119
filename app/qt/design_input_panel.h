#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace units {
class CExCombo;
class CExEdit;
class CUnitsCtrl;
}  // namespace units

namespace app {

class CCalculateButton;

/// The design-input half of the main window: every input of a design with its label, preset
/// list and unit label, the three calculator links, the tool button, the calculate-from choice
/// with its step buttons and the Calculate button. It holds no design logic; the window reads and
/// writes the controls and reacts to their signals.
class DesignInputPanel : public QWidget {
    Q_OBJECT
public:
    explicit DesignInputPanel(QWidget* parent = nullptr);

    /// Reloads every label from the string table.
    void retranslate();
    /// Shows the fiberglass controls (rod type 1) or the API rod controls (rod type 0).
    void showRodType(int rodType);
    /// Enables the stroke-rate or the target-rate controls.
    void enableCalculateFrom(int calculateFrom);
    /// Enables the pump intake pressure edit, or the reservoir pressure and productivity index.
    void enablePressureSource(int source);
    /// Puts the results list under the design inputs, where the left column has room for it.
    void placeResultsList(QWidget* list);
    /// The unit control beside a unit-aware input, none for the others.
    units::CUnitsCtrl* unitControlFor(QWidget* input) const;
    /// Every unit-aware input with its unit control, in panel order.
    const QList<QPair<QWidget*, units::CUnitsCtrl*>>& unitAwareInputs() const {
        return m_unitControls;
    }

    int rodType() const;
    int calculateFrom() const;
    int pressureSource() const;

    QLineEdit* title;
    QComboBox* unitType;
    units::CExCombo* pumpDepth;
    units::CExCombo* strokeLength;
    units::CExCombo* pumpDiameter;
    QComboBox* tubingSize;
    QCheckBox* anchoredTubing;
    QRadioButton* steelRods;
    QRadioButton* fiberglassRods;
    QComboBox* rodNumber;
    QComboBox* rodGrade;
    units::CExCombo* fiberglassSize;
    units::CExCombo* steelSize;
    QComboBox* percentFiberglass;
    units::CExEdit* sinkerBarWeight;
    units::CExEdit* fluidSpecificGravity;
    units::CExEdit* tubingPressure;
    units::CExEdit* casingPressure;
    QLineEdit* dampingFactor;
    QLineEdit* unitEfficiency;
    QLineEdit* pumpEfficiency;
    QRadioButton* pressureEntered;
    QRadioButton* pressureFromReservoir;
    units::CExEdit* pumpIntakePressure;
    units::CExEdit* reservoirPressure;
    units::CExEdit* productivityIndex;
    QRadioButton* fromStrokeRate;
    QRadioButton* fromTargetRate;
    QLineEdit* strokeRate;
    units::CExEdit* targetRate;
    QPushButton* strokeRateDown;
    QPushButton* strokeRateUp;
    QPushButton* targetRateDown;
    QPushButton* targetRateUp;
    QPushButton* calculate;
    CCalculateButton* fluidSpecificGravityLink;
    CCalculateButton* sinkerBarLink;
    CCalculateButton* slippageLink;
    CCalculateButton* tubingAnchorTool;
    QLabel* contactLine;
    QLabel* emailLink;
    QLabel* webLink;

private:
    QLabel* addLabel(int stringId);
    /// The input with a fixed unit text ("%", "SPM") or its unit control.
    QWidget* withUnit(QWidget* input, const QString& symbol);

    QGroupBox* m_designGroup;
    QGroupBox* m_defaultsGroup;
    QGroupBox* m_rodsGroup;
    QGroupBox* m_calculateFromGroup;
    QVBoxLayout* m_leftColumn;
    QLabel* m_pressureExplanation;
    QLabel* m_percentSign;
    QLabel* m_spmLabel;
    QList<QPair<QLabel*, int>> m_labels;
    QList<QPair<QWidget*, units::CUnitsCtrl*>> m_unitControls;
    QList<QWidget*> m_steelRows;
    QList<QWidget*> m_fiberglassRows;
};

}  // namespace app
