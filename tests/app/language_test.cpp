#include "app/language.h"

#include <gtest/gtest.h>

namespace {

TEST(Language, StoredTextChoosesSpanishOnlyForItsExactCode) {
    EXPECT_EQ(app::languageFromText("2058"), app::kSpanish);
    EXPECT_EQ(app::languageFromText("1033"), app::kEnglish);
    for (const char* other : {"", "3082", "205", "20580", " 2058", "abcd"}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(app::languageFromText(other), app::kEnglish);
    }
}

TEST(Language, CurrentLanguageAcceptsOnlyTheTwoLanguages) {
    app::setCurrentLanguage(app::kSpanish);
    EXPECT_EQ(app::currentLanguage(), app::kSpanish);
    app::setCurrentLanguage(3082);
    EXPECT_EQ(app::currentLanguage(), app::kEnglish);
}

TEST(Language, DialogIndexRoundTrips) {
    EXPECT_EQ(app::languageFromIndex(0), app::kEnglish);
    EXPECT_EQ(app::languageFromIndex(1), app::kSpanish);
    EXPECT_EQ(app::languageFromIndex(7), app::kEnglish);
    EXPECT_EQ(app::indexFromLanguage(app::kSpanish), 1);
    EXPECT_EQ(app::indexFromLanguage(app::kEnglish), 0);
    EXPECT_EQ(app::indexFromLanguage(1031), 0);
}

}  // namespace
