#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace app {

/// The main window's menu bar: File, Tools and Help with every command of the window. Texts come
/// from the string table and are reloaded by `retranslate`.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* window);

    QMenuBar* bar() const { return m_bar; }
    void retranslate();

    /// Print Report and Print Preview follow the results; the two overlay commands follow a
    /// loaded dynamometer card.
    void refreshState(bool hasResults, bool hasOverlay);
    /// The Tubing Anchor Catcher item stands in the Tools menu only while the tool is offered.
    void setTubingAnchorVisible(bool visible);
    bool isTubingAnchorVisible() const;

    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileSave = nullptr;
    QAction* printReport = nullptr;
    QAction* printPreview = nullptr;
    QAction* exportPdf = nullptr;
    QAction* fileExit = nullptr;
    QAction* fluidSpecificGravity = nullptr;
    QAction* sinkerBarWeight = nullptr;
    QAction* slippage = nullptr;
    QAction* tubingAnchorCatcher = nullptr;
    QAction* overlayDynFile = nullptr;
    QAction* compareDynFile = nullptr;
    QAction* clearDynOverlay = nullptr;
    QAction* settings = nullptr;
    QAction* dataUnits = nullptr;
    QAction* languages = nullptr;
    QAction* helpWithZelk = nullptr;
    QAction* aboutZelk = nullptr;

private:
    QMenuBar* m_bar;
    QMenu* m_file;
    QMenu* m_tools;
    QMenu* m_help;
};

}  // namespace app
