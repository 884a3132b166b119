#include "units/unit_system.h"

#include "library_fixture.h"
#include "units/data_object.h"
#include "units/preferences_store.h"
#include "units/units_saver.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using units::CUnitsSaver;
using units::MemoryPreferencesStore;

class UnitSystem : public unitstest::LibraryTest {
protected:
    std::string CurrentKey(const char* category) {
        const units::CUnits* unit = Manager().FindCategory(category)->GetCurrentUnit();
        return unit != nullptr ? unit->GetKey() : std::string("(none)");
    }

    MemoryPreferencesStore m_store;
    CUnitsSaver m_saver;
};

TEST_F(UnitSystem, UsAndSiSetTheTwentyOneCategories) {
    m_saver.LoadUserUnits(m_store, Manager());
    for (int system : {units::kUnitSystemSi, units::kUnitSystemUs}) {
        units::ApplyUnitSystem(system, m_saver, Manager());
        for (int row = 0; row < units::kSwitchedCategoryCount; ++row) {
            const units::SwitchedCategory& entry = units::SwitchedCategoryAt(row);
            SCOPED_TRACE(entry.categoryKey);
            EXPECT_EQ(CurrentKey(entry.categoryKey),
                      system == units::kUnitSystemSi ? entry.siUnit : entry.usUnit);
        }
    }
}

TEST_F(UnitSystem, SiLeavesOtherCategoriesAlone) {
    m_saver.LoadUserUnits(m_store, Manager());
    units::ApplyUnitSystem(units::kUnitSystemSi, m_saver, Manager());
    EXPECT_EQ(CurrentKey("GAUGEPRESSURE"), "PSIG");
    EXPECT_EQ(CurrentKey("DEPTH_TENTH"), "FT");  // shares "Depth" but is not switched
    EXPECT_EQ(CurrentKey("FLUID_SPECIFIC_GRAVITY"), "ZELK_G_CM3");
    EXPECT_EQ(CurrentKey("TEMPERATURE"), "C");
}

TEST_F(UnitSystem, FluidGradientShownInBothSystems) {
    double gradient = 0.433333;
    units::CDataObject object;
    object.SetUnits("ZELK_PSI_FT", "TUBING_FLUID_GRADIENT");
    object.InitValue(&gradient);
    m_saver.LoadUserUnits(m_store, Manager());
    units::ApplyUnitSystem(units::kUnitSystemUs, m_saver, Manager());
    EXPECT_EQ(object.GetText(0, units::kTextValue | units::kTextUnit), "0.4333 psi/ft");
    units::ApplyUnitSystem(units::kUnitSystemSi, m_saver, Manager());
    EXPECT_EQ(object.GetText(0, units::kTextValue | units::kTextUnit), "9.80 kPa/m");
}

TEST_F(UnitSystem, FirstRunGivesUsEverywhere) {
    EXPECT_EQ(units::ReadUnitSystem(m_store), units::kUnitSystemUs);
    EXPECT_EQ(m_saver.GetUnits().size(), 18u);
    EXPECT_EQ(m_saver.GetUnit("DEPTH"), nullptr);
    m_saver.LoadUserUnits(m_store, Manager());
    EXPECT_EQ(m_saver.GetUnits().size(), 21u);
    units::ApplyUnitSystem(units::kUnitSystemUserDefined, m_saver, Manager());
    for (int row = 0; row < units::kSwitchedCategoryCount; ++row) {
        const units::SwitchedCategory& entry = units::SwitchedCategoryAt(row);
        SCOPED_TRACE(entry.categoryKey);
        EXPECT_EQ(CurrentKey(entry.categoryKey), entry.usUnit);
    }
}

TEST_F(UnitSystem, StoredIndexOutOfRangeMeansUs) {
    for (int stored : {3, -1, 1000}) {
        SCOPED_TRACE(stored);
        m_store.setInt("Units", stored);
        EXPECT_EQ(units::ReadUnitSystem(m_store), units::kUnitSystemUs);
        units::ApplyUnitSystem(stored, m_saver, Manager());
        EXPECT_EQ(CurrentKey("DEPTH"), "FT");
    }
    m_store.setString("Units", "1");  // a value of the wrong type
    EXPECT_EQ(units::ReadUnitSystem(m_store), units::kUnitSystemUs);
    units::WriteUnitSystem(m_store, 1);
    EXPECT_EQ(units::ReadUnitSystem(m_store), units::kUnitSystemSi);
}

TEST_F(UnitSystem, SavedUnitsComeBackAsUserDefined) {
    m_saver.LoadUserUnits(m_store, Manager());
    // The user picks kPa from a differential pressure menu and metres for depths.
    Manager().SetUnitForCaption("Differential Pressure", Manager().FindUnit("KPA"));
    Manager().SetUnitForCaption("Depth", Manager().FindUnit("M"));
    m_saver.SaveUserUnits(m_store, Manager());
    EXPECT_EQ(m_store.getString("UserDefinedUnits\\DIFFERENTIALPRESSURE", ""), "KPA");
    EXPECT_EQ(m_store.getString("UserDefinedUnits\\DEPTH", ""), "M");
    EXPECT_EQ(m_store.size(), 21u);

    // Next run: US at start-up, then "User Defined Units".
    unitstest::LibraryTest::TearDown();
    unitstest::LibraryTest::SetUp();
    CUnitsSaver later;
    later.LoadUserUnits(m_store, Manager());
    units::ApplyUnitSystem(units::kUnitSystemUs, later, Manager());
    EXPECT_EQ(CurrentKey("DIFFERENTIALPRESSURE"), "PSI");
    units::ApplyUnitSystem(units::kUnitSystemUserDefined, later, Manager());
    EXPECT_EQ(CurrentKey("DIFFERENTIALPRESSURE"), "KPA");
    EXPECT_EQ(CurrentKey("DIFFERENTIALPRESSURE0"), "KPA");
    EXPECT_EQ(CurrentKey("DEPTH"), "M");
    EXPECT_EQ(CurrentKey("SMALL_WEIGHT"), "LB");
}

TEST_F(UnitSystem, BadStoredUnitsFallBackToUs) {
    m_store.setString("UserDefinedUnits\\DEPTH", "FATHOM");
    m_store.setInt("UserDefinedUnits\\SMALL_WEIGHT", 3);
    m_store.setString("UserDefinedUnits\\TEMPERATURE", "C");
    m_saver.LoadUserUnits(m_store, Manager());
    units::ApplyUnitSystem(units::kUnitSystemUserDefined, m_saver, Manager());
    EXPECT_EQ(CurrentKey("DEPTH"), "FT");
    EXPECT_EQ(CurrentKey("SMALL_WEIGHT"), "LB");
    EXPECT_EQ(CurrentKey("TEMPERATURE"), "C");
}

TEST_F(UnitSystem, WriteSkipsEntriesWithoutUnit) {
    m_saver.SetUnit("DEPTH", Manager().FindUnit("M"));
    m_saver.WriteUserUnits(m_store);
    EXPECT_EQ(m_store.size(), 1u);
    // A user-defined system applied from a store that never loaded leaves the categories
    // without a unit rather than failing: values then show unconverted.
    units::ApplyUnitSystem(units::kUnitSystemUserDefined, CUnitsSaver(), Manager());
    EXPECT_EQ(CurrentKey("POWER"), "(none)");
}

}  // namespace
