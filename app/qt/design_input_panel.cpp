#include "app/qt/design_input_panel.h"

#include "app/qt/calculate_button.h"
#include "app/qt/ui_text.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"
#include "units/qt/units_ctrl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr int kInputWidth = 92;
// Stands for the unit control of a unit-aware input where other rows give a fixed unit text.
const QString kUnitControl = QStringLiteral("(unit)");

units::CExCombo* unitCombo(QWidget* parent, const char* name) {
    auto* combo = new units::CExCombo(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFixedWidth(kInputWidth);
    return combo;
}

units::CExEdit* unitEdit(QWidget* parent, const char* name) {
    auto* line = new units::CExEdit(parent);
    line->setObjectName(QLatin1String(name));
    line->setFixedWidth(kInputWidth);
    // Enter stores the value and then calculates, as anywhere in the window.
    line->SetCommitOnEnter(true);
    line->SetPassEnterOn(true);
    return line;
}

QComboBox* presetCombo(QWidget* parent, const char* name, const QStringList& presets) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(presets);
    combo->setFixedWidth(kInputWidth);
    return combo;
}

QComboBox* listCombo(QWidget* parent, const char* name, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QLineEdit* edit(QWidget* parent, const char* name) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(QLatin1String(name));
    line->setFixedWidth(kInputWidth);
    return line;
}

QStringList numbers(std::initializer_list<const char*> values) {
    QStringList list;
    for (const char* v : values) {
        list << QLatin1String(v);
    }
    return list;
}

