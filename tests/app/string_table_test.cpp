#include "app/string_table.h"

#include "app/language.h"

#include <algorithm>
#include <regex>
#include <set>

#include <gtest/gtest.h>

namespace {

const app::StringTable& table() {
    return app::StringTable::builtIn();
}

// Identifiers whose Spanish text is the English one: symbols and terms the program shows in
// English in both languages, and the maker's names and addresses.
const std::set<int> kSameInBothLanguages = {149, 172, 175, 190, 193, 194, 196, 205, 208, 263, 265,
                                            266, 315, 327, 334, 338, 176, 179, 181, 207, 364};

std::vector<std::string> placeholders(const std::string& text) {
    static const std::regex spec("%[-+#0]*[0-9]*(\\.[0-9]+)?[sdfegx%]");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), spec);
         it != std::sregex_iterator(); ++it) {
        found.push_back(it->str());
    }
    return found;
}

TEST(BuiltInStrings, EveryIdentifierHasBothTexts) {
    EXPECT_TRUE(table().errors().empty()) << table().errors().front();
    const std::vector<int> english = table().identifiers(app::kEnglish);
    const std::vector<int> spanish = table().identifiers(app::kSpanish);
    EXPECT_EQ(english, spanish);
    // The classic table holds 284 texts; texts this program added since are numbered from 5201.
    const auto isClassic = [](int id) {
        return (id >= 101 && id <= 384) || id == 1190 || id == 4000;
    };
    EXPECT_EQ(std::count_if(english.begin(), english.end(), isClassic), 284);
    for (int id : english) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(isClassic(id) || (id >= 5201 && id <= 5299));
        EXPECT_FALSE(table().text(id, app::kEnglish).empty());
        EXPECT_FALSE(table().text(id, app::kSpanish).empty());
    }
}

TEST(BuiltInStrings, SpanishIsTranslatedWithTheSamePlaceholders) {
    for (int id : table().identifiers(app::kEnglish)) {
        SCOPED_TRACE(id);
        const std::string english = table().text(id, app::kEnglish);
        const std::string spanish = table().text(id, app::kSpanish);
        EXPECT_EQ(kSameInBothLanguages.count(id) != 0, english == spanish) << spanish;
        // Callers fill the placeholders with fixed arguments, so both languages must agree.
        EXPECT_EQ(placeholders(english), placeholders(spanish));
        EXPECT_EQ(english.find('\n') == std::string::npos, spanish.find('\n') == std::string::npos);
    }
}

TEST(BuiltInStrings, KnownTextsInBothLanguages) {
    struct Row {
        int id;
        const char* english;
        const char* spanish;
    };
    // clang-format off
    const Row rows[] = {
        {188, "PPRL", "Carga Máxima"},
        {238, "Error", "Comprobación de Validez"},
        {263, "Length", "Length"},
        {113, "Select language", "Seleccionar idoma"},
        {220, "Please enter a value for Sinker Bar Weight between 0 and ",
              "Ingrese un valor de Peso de Barras de Peso entre 0 y "},
        {237, " value cannot be negative.", ": el valor no puede ser negativo."},
        {348, "The following are invalid:\n\n", "Los siguientes valores no son válidos:\n\n"},
        {4000, "pump volumetric eff.", "eficiencia vol. bomba"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(table().text(row.id, app::kEnglish), row.english);
        EXPECT_EQ(table().text(row.id, app::kSpanish), row.spanish);
    }
}

TEST(BuiltInStrings, LoadStringFollowsTheCurrentLanguage) {
    app::setCurrentLanguage(app::kSpanish);
    EXPECT_EQ(app::loadString(201), "Carga En Variilas");
    EXPECT_EQ(app::loadString(9999), "");
    app::setCurrentLanguage(app::kEnglish);
    EXPECT_EQ(app::loadString(201), "Rod Load");
}

TEST(StringTable, FallsBackToEnglishAndReportsBadLines) {
    app::StringTable t;
    t.addLanguage(app::kEnglish, "# comment\n101\tOne\r\n102\tTwo\\nlines\\\\\n\n");
    t.addLanguage(app::kSpanish,
                  "101\tUno\n101\tOtra vez\nabc\tx\n103\n104\tbad \\q escape\n70000\tbig\n");
    EXPECT_EQ(t.text(101, app::kSpanish), "Uno");
    EXPECT_EQ(t.text(102, app::kSpanish), "Two\nlines\\");
    EXPECT_EQ(t.text(102, 3082), "Two\nlines\\");
    EXPECT_EQ(t.text(103, app::kEnglish), "");
    EXPECT_FALSE(t.contains(102, app::kSpanish));
    ASSERT_EQ(t.errors().size(), 5u);
    EXPECT_NE(t.errors()[0].find("line 2"), std::string::npos);
    EXPECT_NE(t.errors()[0].find("repeated"), std::string::npos);
}

}  // namespace
