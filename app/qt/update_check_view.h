#pragma once

#include "app/update/sw_update_mgr.h"

#include <functional>
#include <memory>

#include <QObject>
#include <QUrl>

namespace app {

class CAboutDlg;

/// The about box's side of the update check: "Check for updates..." starts a check, the status
/// line follows it and, when a newer release exists, the link line offers its download address.
/// Only an http or https address is offered as a link; any other text is shown as plain text and
/// never handed to the system. Closing the box stops a running check; destroying the view waits
/// for it at most 3.5 seconds.
class CUpdateCheckView : public QObject {
    Q_OBJECT
public:
    /// Opens a download address; the default hands it to the system's web browser.
    using Opener = std::function<bool(const QUrl&)>;

    CUpdateCheckView(CAboutDlg& about, UpdateServer server, QObject* parent = nullptr);
    ~CUpdateCheckView() override;

    /// Replaces the opener (tests); an empty function restores the default.
    static void setOpener(Opener opener);

    CSWUpdateMgr& manager() { return *m_manager; }

    /// Starts a check unless one is running.
    void start();

private:
    Q_INVOKABLE void showResult();
    void openLink();

    CAboutDlg& m_about;
    std::unique_ptr<CSWUpdateMgr> m_manager;
    QUrl m_address;
};

}  // namespace app