QPushButton* stepButton(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(QLatin1String(text), parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedWidth(30);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

DesignInputPanel::DesignInputPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("designInputPanel"));
    m_designGroup = new QGroupBox(this);
    m_defaultsGroup = new QGroupBox(this);
    m_calculateFromGroup = new QGroupBox(this);

    // Design inputs.
    title = new QLineEdit(m_designGroup);
    title->setObjectName(QStringLiteral("title"));
    unitType =
        listCombo(m_designGroup, "unitType", numbers({"CWConv", "CCWConv", "MarkII", "AirBal"}));
    unitType->setFixedWidth(kInputWidth);
    pumpDepth = unitCombo(m_designGroup, "pumpDepth");
    strokeLength = unitCombo(m_designGroup, "strokeLength");
    pumpDiameter = unitCombo(m_designGroup, "pumpDiameter");
    tubingSize = listCombo(m_designGroup, "tubingSize", {});
    anchoredTubing = new QCheckBox(m_designGroup);
    anchoredTubing->setObjectName(QStringLiteral("anchoredTubing"));
    m_rodsGroup = new QGroupBox(m_designGroup);
    steelRods = new QRadioButton(m_rodsGroup);
    steelRods->setObjectName(QStringLiteral("steelRods"));
    fiberglassRods = new QRadioButton(m_rodsGroup);
    fiberglassRods->setObjectName(QStringLiteral("fiberglassRods"));
    auto* rodChoice = new QButtonGroup(this);
    rodChoice->addButton(steelRods, 0);
    rodChoice->addButton(fiberglassRods, 1);
    steelRods->setChecked(true);
    rodNumber = presetCombo(m_designGroup, "rodNumber",
                            numbers({"55", "65", "66", "75", "76", "77", "86", "87", "88", "97",
                                     "98", "99", "108", "109"}));
    rodGrade = presetCombo(m_designGroup, "rodGrade", numbers({"K", "C", "D", "E"}));
    fiberglassSize = unitCombo(m_designGroup, "fiberglassSize");
    steelSize = unitCombo(m_designGroup, "steelSize");
    percentFiberglass = presetCombo(m_designGroup, "percentFiberglass",
                                    numbers({"30", "40", "50", "60", "70", "80", "90"}));

    auto* design = new QGridLayout(m_designGroup);
    design->setColumnStretch(0, 1);
    int row = 0;
    auto addRow = [&](int labelId, QWidget* input, const QString& unit, QList<QWidget*>* group) {
        QLabel* label = addLabel(labelId);
        design->addWidget(label, row, 0);
        QWidget* field = unit.isNull() ? input : withUnit(input, unit);
        design->addWidget(field, row, 1);
        if (group) {
            group->append(label);
            group->append(field);
        }
        ++row;
    };
    addRow(102, title, QString(), nullptr);
    title->setFixedWidth(kInputWidth + 40);
    addRow(135, unitType, QString(), nullptr);
    addRow(136, pumpDepth, kUnitControl, nullptr);
    addRow(106, strokeLength, kUnitControl, nullptr);
    addRow(107, pumpDiameter, kUnitControl, nullptr);
    design->addWidget(addLabel(108), row++, 0, 1, 2);
    design->addWidget(tubingSize, row++, 0, 1, 2);
    design->addWidget(anchoredTubing, row++, 0, 1, 2);
    auto* rods = new QVBoxLayout(m_rodsGroup);
    rods->setContentsMargins(8, 4, 8, 4);
    rods->addWidget(steelRods);
    rods->addWidget(fiberglassRods);
    design->addWidget(m_rodsGroup, row++, 0, 1, 2);
    addRow(165, rodNumber, QString(), &m_steelRows);
    addRow(167, rodGrade, QString(), &m_steelRows);
    addRow(104, fiberglassSize, kUnitControl, &m_fiberglassRows);
    addRow(114, steelSize, kUnitControl, &m_fiberglassRows);
    addRow(115, percentFiberglass, QString(), &m_fiberglassRows);
    m_percentSign = new QLabel(QStringLiteral("%"), m_designGroup);
    {
        // The percent sign stands beside the percent fiberglass combo.
        QWidget* field = m_fiberglassRows.last();
        auto* box = new QWidget(m_designGroup);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        design->removeWidget(field);
        h->addWidget(field);
        h->addWidget(m_percentSign);
        h->addStretch(1);
        m_fiberglassRows.last() = box;
        design->addWidget(box, row - 1, 1);
    }

    // Default settings.
    sinkerBarWeight = unitEdit(m_defaultsGroup, "sinkerBarWeight");
    fluidSpecificGravity = unitEdit(m_defaultsGroup, "fluidSpecificGravity");
    tubingPressure = unitEdit(m_defaultsGroup, "tubingPressure");
    casingPressure = unitEdit(m_defaultsGroup, "casingPressure");
    dampingFactor = edit(m_defaultsGroup, "dampingFactor");
    unitEfficiency = edit(m_defaultsGroup, "unitEfficiency");
    pumpEfficiency = edit(m_defaultsGroup, "pumpEfficiency");
    pressureEntered = new QRadioButton(m_defaultsGroup);
    pressureEntered->setObjectName(QStringLiteral("pressureEntered"));
    pressureFromReservoir = new QRadioButton(m_defaultsGroup);
    pressureFromReservoir->setObjectName(QStringLiteral("pressureFromReservoir"));
    auto* pressureChoice = new QButtonGroup(this);
    pressureChoice->addButton(pressureEntered, 0);
    pressureChoice->addButton(pressureFromReservoir, 1);
    pressureEntered->setChecked(true);
    pumpIntakePressure = unitEdit(m_defaultsGroup, "pumpIntakePressure");
    reservoirPressure = unitEdit(m_defaultsGroup, "reservoirPressure");
    productivityIndex = unitEdit(m_defaultsGroup, "productivityIndex");
    m_pressureExplanation = new QLabel(m_defaultsGroup);
    m_pressureExplanation->setWordWrap(true);

    auto* defaults = new QGridLayout(m_defaultsGroup);
    defaults->setColumnStretch(0, 1);
    row = 0;
    auto addDefault = [&](int labelId, QWidget* input, const QString& unit) {
        defaults->addWidget(addLabel(labelId), row, 0);
        defaults->addWidget(unit.isNull() ? input : withUnit(input, unit), row, 1);
        ++row;
    };
    addDefault(117, sinkerBarWeight, kUnitControl);
    addDefault(118, fluidSpecificGravity, kUnitControl);
    addDefault(119, tubingPressure, kUnitControl);
    addDefault(120, casingPressure, kUnitControl);
    addDefault(130, dampingFactor, QString());
    addDefault(131, unitEfficiency, QStringLiteral("%"));
    addDefault(132, pumpEfficiency, QStringLiteral("%"));
    defaults->addWidget(m_pressureExplanation, row++, 0, 1, 2);
    defaults->addWidget(pressureEntered, row++, 0, 1, 2);
    defaults->addWidget(pressureFromReservoir, row++, 0, 1, 2);
    addDefault(122, pumpIntakePressure, kUnitControl);
    addDefault(133, reservoirPressure, kUnitControl);
    addDefault(134, productivityIndex, kUnitControl);
    defaults->setRowStretch(row, 1);

    // Calculate from stroke rate or target rate.
    fromStrokeRate = new QRadioButton(m_calculateFromGroup);
    fromStrokeRate->setObjectName(QStringLiteral("fromStrokeRate"));
    fromTargetRate = new QRadioButton(m_calculateFromGroup);
    fromTargetRate->setObjectName(QStringLiteral("fromTargetRate"));
    auto* fromChoice = new QButtonGroup(this);
    fromChoice->addButton(fromStrokeRate, 0);
    fromChoice->addButton(fromTargetRate, 1);
    fromStrokeRate->setChecked(true);
    strokeRate = edit(m_calculateFromGroup, "strokeRate");
    targetRate = unitEdit(m_calculateFromGroup, "targetRate");
    strokeRateDown = stepButton(m_calculateFromGroup, "strokeRateDown", "<<");
    strokeRateUp = stepButton(m_calculateFromGroup, "strokeRateUp", ">>");
    targetRateDown = stepButton(m_calculateFromGroup, "targetRateDown", "<<");
    targetRateUp = stepButton(m_calculateFromGroup, "targetRateUp", ">>");
    m_spmLabel = new QLabel(QStringLiteral("SPM"), m_calculateFromGroup);
    calculate = new QPushButton(m_calculateFromGroup);
    calculate->setObjectName(QStringLiteral("calculate"));
    calculate->setMinimumSize(110, 44);
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);

    auto* from = new QGridLayout(m_calculateFromGroup);
    from->addWidget(fromStrokeRate, 0, 0);
    from->addWidget(strokeRateDown, 0, 1);
    from->addWidget(strokeRate, 0, 2);
    from->addWidget(strokeRateUp, 0, 3);
    from->addWidget(m_spmLabel, 0, 4);
    from->addWidget(fromTargetRate, 1, 0);
    from->addWidget(targetRateDown, 1, 1);
    from->addWidget(targetRate, 1, 2);
    from->addWidget(targetRateUp, 1, 3);
    auto* targetUnit = new units::CUnitsCtrl(m_calculateFromGroup);
    m_unitControls.append({targetRate, targetUnit});
    from->addWidget(targetUnit, 1, 4);
    from->setColumnStretch(5, 1);
    from->addWidget(calculate, 0, 6, 2, 1);

    contactLine = new QLabel(this);
    contactLine->setObjectName(QStringLiteral("contactLine"));
    emailLink = new QLabel(this);
    emailLink->setObjectName(QStringLiteral("emailLink"));
    emailLink->setOpenExternalLinks(true);
    emailLink->setText(QStringLiteral(
        "<a href=\"mailto:support@brantwick.example\">support@brantwick.example</a>"));
    webLink = new QLabel(this);
    webLink->setObjectName(QStringLiteral("webLink"));
    webLink->setOpenExternalLinks(true);
    webLink->setText(
        QStringLiteral("<a href=\"https://www.brantwick.example\">www.brantwick.example</a>"));

    m_leftColumn = new QVBoxLayout;
    m_leftColumn->addWidget(m_designGroup);
    m_leftColumn->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(m_leftColumn);
    columns->addWidget(m_defaultsGroup);
    auto* contact = new QHBoxLayout;
    contact->addWidget(contactLine);
    contact->addWidget(emailLink);
    contact->addWidget(webLink);
    contact->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 4, 6);
    layout->addLayout(columns, 1);
    layout->addWidget(m_calculateFromGroup);
    layout->addLayout(contact);

    // The link buttons sit inside the right end of their edits, which leave room for them.
    fluidSpecificGravityLink = new CCalculateButton(fluidSpecificGravity);
    fluidSpecificGravityLink->setObjectName(QStringLiteral("fluidSpecificGravityLink"));
    sinkerBarLink = new CCalculateButton(sinkerBarWeight);
    sinkerBarLink->setObjectName(QStringLiteral("sinkerBarLink"));
    slippageLink = new CCalculateButton(pumpEfficiency);
    slippageLink->setObjectName(QStringLiteral("slippageLink"));
    for (QLineEdit* linked :
         std::initializer_list<QLineEdit*>{fluidSpecificGravity, sinkerBarWeight, pumpEfficiency}) {
        linked->setTextMargins(0, 0, fluidSpecificGravityLink->width() + 2, 0);
    }
    tubingAnchorTool = new CCalculateButton(anchoredTubing, true);
    tubingAnchorTool->setObjectName(QStringLiteral("tubingAnchorTool"));
    tubingAnchorTool->hide();

    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    retranslate();
    showRodType(0);
    enableCalculateFrom(0);
    enablePressureSource(0);
}

