#include "app/qt/main_menu.h"

#include "app/qt/ui_text.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

QAction* makeAction(QWidget* window, const char* name) {
    auto* action = new QAction(window);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

MainMenu::MainMenu(QWidget* window) : QObject(window), m_bar(new QMenuBar(window)) {
    m_bar->setObjectName(QStringLiteral("mainMenu"));
    m_file = m_bar->addMenu(QString());
    m_tools = m_bar->addMenu(QString());
    m_help = m_bar->addMenu(QString());

    fileNew = makeAction(window, "fileNew");
    fileOpen = makeAction(window, "fileOpen");
    fileSave = makeAction(window, "fileSave");
    printReport = makeAction(window, "printReport");
    printPreview = makeAction(window, "printPreview");
    exportPdf = makeAction(window, "exportPdf");
    fileExit = makeAction(window, "fileExit");
    fluidSpecificGravity = makeAction(window, "toolFluidSpecificGravity");
    sinkerBarWeight = makeAction(window, "toolSinkerBarWeight");
    slippage = makeAction(window, "toolSlippage");
    tubingAnchorCatcher = makeAction(window, "toolTubingAnchorCatcher");
    overlayDynFile = makeAction(window, "toolOverlayDynFile");
    compareDynFile = makeAction(window, "toolCompareDynFile");
    clearDynOverlay = makeAction(window, "toolClearDynOverlay");
    settings = makeAction(window, "toolSettings");
    dataUnits = makeAction(window, "toolDataUnits");
    languages = makeAction(window, "toolLanguages");
    helpWithZelk = makeAction(window, "helpWithZelk");
    aboutZelk = makeAction(window, "helpAbout");

    // The Print Report text names Ctrl+P, but that key was never bound to it; F1 is.
    helpWithZelk->setShortcut(QKeySequence(Qt::Key_F1));
    helpWithZelk->setShortcutContext(Qt::ApplicationShortcut);
    window->addAction(helpWithZelk);
    for (QAction* link : {fluidSpecificGravity, sinkerBarWeight, slippage}) {
        link->setCheckable(true);
    }

    m_file->addActions({fileNew, fileOpen, fileSave});
    m_file->addSeparator();
    m_file->addActions({printReport, printPreview, exportPdf});
    m_file->addSeparator();
    m_file->addAction(fileExit);
    m_tools->addActions({fluidSpecificGravity, sinkerBarWeight, slippage});
    m_tools->addSeparator();
    m_tools->addActions({overlayDynFile, compareDynFile, clearDynOverlay});
    m_tools->addSeparator();
    m_tools->addActions({settings, dataUnits, languages});
    m_help->addActions({helpWithZelk, aboutZelk});
    retranslate();
}

void MainMenu::retranslate() {
    m_file->setTitle(uiText(148));
    m_tools->setTitle(uiText(142));
    m_help->setTitle(uiText(145));
    const std::pair<QAction*, int> texts[] = {{fileNew, 137},
                                              {fileOpen, 138},
                                              {fileSave, 139},
                                              {printReport, 140},
                                              {printPreview, 365},
                                              {exportPdf, 5210},
                                              {fileExit, 141},
                                              {fluidSpecificGravity, 355},
                                              {sinkerBarWeight, 356},
                                              {slippage, 357},
                                              {tubingAnchorCatcher, 349},
                                              {overlayDynFile, 350},
                                              {compareDynFile, 351},
                                              {clearDynOverlay, 352},
                                              {settings, 143},
                                              {dataUnits, 358},
                                              {languages, 144},
                                              {helpWithZelk, 146},
                                              {aboutZelk, 147}};
    for (const auto& [action, id] : texts) {
        action->setText(menuText(id));
    }
}

void MainMenu::refreshState(bool hasResults, bool hasOverlay) {
    printReport->setEnabled(hasResults);
    printPreview->setEnabled(hasResults);
    exportPdf->setEnabled(hasResults);
    compareDynFile->setEnabled(hasOverlay);
    clearDynOverlay->setEnabled(hasOverlay);
}

void MainMenu::setTubingAnchorVisible(bool visible) {
    if (visible == isTubingAnchorVisible()) {
        return;
    }
    if (visible) {
        // Fourth in the Tools menu, after Slippage, where the menu first had it.
        m_tools->insertAction(m_tools->actions().value(3), tubingAnchorCatcher);
    } else {
        m_tools->removeAction(tubingAnchorCatcher);
    }
}

bool MainMenu::isTubingAnchorVisible() const {
    return m_tools->actions().contains(tubingAnchorCatcher);
}

}  // namespace app
