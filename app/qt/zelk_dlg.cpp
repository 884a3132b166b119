#include "app/qt/zelk_dlg.h"

#include "app/app_preferences.h"
#include "app/language.h"
#include "app/qt/about_dlg.h"
#include "app/qt/calculate_button.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/help_launcher.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/main_menu.h"
#include "app/qt/message_notifier.h"
#include "app/qt/picture_panel.h"
#include "app/qt/results_panel.h"
#include "app/qt/ui_language.h"
#include "app/qt/ui_text.h"
#include "app/qt/update_check_view.h"
#include "app/qt/zelk_app.h"
#include "app/string_table.h"
#include "app/version.h"
#include "app/window/results_text.h"
#include "files/lenient_number.h"
#include "report/sucker_rod_report_mgr.h"
#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/dependent_control.h"
#include "units/qt/commit_guard.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"
#include "units/unit_system.h"
#include "units/units_manager.h"
#include "units/user_notifier.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace app {

namespace {

const QString kTubingAnchorTitle = QStringLiteral("PLOVERMANTLE");

// Shows the results list again whenever any display unit changes.
class ResultsRefresher : public units::DependentControl {
public:
    explicit ResultsRefresher(CZelkDlg& window) : m_window(window) {}
    bool refreshFromData() override {
        if (m_window.hasResults()) {
            m_window.showResults();
        }
        return true;
    }

private:
    CZelkDlg& m_window;
};

}  // namespace

CZelkDlg::CZelkDlg(CZelkApp& application, QWidget* parent)
    : QDialog(parent), m_app(application), m_notifier(std::make_unique<MessageNotifier>()) {
    setObjectName(QStringLiteral("zelkDlg"));
    // Read again here so that a window made on its own (as tests do) starts in the stored language.
    applyUiLanguage(AppPreferences(m_app.preferences()).storedLanguage());
    m_pictureNumber = m_app.stepPictureCounter();
    units::StartUnitsLibrary("OILFIELD");
    units::SetUserNotifier(m_notifier.get());
    m_options = ZelkOptions::Load(m_app.preferences()).RoundedForRun();

    m_menu = new MainMenu(this);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    m_inputs = new DesignInputPanel(content);
    m_pictures = new PicturePanel;
    m_pictures->setCounter(m_pictureNumber);
    m_results = new ResultsPanel;
    m_inputs->placeResultsList(m_results->resultsList());
    auto* right = new QStackedWidget(content);
    right->setObjectName(QStringLiteral("resultArea"));
    right->addWidget(m_pictures);
    right->addWidget(m_results);
    right->setMinimumWidth(600);
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_inputs);
    row->addWidget(right, 1);
    content->setMinimumHeight(720);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollArea"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(m_menu->bar());
    layout->addWidget(m_scroll);

    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/zelk.png")));
    setSizeGripEnabled(true);
    resize(1440, 860);

    createDataObjects();
    bindControls();
    m_resultsRefresher = std::make_unique<ResultsRefresher>(*this);
    if (units::CControlManager* controls = units::ControlManager()) {
        controls->RegisterControl(nullptr, m_resultsRefresher.get());
    }
    // A click or shortcut never acts on a half-typed value.
    m_commitGuard = new units::CCommitGuard(this);
    qApp->installEventFilter(m_commitGuard);
    applyUnitSystem(units::ReadUnitSystem(m_app.preferences()));
    fillControlsFromDesign(m_design);
    applyNewDesignDefaults();
    m_menu->setTubingAnchorVisible(false);
    connectCommands();
    retranslate();
    hideResults();
}

CZelkDlg::~CZelkDlg() {
    // Stored only now, so a run that ends abnormally keeps the previous language.
    m_app.writeLanguage();
    if (units::GetUserNotifier() == m_notifier.get()) {
        units::SetUserNotifier(nullptr);
    }
    if (units::CControlManager* controls = units::ControlManager()) {
        controls->UnregisterControl(m_resultsRefresher.get());
    }
    // Deleting a focused stroke-rate edit makes it lose its focus; that is no leaving the user
    // asked for.
    m_inputs->strokeRate->removeEventFilter(this);
    // Nor has a field left then anything to say.
    m_heldMessages.clear();
    // The controls refer to the data objects, which are members: the controls go first.
    m_controls.clear();
    delete m_scroll;
}

