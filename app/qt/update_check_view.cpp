#include "app/qt/update_check_view.h"

#include "app/qt/about_dlg.h"
#include "app/qt/ui_text.h"
#include "app/version.h"

#include <QDesktopServices>
#include <QLabel>

namespace app {

namespace {

CUpdateCheckView::Opener& opener() {
    static CUpdateCheckView::Opener function;
    return function;
}

/// The address as a web URL, or an empty URL when it is anything else.
QUrl webAddress(const std::string& address) {
    if (!IsWebAddress(address)) {
        return QUrl();
    }
    const QUrl url(toQString(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return QUrl();
    }
    return url;
}

}  // namespace

CUpdateCheckView::CUpdateCheckView(CAboutDlg& about, UpdateServer server, QObject* parent)
    : QObject(parent),
      m_about(about),
      m_manager(std::make_unique<CSWUpdateMgr>(std::move(server))) {
    // Links are opened here, after the address has been checked, never by the label itself.
    m_about.linkLine()->setOpenExternalLinks(false);
    connect(m_about.linkLine(), &QLabel::linkActivated, this, [this] { openLink(); });
    connect(&m_about, &CAboutDlg::updateCheckRequested, this, &CUpdateCheckView::start);
    connect(&m_about, &CAboutDlg::closing, this, [this] { m_manager->Stop(); });
}

CUpdateCheckView::~CUpdateCheckView() {
    m_manager.reset();
}

void CUpdateCheckView::setOpener(Opener function) {
    opener() = std::move(function);
}

void CUpdateCheckView::start() {
    // Called on the worker thread, never after the manager is stopped or destroyed (both happen
    // before this view goes away): it only posts the news to the user-interface thread.
    const bool started = m_manager->Start(
        [this] { QMetaObject::invokeMethod(this, "showResult", Qt::QueuedConnection); });
    if (!started) {
        return;
    }
    QLabel* status = m_about.statusLine();
    status->setStyleSheet(QString());
    status->setText(uiText(380));
    status->show();
    m_about.linkLine()->hide();
    m_address = QUrl();
}

void CUpdateCheckView::showResult() {
    const CSWUpdateMgr::Result result = m_manager->GetResult();
    QLabel* status = m_about.statusLine();
    QLabel* link = m_about.linkLine();
    if (result.fileRead) {
        const UpdateVersion own = ParseUpdateVersion(fileVersionText());
        if (IsNewerVersion(result.file.version, own)) {
            status->setStyleSheet(QString());
            status->setText(uiText(377));
            m_address = webAddress(result.file.address);
            const QString text = toQString(result.file.address);
            if (m_address.isValid()) {
                link->setTextFormat(Qt::RichText);
                link->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                              Qt::LinksAccessibleByKeyboard);
                link->setText(QStringLiteral("<a href=\"#download\" style=\"color:#0000ff; "
                                             "text-decoration:underline\">%1</a>")
                                  .arg(text.toHtmlEscaped()));
                link->setCursor(Qt::PointingHandCursor);
            } else {
                link->setTextFormat(Qt::PlainText);
                link->setTextInteractionFlags(Qt::TextSelectableByMouse);
                link->setText(text);
                link->unsetCursor();
            }
            link->show();
        } else {
            status->setStyleSheet(QString());
            status->setText(uiText(378));
        }
        status->show();
        return;
    }
    if (result.status != CSWUpdateMgr::kStopped) {
        status->setStyleSheet(QStringLiteral("color: #ff0000"));
        status->setText(uiText(379));
        status->show();
    }
}

void CUpdateCheckView::openLink() {
    if (!m_address.isValid()) {
        return;
    }
    if (opener()) {
        opener()(m_address);
    } else {
        QDesktopServices::openUrl(m_address);
    }
}

}  // namespace app
