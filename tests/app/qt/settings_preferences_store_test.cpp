#include "app/qt/settings_preferences_store.h"

#include "app/app_preferences.h"
#include "app/language.h"
#include "tests/app/qt/qstring_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Zelk.conf")); }
    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, ValuesKeepTheirTypeAcrossReopening) {
    {
        app::SettingsPreferencesStore store(path());
        store.setInt("Units", 2);
        store.setInt("Negative", -5);
        store.setString("TargetRateIncrement", "10.00");
        store.setString("Odd", "dword:00000001");
        store.setString("List", "a, b, c");
        store.setString("UserDefinedUnits\\DEPTH", "M");
        store.setString("Accents", "Presión");
    }
    app::SettingsPreferencesStore store(path());
    EXPECT_EQ(store.intValue("Units"), 2);
    EXPECT_EQ(store.intValue("Negative"), -5);
    EXPECT_FALSE(store.stringValue("Units"));
    EXPECT_EQ(store.stringValue("TargetRateIncrement"), "10.00");
    EXPECT_FALSE(store.intValue("TargetRateIncrement"));
    // A text that looks like a stored integer stays a text.
    EXPECT_EQ(store.stringValue("Odd"), "dword:00000001");
    EXPECT_FALSE(store.intValue("Odd"));
    EXPECT_EQ(store.stringValue("List"), "a, b, c");
    EXPECT_EQ(store.stringValue("UserDefinedUnits\\DEPTH"), "M");
    EXPECT_EQ(store.stringValue("Accents"), "Presión");
    EXPECT_TRUE(store.has("Units"));
    store.remove("Units");
    EXPECT_FALSE(store.has("Units"));
    EXPECT_FALSE(store.intValue("Missing"));
    EXPECT_EQ(store.getInt("Missing", 7), 7);
}

TEST_F(SettingsStoreTest, StartUpKeysSurviveRestartsAndBadEdits) {
    {
        app::SettingsPreferencesStore store(path());
        app::AppPreferences prefs(store);
        prefs.writeLanguage(app::kSpanish);
        EXPECT_EQ(prefs.stepPictureCounter(), 1);
    }
    {
        app::SettingsPreferencesStore store(path());
        app::AppPreferences prefs(store);
        EXPECT_EQ(prefs.storedLanguage(), app::kSpanish);
        EXPECT_EQ(prefs.stepPictureCounter(), 2);
    }
    // A hand-edited file: wrong types and garbage fall back without a fault.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nLang=hello\nAdvertNumber=dword:zzzzzzzz\n");
    file.close();
    app::SettingsPreferencesStore store(path());
    app::AppPreferences prefs(store);
    EXPECT_EQ(prefs.storedLanguage(), app::kEnglish);
    EXPECT_EQ(prefs.stepPictureCounter(), 1);
}

}  // namespace
