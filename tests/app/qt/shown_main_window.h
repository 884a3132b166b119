#pragma once

// A main window on a fresh in-memory preferences store, shown in English, for the tests that
// drive it as a user would.
#include "app/language.h"
#include "app/qt/language_change_dlg.h"
#include "app/qt/message_service.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "units/preferences_store.h"

#include <memory>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace apptest {

class ShownMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::applyUiLanguage(app::kEnglish);
        app::CLanguageChangeDlg::resetChoice();
        app::MessageService::clearRecorded();
        m_window = std::make_unique<app::CZelkDlg>(m_app);
        m_window->show();
    }
    void TearDown() override { m_window.reset(); }

    units::MemoryPreferencesStore m_store;
    app::CZelkApp m_app{m_store};
    std::unique_ptr<app::CZelkDlg> m_window;
};

// Types into an edit as a user who first selects what it holds.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace apptest