QLabel* DesignInputPanel::addLabel(int stringId) {
    auto* label = new QLabel(this);
    m_labels.append({label, stringId});
    return label;
}

void DesignInputPanel::placeResultsList(QWidget* list) {
    list->setParent(this);
    m_leftColumn->insertWidget(1, list);
}

units::CUnitsCtrl* DesignInputPanel::unitControlFor(QWidget* input) const {
    for (const auto& entry : m_unitControls) {
        if (entry.first == input) {
            return entry.second;
        }
    }
    return nullptr;
}

QWidget* DesignInputPanel::withUnit(QWidget* input, const QString& symbol) {
    auto* box = new QWidget(input->parentWidget());
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    h->addWidget(input);
    if (symbol == kUnitControl) {
        auto* unit = new units::CUnitsCtrl(box);
        unit->setMinimumWidth(40);
        m_unitControls.append({input, unit});
        h->addWidget(unit);
    } else {
        auto* unit = new QLabel(symbol, box);
        unit->setMinimumWidth(40);
        h->addWidget(unit);
    }
    h->addStretch(1);
    return box;
}

void DesignInputPanel::retranslate() {
    for (const auto& [label, id] : m_labels) {
        label->setText(uiText(id));
    }
    m_designGroup->setTitle(uiText(105));
    m_defaultsGroup->setTitle(uiText(116));
    m_rodsGroup->setTitle(uiText(110));
    m_calculateFromGroup->setTitle(uiText(125));
    anchoredTubing->setText(uiText(109));
    steelRods->setText(uiText(111));
    fiberglassRods->setText(uiText(112));
    m_pressureExplanation->setText(uiText(121));
    pressureEntered->setText(uiText(122));
    pressureFromReservoir->setText(uiText(133));
    QString strokeRateText = uiText(126);
    const int bracket = strokeRateText.indexOf(QLatin1Char('('));
    fromStrokeRate->setText(bracket >= 0 ? strokeRateText.left(bracket).trimmed() : strokeRateText);
    fromTargetRate->setText(uiText(127));
    calculate->setText(uiText(129));
    contactLine->setText(uiFormat(123, {std::to_string(QDate::currentDate().year())}));
}

