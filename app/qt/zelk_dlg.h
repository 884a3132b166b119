#pragma once

#include <QDialog>

class QScrollArea;

namespace app {

class CZelkApp;
class DesignInputPanel;
class MainMenu;
class PicturePanel;

/// The main window: one design, its inputs on the left and, beside them, a picture before the
/// first calculation or the results and plots after it.
class CZelkDlg : public QDialog {
    Q_OBJECT
public:
    explicit CZelkDlg(CZelkApp& application, QWidget* parent = nullptr);
    ~CZelkDlg() override;

    /// Opens a design named on the command line: read and shown, not calculated.
    void openDesignWithoutCalculating(const QString& path);

    /// Reloads every text of the window and its menus in the current language.
    void retranslate();

    MainMenu* menu() const { return m_menu; }
    DesignInputPanel* inputs() const { return m_inputs; }
    PicturePanel* picturePanel() const { return m_pictures; }
    int pictureNumber() const { return m_pictureNumber; }
    bool hasResults() const { return m_hasResults; }

public slots:
    void onFileNew();
    void onLanguages();
    void onHelp();
    void onAbout();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectCommands();
    void refreshMenuState();
    void onTitleChanged(const QString& title);

    CZelkApp& m_app;
    MainMenu* m_menu;
    QScrollArea* m_scroll;
    DesignInputPanel* m_inputs;
    PicturePanel* m_pictures;
    int m_pictureNumber = 0;
    bool m_hasResults = false;
    bool m_hasOverlay = false;
};

}  // namespace app
