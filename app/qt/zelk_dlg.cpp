#include "app/qt/zelk_dlg.h"

#include "app/app_preferences.h"
#include "app/language.h"
#include "app/qt/about_dlg.h"
#include "app/qt/calculate_button.h"
#include "app/qt/design_input_panel.h"
#include "app/qt/help_launcher.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/main_menu.h"
#include "app/qt/picture_panel.h"
#include "app/qt/ui_language.h"
#include "app/qt/ui_text.h"
#include "app/qt/zelk_app.h"
#include "app/version.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace app {

namespace {
const QString kTubingAnchorTitle = QStringLiteral("PLOVERMANTLE");
}

CZelkDlg::CZelkDlg(CZelkApp& application, QWidget* parent) : QDialog(parent), m_app(application) {
    setObjectName(QStringLiteral("zelkDlg"));
    // Read again here so that a window made on its own (as tests do) starts in the stored language.
    applyUiLanguage(AppPreferences(m_app.preferences()).storedLanguage());
    m_pictureNumber = m_app.stepPictureCounter();

    m_menu = new MainMenu(this);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    m_inputs = new DesignInputPanel(content);
    m_pictures = new PicturePanel(content);
    m_pictures->setCounter(m_pictureNumber);
    m_pictures->setMinimumWidth(540);
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_inputs);
    row->addWidget(m_pictures, 1);

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
    setSizeGripEnabled(true);
    resize(1180, 760);
    m_menu->setTubingAnchorVisible(false);
    connectCommands();
    retranslate();
    refreshMenuState();
}

CZelkDlg::~CZelkDlg() {
    // Stored only now, so a run that ends abnormally keeps the previous language.
    m_app.writeLanguage();
}

void CZelkDlg::connectCommands() {
    connect(m_menu->fileNew, &QAction::triggered, this, &CZelkDlg::onFileNew);
    connect(m_menu->fileExit, &QAction::triggered, this, &QDialog::reject);
    connect(m_menu->languages, &QAction::triggered, this, &CZelkDlg::onLanguages);
    connect(m_menu->helpWithZelk, &QAction::triggered, this, &CZelkDlg::onHelp);
    connect(m_menu->aboutZelk, &QAction::triggered, this, &CZelkDlg::onAbout);
    connect(m_inputs->title, &QLineEdit::textChanged, this, &CZelkDlg::onTitleChanged);
}

void CZelkDlg::retranslate() {
    setWindowTitle(uiFormat(172, {shortVersionText()}));
    m_menu->retranslate();
    m_inputs->retranslate();
    m_pictures->update();
    update();
}

void CZelkDlg::refreshMenuState() {
    m_menu->refreshState(m_hasResults, m_hasOverlay);
}

void CZelkDlg::onTitleChanged(const QString& title) {
    const bool offered = title == kTubingAnchorTitle;
    m_menu->setTubingAnchorVisible(offered);
    m_inputs->tubingAnchorTool->setVisible(offered);
}

void CZelkDlg::openDesignWithoutCalculating(const QString& path) {
    Q_UNUSED(path);
}

void CZelkDlg::onFileNew() {
    m_hasResults = false;
    m_pictureNumber = m_app.stepPictureCounter();
    m_pictures->setCounter(m_pictureNumber);
    m_pictures->setShowsPicture(true);
    refreshMenuState();
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
    about.exec();
}

void CZelkDlg::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere calculates; Escape does not close the design window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_inputs->calculate->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace app
