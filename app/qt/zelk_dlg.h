#pragma once

#include "app/qt/message_service.h"
#include "app/zelk_options.h"
#include "engine/calculation_case.h"
#include "engine/design_case.h"
#include "files/card_record.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

class QScrollArea;

namespace files {
class CDynFileCompareDlg;
}

namespace report {
class CSuckerRodReportMgr;
}

namespace units {
class CCommitGuard;
class CDataObject;
class CExEdit;
class DependentControl;
}  // namespace units

namespace app {

class CZelkApp;
class DesignInputPanel;
class MainMenu;
class MessageNotifier;
class PicturePanel;
class ResultsPanel;

/// The main window: one design, its inputs on the left and, beside them, a picture before the
/// first calculation or the results and plots after it. The unit-aware values of the design live
/// in `design()` in internal (oilfield) units; the text inputs live in their edit fields.
class CZelkDlg : public QDialog {
    Q_OBJECT
public:
    explicit CZelkDlg(CZelkApp& application, QWidget* parent = nullptr);
    ~CZelkDlg() override;

    /// Opens a design named on the command line: read and shown, not calculated. False (with
    /// the reason shown) when it cannot be read; the window then keeps the default design.
    bool openDesignWithoutCalculating(const QString& path);
    /// File > Open without the dialog: reads, shows and calculates the design.
    bool openDesign(const QString& path);
    /// File > Save without the dialog; false (with the reason shown) when writing failed.
    bool saveDesign(const QString& path);
    /// Writes the sucker rod report of the shown results to a one-page PDF file; a failure is
    /// shown with its reason and returns false.
    bool exportReportPdf(const QString& path);

    /// Reloads every text of the window and its menus in the current language.
    void retranslate();

    /// Calculate as the button does; true when results are shown afterwards.
    bool calculate();

    /// The design as the controls hold it (committing typed text first), in internal units.
    ZelkEngine::DesignCase designFromControls();
    /// The engine record of one pass, built from the controls.
    ZelkEngine::CalculationCase calculationCaseFromControls();

