#include "app/qt/about_dlg.h"

#include "app/qt/ui_text.h"
#include "app/version.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(150));
    const std::string year = std::to_string(QDate::currentDate().year());
    auto* name = new QLabel(uiFormat(172, {shortVersionText()}), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    name->setFont(big);
    m_version = new QLabel(uiFormat(151, {fileVersionText()}), this);
    m_version->setObjectName(QStringLiteral("versionLine"));
    m_notice = new QLabel(uiFormat(152, {year}), this);
    m_notice->setObjectName(QStringLiteral("noticeLine"));
    m_link = new QLabel(this);
    m_link->setObjectName(QStringLiteral("linkLine"));
    m_link->setOpenExternalLinks(true);
    m_link->hide();
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLine"));
    m_status->hide();

    m_update = new QPushButton(uiText(153), this);
    m_update->setObjectName(QStringLiteral("updateButton"));
    connect(m_update, &QPushButton::clicked, this, &CAboutDlg::updateCheckRequested);
    auto* ok = new QPushButton(uiText(149), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_update);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(m_version);
    layout->addWidget(m_notice);
    layout->addWidget(m_link);
    layout->addWidget(m_status);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void CAboutDlg::done(int result) {
    emit closing();
    QDialog::done(result);
}

}  // namespace app
