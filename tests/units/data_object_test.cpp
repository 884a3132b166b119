#include "units/data_object.h"

#include "library_fixture.h"
#include "units/data_manager.h"
#include "units/no_value.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

using units::CDataObject;
using units::kLimitError;
using units::kLimitExclusive;
using units::kTextUnit;
using units::kTextValue;

class DataObject : public unitstest::LibraryTest {
protected:
    // A depth field as the main window builds it: stored in feet, shown in the DEPTH unit.
    void MakeDepth(const char* description = "Pump depth") {
        m_object.SetName(description);
        m_object.SetDescription(description);
        m_object.SetUnits("FT", "DEPTH");
        m_object.InitValue(&m_value);
    }

    double m_value = 0.0;
    CDataObject m_object;
};

TEST_F(DataObject, ReadsAndWritesTheOwnersVariable) {
    m_value = 5000.0;
    MakeDepth();
    EXPECT_EQ(m_object.GetText(0, kTextValue), "5,000");
    EXPECT_EQ(m_object.GetText(0, kTextValue | kTextUnit), "5,000 ft");
    EXPECT_EQ(m_object.GetText(0, kTextUnit), "ft");

    EXPECT_TRUE(m_object.SetFromText(" 1,250 "));
    EXPECT_EQ(m_value, 1250.0);
    EXPECT_TRUE(m_object.SetFromText(""));
    EXPECT_EQ(m_value, units::kNoValueDouble);
    EXPECT_FALSE(m_object.HasValue());
    EXPECT_EQ(m_object.GetText(0, kTextValue), "");
}

TEST_F(DataObject, DisplayUnitChangesTextNotValue) {
    m_value = 1000.0;
    MakeDepth();
    SetUnit("DEPTH", "M");
    EXPECT_EQ(m_object.GetText(0, kTextValue | kTextUnit), "305 m");
    m_object.SetFromText("100");
    EXPECT_NEAR(m_value, 328.08399, 1e-9);  // typed in metres, stored in feet
    EXPECT_EQ(m_value, m_object.ToInternal(100.0));
}

TEST_F(DataObject, ParsesTypedNumbersAsTheCLibraryDoes) {
    MakeDepth();
    struct Case {
        const char* text;
        double stored;
    };
    const Case cases[] = {
        {"1e3", 1000.0}, {"--5", 0.0},     {"+7", 7.0},      {"12abc", 12.0},
        {".5", 0.5},     {"1,2,3", 123.0}, {"-0.25", -0.25}, {"1e999", HUGE_VAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_object.SetFromText(c.text);
        EXPECT_EQ(m_value, c.stored);
    }
}

TEST_F(DataObject, ChangeCallbackRunsAfterEverySet) {
    MakeDepth();
    int calls = 0;
    std::intptr_t seen = 0;
    m_object.SetChangeCallback(
        [&](std::intptr_t data, int) {
            ++calls;
            seen = data;
        },
        42);
    m_object.SetFromText("10");
    m_object.SetFromText("");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seen, 42);
}

TEST_F(DataObject, TextFilterAppliesWithoutUnitBinding) {
    std::string name = "abc";
    CDataObject object;
    object.InitValue(&name);
    object.SetTextFilter([](const std::string& text, int direction) {
        return direction == 1 ? text + "!" : "<" + text + ">";
    });
    EXPECT_EQ(object.GetText(), "<abc>");
    object.SetFromText("x");
    EXPECT_EQ(name, "x!");
}

struct ValidationCase {
    const char* name;
    const char* text;
    double minimum;
    int minimumFlags;
    bool hasMaximum;
    double maximum;
    int maximumFlags;
    bool valid;
    const char* caption;  // none: nothing shown; "": the application title
    int code;
};