    MainMenu* menu() const { return m_menu; }
    DesignInputPanel* inputs() const { return m_inputs; }
    PicturePanel* picturePanel() const { return m_pictures; }
    ResultsPanel* resultsPanel() const { return m_results; }
    const ZelkEngine::DesignCase& design() const { return m_design; }
    const ZelkEngine::CalculationCase& lastCalculation() const { return m_lastCase; }
    const ZelkOptions& options() const { return m_options; }
    int pictureNumber() const { return m_pictureNumber; }
    bool hasResults() const { return m_hasResults; }
    bool isPrintEnabled() const { return m_isPrintEnabled; }
    const std::string& warnings() const { return m_warnings; }

public slots:
    void onFileNew();
    void onFileOpen();
    void onFileSave();
    void onLanguages();
    void onHelp();
    void onAbout();
    void onStrokeRateStep(int direction);
    void onTargetRateStep(int direction);
    void onFluidSpecificGravityCalculator();
    void onSinkerBarCalculator();
    void onSlippageCalculator();
    void onTubingAnchorCatcher();
    void onPrintReport();
    void onPrintPreview();
    void onExportPdf();
    void onSettings();
    void onDataUnits();
    void onOverlayDynFile();
    void onCompareDynFile();
    void onClearDynOverlay();

public:
    /// Chooses the card file of Overlay DYN File... (an open dialog by default); an empty
    /// result cancels the command.
    using DynFileChooser = std::function<QString(QWidget* parent, const QString& filter)>;
    static void setDynFileChooser(DynFileChooser chooser);
    /// Runs the comparison dialog in place of its modal loop (tests); none restores exec().
    using CompareDialogRunner = std::function<void(files::CDynFileCompareDlg&)>;
    static void setCompareDialogRunner(CompareDialogRunner runner);
    /// Overlay DYN File... without the dialog; false (with the reason shown) when the file gave
    /// no card, the previous overlay then stays.
    bool overlayDynFile(const QString& path);
    bool hasOverlay() const { return m_hasOverlay; }
    const files::CardRecord& importedCard() const { return m_importedCard; }
    const std::vector<double>& dynPositions() const { return m_dynPositions; }
    const std::vector<double>& dynLoads() const { return m_dynLoads; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createDataObjects();
    units::CDataObject& addDataObject(const char* name, double* value, const char* category,
                                      int labelId, bool isEdit);
    void bindControls();
    void connectCommands();
    void refreshMenuState();
    void refreshControls();
    bool commitControls(bool showMessages);
    void fillControlsFromDesign(const ZelkEngine::DesignCase& design);
    void applyNewDesignDefaults();
    void applyUnitSystem(int index);
    void setLink(int which, bool isOn);
    void onTitleChanged(const QString& title);
    void onRodTypeChanged(int rodType);
    void onPumpEfficiencyEdited();
    /// Typing in the fluid specific gravity takes it from the calculator and keeps the linked
    /// sinker bar weight and pump efficiency in step with it.
    void onFluidSpecificGravityEdited(const QString& text);
    /// Typing in the tubing pressure or the pump intake pressure keeps a linked pump
    /// efficiency in step.
    void onSlippageInputEdited(units::CExEdit* edit, const QString& text);
    void onStrokeRateLeft();
    /// Takes the text being typed into the edit, and every other pending edit, into the
    /// design without rewriting the text under the user's caret. The caller has made the edit
    /// `m_typingIn` for as long as the updates that follow run.
    void commitWhileTyping(units::CExEdit* edit);
    /// The updates that typing runs hold their messages until the field is left: a box that took
    /// the focus in the middle of "0.95" would swallow the keys still to come.
    void showOrHold(const QString& text, const QString& caption, MessageService::Icon icon);
    void showHeldMessages();

public:
    /// Shows the results of the last calculation in the current units and language.
    void showResults();

private:
    void hideResults();
    bool runCalculation();
    /// The range check before Calculate; shows every failing input in one box.
    bool passesPreCalculationCheck();
    /// The sucker rod report filled from the window (the plots stay the window's).
    std::unique_ptr<report::CSuckerRodReportMgr> makeReport();
    units::CDataObject* dataObject(const char* name) const;
    /// Keeps a linked sinker bar weight in step with the design (and warns about a fluid
    /// specific gravity it cannot use).
    void sinkerBarUpdate();
    /// Recomputes a linked pump efficiency; false when it is not usable, which stops Calculate.
    bool slippageUpdate();
    bool readDesignFile(const QString& path, bool calculateAfter);
    /// Adds or replaces the measured card on the card plot from the raw lists.
    void refreshOverlayCurve();

    CZelkApp& m_app;
    ZelkEngine::DesignCase m_design;
    ZelkOptions m_options;
    ZelkEngine::CalculationCase m_lastCase;
    std::vector<std::unique_ptr<units::CDataObject>> m_dataObjects;
    std::vector<units::DependentControl*> m_controls;
    std::unique_ptr<units::DependentControl> m_resultsRefresher;
    units::CCommitGuard* m_commitGuard = nullptr;
    std::unique_ptr<MessageNotifier> m_notifier;
    MainMenu* m_menu;
    QScrollArea* m_scroll;
    DesignInputPanel* m_inputs;
    PicturePanel* m_pictures;
    ResultsPanel* m_results;
    int m_pictureNumber = 0;
    int m_rodType = 0;
    bool m_hasResults = false;
    bool m_isPrintEnabled = false;
    bool m_hasOverlay = false;
    files::CardRecord m_importedCard;
    std::vector<double> m_dynPositions;
    std::vector<double> m_dynLoads;
    bool m_hasTubingAnchorList = false;
    std::string m_warnings;
    // The edit the user is typing into: commits and refreshes leave its text alone.
    units::CExEdit* m_typingIn = nullptr;
    std::vector<MessageService::Message> m_heldMessages;
};

}  // namespace app