void CZelkDlg::connectCommands() {
    connect(m_menu->fileNew, &QAction::triggered, this, &CZelkDlg::onFileNew);
    connect(m_menu->fileOpen, &QAction::triggered, this, &CZelkDlg::onFileOpen);
    connect(m_menu->fileSave, &QAction::triggered, this, &CZelkDlg::onFileSave);
    connect(m_menu->fileExit, &QAction::triggered, this, &QDialog::reject);
    connect(m_menu->printReport, &QAction::triggered, this, &CZelkDlg::onPrintReport);
    connect(m_menu->printPreview, &QAction::triggered, this, &CZelkDlg::onPrintPreview);
    connect(m_menu->exportPdf, &QAction::triggered, this, &CZelkDlg::onExportPdf);
    connect(m_menu->overlayDynFile, &QAction::triggered, this, &CZelkDlg::onOverlayDynFile);
    connect(m_menu->compareDynFile, &QAction::triggered, this, &CZelkDlg::onCompareDynFile);
    connect(m_menu->clearDynOverlay, &QAction::triggered, this, &CZelkDlg::onClearDynOverlay);
    connect(m_menu->languages, &QAction::triggered, this, &CZelkDlg::onLanguages);
    connect(m_menu->settings, &QAction::triggered, this, &CZelkDlg::onSettings);
    connect(m_menu->dataUnits, &QAction::triggered, this, &CZelkDlg::onDataUnits);
    connect(m_menu->helpWithZelk, &QAction::triggered, this, &CZelkDlg::onHelp);
    connect(m_menu->aboutZelk, &QAction::triggered, this, &CZelkDlg::onAbout);
    connect(m_inputs->title, &QLineEdit::textChanged, this, &CZelkDlg::onTitleChanged);
    connect(m_menu->fluidSpecificGravity, &QAction::triggered, this,
            &CZelkDlg::onFluidSpecificGravityCalculator);
    connect(m_inputs->fluidSpecificGravityLink, &QAbstractButton::clicked, this,
            &CZelkDlg::onFluidSpecificGravityCalculator);
    connect(m_menu->sinkerBarWeight, &QAction::triggered, this, &CZelkDlg::onSinkerBarCalculator);
    connect(m_inputs->sinkerBarLink, &QAbstractButton::clicked, this,
            &CZelkDlg::onSinkerBarCalculator);
    connect(m_menu->slippage, &QAction::triggered, this, &CZelkDlg::onSlippageCalculator);
    connect(m_inputs->slippageLink, &QAbstractButton::clicked, this,
            &CZelkDlg::onSlippageCalculator);
    connect(m_menu->tubingAnchorCatcher, &QAction::triggered, this,
            &CZelkDlg::onTubingAnchorCatcher);
    connect(m_inputs->tubingAnchorTool, &QAbstractButton::clicked, this,
            &CZelkDlg::onTubingAnchorCatcher);
    connect(m_inputs->calculate, &QPushButton::clicked, this, [this] { calculate(); });
    connect(m_inputs->strokeRateDown, &QPushButton::clicked, this,
            [this] { onStrokeRateStep(-1); });
    connect(m_inputs->strokeRateUp, &QPushButton::clicked, this, [this] { onStrokeRateStep(1); });
    connect(m_inputs->targetRateDown, &QPushButton::clicked, this,
            [this] { onTargetRateStep(-1); });
    connect(m_inputs->targetRateUp, &QPushButton::clicked, this, [this] { onTargetRateStep(1); });
    connect(m_inputs->fromStrokeRate, &QRadioButton::toggled, this,
            [this] { m_inputs->enableCalculateFrom(m_inputs->calculateFrom()); });
    connect(m_inputs->pressureEntered, &QRadioButton::toggled, this,
            [this] { m_inputs->enablePressureSource(m_inputs->pressureSource()); });
    connect(m_inputs->steelRods, &QRadioButton::toggled, this,
            [this] { onRodTypeChanged(m_inputs->rodType()); });
    connect(m_inputs->pumpEfficiency, &QLineEdit::textEdited, this,
            &CZelkDlg::onPumpEfficiencyEdited);
    connect(m_inputs->pumpEfficiency, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool isRed = results::isPumpEfficiencyRed(files::lenientNumber(fromQString(text)));
        QPalette colours = m_inputs->pumpEfficiency->palette();
        colours.setColor(QPalette::Text, isRed ? Qt::red : Qt::black);
        m_inputs->pumpEfficiency->setPalette(colours);
    });
    // Only what the user types counts: the updates below rewrite these edits themselves, and
    // reacting to that would take a value from its calculator that still comes from it.
    connect(m_inputs->sinkerBarWeight, &QLineEdit::textEdited, this, [this] { setLink(1, false); });
    connect(m_inputs->fluidSpecificGravity, &QLineEdit::textEdited, this,
            &CZelkDlg::onFluidSpecificGravityEdited);
    for (units::CExEdit* pressure : {m_inputs->tubingPressure, m_inputs->pumpIntakePressure}) {
        connect(pressure, &QLineEdit::textEdited, this,
                [this, pressure](const QString& text) { onSlippageInputEdited(pressure, text); });
    }
    for (units::CExEdit* edit :
         {m_inputs->fluidSpecificGravity, m_inputs->tubingPressure, m_inputs->pumpIntakePressure}) {
        connect(edit, &QLineEdit::editingFinished, this, &CZelkDlg::showHeldMessages);
    }
    m_inputs->strokeRate->installEventFilter(this);
}