class Validation : public unitstest::LibraryTest,
                   public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(Validation, ReportsWithCodeAndCaption) {
    const ValidationCase& c = GetParam();
    double value = 0.0;
    CDataObject object;
    object.SetDescription("Pump depth");
    object.SetUnits("FT", "DEPTH");
    object.InitValue(&value);
    object.SetMinimum(c.minimum, c.minimumFlags);
    if (c.hasMaximum) {
        object.SetMaximum(c.maximum, c.maximumFlags);
    }
    int code = 0;
    std::string callbackMessage;
    object.SetMessageCallback([&](const std::string&, CDataObject*, int reported, double, double,
                                  std::intptr_t, const std::string& message) {
        code = reported;
        callbackMessage = message;
    });
    std::string out;
    EXPECT_EQ(object.Validate(c.text, true, true, &out), c.valid);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(out, callbackMessage);

    // Without a callback the same goes to a message box with the caption.
    object.SetMessageCallback(nullptr);
    m_notifier.captions.clear();
    object.Validate(c.text, true, false);
    if (c.caption == nullptr) {
        EXPECT_TRUE(m_notifier.captions.empty());
    } else {
        ASSERT_EQ(m_notifier.captions.size(), 1u);
        EXPECT_EQ(m_notifier.captions[0], c.caption);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bounds, Validation, ::testing::Values(
    ValidationCase{"inside", "500", 0, kLimitError, true, 20000, kLimitError, true, nullptr, 0},
    ValidationCase{"empty_is_valid", "", 0, kLimitError, false, 0, 0, true, nullptr, 0},
    ValidationCase{"separators_removed", "1,250", 0, kLimitError, true, 20000, kLimitError,
                   true, nullptr, 0},
    ValidationCase{"not_numeric", "12a", 0, kLimitError, false, 0, 0, false, "", 50007},
    ValidationCase{"double_sign_passes_check", "--5", 0, kLimitError, false, 0, 0, true, nullptr,
                   0},
    ValidationCase{"warning_lets_through", "-5", 0, 0, false, 0, 0, true,
                   "Validation Warning", 50001},
    ValidationCase{"error_blocks", "-5", 0, kLimitError, false, 0, 0, false,
                   "Validation Error", 50001},
    ValidationCase{"exclusive_minimum_hit", "0", 0, kLimitError | kLimitExclusive, false, 0, 0,
                   false, "Validation Error", 50000},
    ValidationCase{"inclusive_minimum_hit", "0", 0, kLimitError, false, 0, 0, true, nullptr, 0},
    ValidationCase{"above_maximum", "25000", 0, kLimitError, true, 20000, kLimitError, false,
                   "Validation Error", 50005},
    ValidationCase{"range_with_exclusive", "25000", 0, kLimitError, true, 20000,
                   kLimitError | kLimitExclusive, false, "Validation Error", 50004},
    ValidationCase{"warning_and_error", "-5", 0, 0, true, -10, kLimitError, false,
                   "Validation Error", 50005}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(DataObject, NumericMessageAndRangeMessageTexts) {
    MakeDepth();
    m_object.SetRange(0.0, 20000.0, kLimitError);
    std::string out;
    EXPECT_FALSE(m_object.Validate("12a", false, false, &out));
    EXPECT_EQ(out, "The value for Pump depth can contain only numeric characters.");
    EXPECT_TRUE(m_notifier.messages.empty());  // not shown

    EXPECT_FALSE(m_object.Validate("30000", true, true, &out));
    EXPECT_EQ(out,
              "The value for 'Pump depth' should be greater than or equal to 0 ft and less than "
              "or equal to 20,000 ft.");
    EXPECT_EQ(m_notifier.beeps, 1);
    ASSERT_EQ(m_notifier.messages.size(), 1u);
    EXPECT_EQ(m_notifier.messages[0], out);
}

TEST_F(DataObject, BoundsAreComparedAndShownInDisplayUnits) {
    MakeDepth("Depth");
    m_object.SetMinimum(100.0, kLimitError);
    SetUnit("DEPTH", "M");
    std::string out;
    EXPECT_FALSE(m_object.Validate("30", false, false, &out));
    EXPECT_EQ(out, "The value for 'Depth' should be greater than or equal to 30 m.");
    EXPECT_TRUE(m_object.Validate("30.5", false, false));  // 100 ft is 30.48 m
}

TEST_F(DataObject, ApiGravitySwapsTheBounds) {
    double gravity = 0.0;
    CDataObject object;
    object.SetDescription("Fluid");
    object.SetUnits("ZELK_SGH2O", "FLUID_SPECIFIC_GRAVITY");
    object.InitValue(&gravity);
    object.SetRange(0.5, 1.2, kLimitError);
    SetUnit("FLUID_SPECIFIC_GRAVITY", "ZELK_DEGAPI");
    // SG 1.2 is about -13.58 API and SG 0.5 is 151.5 API: the maximum is now the lower bound.
    double lower = 0.0;
    double upper = 0.0;
    object.SetMessageCallback([&](const std::string&, CDataObject*, int, double hi, double lo,
                                  std::intptr_t, const std::string&) {
        lower = lo;
        upper = hi;
    });
    std::string out;
    EXPECT_FALSE(object.Validate("-20", true, false, &out));
    EXPECT_EQ(out,
              "The value for 'Fluid' should be greater than or equal to -13.58 deg.API and less "
              "than or equal to 151.50 deg.API.");
    EXPECT_NEAR(lower, 141.5 / 1.2 - 131.5, 1e-9);
    EXPECT_TRUE(std::isnan(upper));
    EXPECT_TRUE(object.Validate("35", false, false));
}

TEST_F(DataObject, NoUnitBindingUsesGeneralFormatAndNoSymbol) {
    double count = 0.0;
    CDataObject object;
    object.SetDescription("Count");
    object.InitValue(&count);
    object.SetMaximum(10.0, kLimitError);
    std::string out;
    EXPECT_FALSE(object.Validate("11", false, false, &out));
    EXPECT_EQ(out, "The value for 'Count' should be less than or equal to 10 .");
}

TEST_F(DataObject, UnknownCategoryIsCreatedWithTheUnit) {
    double value = 3.0;
    CDataObject object;
    object.SetUnits("KM", "MY_DISTANCE");
    object.InitValue(&value);
    ASSERT_NE(object.GetCategory(), nullptr);
    EXPECT_EQ(object.GetCategory()->GetKey(), "MY_DISTANCE");
    EXPECT_EQ(object.GetText(0, kTextValue | kTextUnit), "3 km");
    // An unknown unit leaves the storage unit empty; values then pass unchanged.
    CDataObject other;
    other.SetUnits("NOPE", "DEPTH");
    EXPECT_EQ(other.ToDisplay(7.0), 7.0);
}

TEST_F(DataObject, CompareCellsPutsEmptyCellsLast) {
    CDataObject table;
    table.InitArray(units::kTypeDouble, nullptr, 4, 0, nullptr, 1, 1, 0, nullptr, 1);
    table.GetStorage()->SetDouble(0, 2.0);
    table.GetStorage()->SetDouble(2, 1.0);
    for (bool ascending : {true, false}) {
        SCOPED_TRACE(ascending);
        EXPECT_EQ(table.CompareCells(ascending, 1, 0), 1);
        EXPECT_EQ(table.CompareCells(ascending, 0, 1), -1);
        EXPECT_EQ(table.CompareCells(ascending, 1, 3), 0);
    }
    EXPECT_EQ(table.CompareCells(true, 0, 2), 1);
    EXPECT_EQ(table.CompareCells(false, 0, 2), -1);
}

TEST_F(DataObject, CopyFromTakesCellsAndSettings) {
    CDataObject source;
    source.InitArray(units::kTypeDouble, nullptr, 3, 0, nullptr, 1, 2, 0, nullptr, 5);
    source.GetStorage()->SetDouble(units::Cell(2, 1), 9.5);
    CDataObject copy;
    EXPECT_TRUE(copy.CopyFrom(source));
    EXPECT_EQ(copy.GetCount(0), 3);
    EXPECT_EQ(copy.GetCount(1), 2);
    EXPECT_EQ(copy.GetText(units::Cell(2, 1)), "9.5");
    EXPECT_FALSE(copy.HasValue(units::Cell(0, 0)));

    std::string text = "old text";
    CDataObject target;
    target.InitValue(&text);
    CDataObject empty;
    empty.InitValue(units::kTypeStr, nullptr, 1, 1);
    target.CopyFrom(empty);
    EXPECT_EQ(text, "");
}

TEST_F(DataObject, ExternalCellsOfAnotherTypeAreRefused) {
    std::string text;
    CDataObject object;
    ASSERT_TRUE(object.InitValue(&text));
    double number = 1.0;
    EXPECT_FALSE(object.InitValue(&number));
    EXPECT_EQ(object.GetStorage()->GetType(), units::kTypeStr);
}

TEST_F(DataObject, GroupsOwnTheirObjectsAndTrackModification) {
    units::CGroupObject* root = units::DataManager()->GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetName(), "Root");
    auto first = std::make_unique<CDataObject>();
    first->SetName("m_pDataObjPumpDepth");
    CDataObject* kept = root->AddNewChild(std::move(first));
    ASSERT_NE(kept, nullptr);
    auto twin = std::make_unique<CDataObject>();
    twin->SetName("m_pDataObjPumpDepth");
    std::unique_ptr<units::CBaseObject> base(std::move(twin));
    EXPECT_FALSE(units::AddChild(*root, base));
    EXPECT_NE(base, nullptr);  // the caller keeps a refused object

    EXPECT_FALSE(root->GetModified());
    kept->SetModified(1);
    EXPECT_TRUE(root->GetModified());
    root->SetModified(0);
    EXPECT_FALSE(kept->GetModified());

    delete kept;  // destroying a child explicitly removes it from its group
    EXPECT_EQ(root->FindChild("m_pDataObjPumpDepth"), nullptr);
}

}  // namespace
