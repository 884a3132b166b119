#include "app/app_preferences.h"

#include "app/language.h"
#include "units/preferences_store.h"

#include <gtest/gtest.h>

namespace {

class AppPreferencesTest : public ::testing::Test {
protected:
    units::MemoryPreferencesStore m_store;
    app::AppPreferences m_prefs{m_store};
};

TEST_F(AppPreferencesTest, FirstRunIsEnglishAndWritesNothing) {
    EXPECT_EQ(m_prefs.languageText(), "");
    EXPECT_EQ(m_prefs.storedLanguage(), app::kEnglish);
    EXPECT_EQ(m_store.size(), 0u);
}

TEST_F(AppPreferencesTest, LanguageIsStoredAsItsDigitBytesAndReadBack) {
    m_prefs.writeLanguage(app::kSpanish);
    // '2' '0' '5' '8' in storage order: 0x32 0x30 0x35 0x38.
    EXPECT_EQ(m_store.intValue("Lang"), 0x38353032);
    EXPECT_EQ(m_prefs.languageText(), "2058");
    EXPECT_EQ(app::AppPreferences(m_store).storedLanguage(), app::kSpanish);
    m_prefs.writeLanguage(app::kEnglish);
    EXPECT_EQ(m_store.intValue("Lang"), 0x33333031);
    EXPECT_EQ(m_prefs.storedLanguage(), app::kEnglish);
    m_prefs.writeLanguage(3082);  // anything else is stored as English
    EXPECT_EQ(m_prefs.languageText(), "1033");
}

TEST_F(AppPreferencesTest, LanguageReadIgnoresTheStoredType) {
    struct Row {
        const char* text;
        int language;
    };
    const Row rows[] = {{"2058", app::kSpanish},
                        {"20581", app::kSpanish},
                        {"1033", app::kEnglish},
                        {"205", app::kEnglish},
                        {"spanish", app::kEnglish}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        m_store.setString("Lang", row.text);
        EXPECT_EQ(m_prefs.storedLanguage(), row.language);
    }
    m_store.setInt("Lang", 2058);  // the number itself is not the digit text
    EXPECT_EQ(m_prefs.storedLanguage(), app::kEnglish);
}

TEST_F(AppPreferencesTest, PictureCounterCyclesThroughSixValuesAndPersists) {
    const int expected[] = {1, 2, 3, 4, 5, 0, 1, 2};
    for (int value : expected) {
        // A fresh reader each time, as each start of the program would have.
        EXPECT_EQ(app::AppPreferences(m_store).stepPictureCounter(), value);
    }
    m_prefs.stepPictureCounter();
    EXPECT_EQ(m_store.intValue("AdvertNumber"), '3');  // counter 3 is the bytes 33 00 00 00
}

TEST_F(AppPreferencesTest, PictureCounterReadsOnlyTheFirstCharacter) {
    struct Row {
        const char* stored;
        int next;
    };
    const Row rows[] = {{"3", 4}, {"47", 5}, {"9", 4}, {"x", 1}, {"", 1}, {"-2", 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        m_store.setString("AdvertNumber", row.stored);
        EXPECT_EQ(m_prefs.stepPictureCounter(), row.next);
    }
}

}  // namespace
