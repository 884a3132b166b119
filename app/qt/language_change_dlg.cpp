#include "app/qt/language_change_dlg.h"

#include "app/language.h"
#include "app/qt/ui_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

namespace {
int g_chosenIndex = -1;  // -1: nothing chosen yet in this run
}

CLanguageChangeDlg::CLanguageChangeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(155));
    auto* label = new QLabel(uiText(113), this);
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("languageList"));
    m_list->addItem(QStringLiteral("English"));
    m_list->addItem(QStringLiteral("Español"));
    m_list->setCurrentIndex(g_chosenIndex >= 0 ? g_chosenIndex
                                               : indexFromLanguage(currentLanguage()));
    auto* done = new QPushButton(uiText(154), this);
    done->setObjectName(QStringLiteral("doneButton"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &CLanguageChangeDlg::takeChoice);

    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(row);
    setMinimumWidth(300);
}

void CLanguageChangeDlg::takeChoice() {
    g_chosenIndex = m_list->currentIndex();
    accept();
}

int CLanguageChangeDlg::chosenLanguage() {
    return g_chosenIndex >= 0 ? languageFromIndex(g_chosenIndex) : currentLanguage();
}

void CLanguageChangeDlg::resetChoice() {
    g_chosenIndex = -1;
}

}  // namespace app
