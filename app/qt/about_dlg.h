#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

/// Help > About Zelk: the version line, the maker's notice with the current year, and the button
/// that starts the update check. The link and status lines stay hidden until the check uses them.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* versionLine() const { return m_version; }
    QLabel* noticeLine() const { return m_notice; }
    QLabel* linkLine() const { return m_link; }
    QLabel* statusLine() const { return m_status; }
    QPushButton* updateButton() const { return m_update; }

signals:
    /// The user asked for the update check.
    void updateCheckRequested();
    /// The box is closing; a running update check should stop.
    void closing();

protected:
    void done(int result) override;

private:
    QLabel* m_version;
    QLabel* m_notice;
    QLabel* m_link;
    QLabel* m_status;
    QPushButton* m_update;
};

}  // namespace app