void CZelkDlg::retranslate() {
    setWindowTitle(uiFormat(172, {shortVersionText()}));
    m_menu->retranslate();
    m_inputs->retranslate();
    m_results->retranslate();
    const std::pair<const char*, int> descriptions[] = {
        {"m_pDataObjSinkerBarWeight", 117},    {"m_pDataObjFluidSpecificGravity", 118},
        {"m_pDataObjTubingPressure", 119},     {"m_pDataObjCasingPressure", 120},
        {"m_pDataObjPumpIntakePressure", 122}, {"m_pDataObjReservoirPressure", 133},
        {"m_pDataObjProductivityIndex", 134},  {"m_pDataObjTargetRate", 127},
        {"m_pDataObjPumpDepth", 136},          {"m_pDataObjStrokeLength", 106},
        {"m_pDataObjPumpDiameter", 107},       {"m_pDataObjFiberglassSize", 104},
        {"m_pDataObjSteelSize", 114}};
    for (auto& object : m_dataObjects) {
        for (const auto& [name, id] : descriptions) {
            if (object->GetName() == name) {
                object->SetDescription(loadString(id));
            }
        }
    }
    // The angle units are the only ones whose names are words of the language.
    if (units::CUnits* degree = units::FindUnit("DEGREE")) {
        degree->SetSymbol(loadString(373));
    }
    if (units::CUnits* radians = units::FindUnit("RADIANS")) {
        radians->SetSymbol(loadString(374));
    }
    if (m_hasResults) {
        showResults();
    }
    refreshMenuState();
    update();
}

void CZelkDlg::refreshMenuState() {
    m_menu->refreshState(m_isPrintEnabled, m_hasOverlay);
}

void CZelkDlg::onTitleChanged(const QString& title) {
    const bool isOffered = title == kTubingAnchorTitle;
    m_menu->setTubingAnchorVisible(isOffered);
    m_inputs->tubingAnchorTool->setVisible(isOffered);
}

void CZelkDlg::onRodTypeChanged(int rodType) {
    commitControls(false);
    if (rodType == m_rodType) {
        return;
    }
    m_rodType = rodType;
    // The shown results belong to the other rod string; they cannot be printed any more.
    m_isPrintEnabled = false;
    m_inputs->showRodType(rodType);
    refreshMenuState();
}

void CZelkDlg::onPumpEfficiencyEdited() {
    setLink(2, false);
}

void CZelkDlg::setLink(int which, bool isOn) {
    CCalculateButton* buttons[] = {m_inputs->fluidSpecificGravityLink, m_inputs->sinkerBarLink,
                                   m_inputs->slippageLink};
    QAction* items[] = {m_menu->fluidSpecificGravity, m_menu->sinkerBarWeight, m_menu->slippage};
    if (which < 0 || which > 2) {
        return;
    }
    buttons[which]->setLinkState(isOn ? CCalculateButton::On : CCalculateButton::Off);
    items[which]->setChecked(isOn);
}

void CZelkDlg::onLanguages() {
    CLanguageChangeDlg dialog(this);
    dialog.exec();
    if (applyUiLanguage(CLanguageChangeDlg::chosenLanguage())) {
        retranslate();
    }
    refreshMenuState();
}

void CZelkDlg::onHelp() {
    HelpLauncher::open();
}

void CZelkDlg::onAbout() {
    CAboutDlg about(this);
    CUpdateCheckView updateCheck(about, CSWUpdateMgr::ServerFromPreferences(m_app.preferences()));
    about.exec();
}

void CZelkDlg::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere calculates; Escape does not close the design window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        calculate();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        return;
    }
    QDialog::keyPressEvent(event);
}

void CZelkDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
}

bool CZelkDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_inputs->strokeRate && event->type() == QEvent::FocusOut) {
        // Only moving to another control leaves the field. A menu opening or another window
        // coming to the front (a message box among them) does not, or the stroke rate's own
        // message would take the focus and ask again.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            onStrokeRateLeft();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace app