void DesignInputPanel::showRodType(int type) {
    for (QWidget* w : m_steelRows) {
        w->setVisible(type == 0);
    }
    for (QWidget* w : m_fiberglassRows) {
        w->setVisible(type == 1);
    }
    (type == 1 ? fiberglassRods : steelRods)->setChecked(true);
}

void DesignInputPanel::enableCalculateFrom(int from) {
    const bool bySpm = from == 0;
    for (QWidget* w : {static_cast<QWidget*>(strokeRate), static_cast<QWidget*>(strokeRateDown),
                       static_cast<QWidget*>(strokeRateUp)}) {
        w->setEnabled(bySpm);
    }
    for (QWidget* w : {static_cast<QWidget*>(targetRate), static_cast<QWidget*>(targetRateDown),
                       static_cast<QWidget*>(targetRateUp)}) {
        w->setEnabled(!bySpm);
    }
    (bySpm ? fromStrokeRate : fromTargetRate)->setChecked(true);
}

void DesignInputPanel::enablePressureSource(int source) {
    pumpIntakePressure->setEnabled(source == 0);
    reservoirPressure->setEnabled(source == 1);
    productivityIndex->setEnabled(source == 1);
    (source == 0 ? pressureEntered : pressureFromReservoir)->setChecked(true);
}

int DesignInputPanel::rodType() const {
    return fiberglassRods->isChecked() ? 1 : 0;
}

int DesignInputPanel::calculateFrom() const {
    return fromTargetRate->isChecked() ? 1 : 0;
}

int DesignInputPanel::pressureSource() const {
    return pressureFromReservoir->isChecked() ? 1 : 0;
}

}  // namespace app
