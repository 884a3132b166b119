#include "units/preferences_store.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryPreferencesStore, ValuesKeepTheirType) {
    units::MemoryPreferencesStore store;
    store.setInt("Units", 1);
    store.setString("UserDefinedUnits\\DEPTH", "M");

    EXPECT_EQ(store.intValue("Units"), 1);
    EXPECT_FALSE(store.stringValue("Units").has_value());
    EXPECT_EQ(store.stringValue("UserDefinedUnits\\DEPTH"), std::string("M"));
    EXPECT_FALSE(store.intValue("UserDefinedUnits\\DEPTH").has_value());
    // A value of the wrong type reads as the default, as a missing one does.
    EXPECT_EQ(store.getString("Units", "FT"), "FT");
    EXPECT_EQ(store.getInt("UserDefinedUnits\\DEPTH", 7), 7);
    EXPECT_EQ(store.getInt("Lang", 1033), 1033);
}

TEST(MemoryPreferencesStore, OverwriteChangesTypeAndRemoveForgets) {
    units::MemoryPreferencesStore store;
    store.setString("Lang", "es");
    store.setInt("Lang", 2058);
    EXPECT_EQ(store.getInt("Lang", 0), 2058);
    EXPECT_FALSE(store.stringValue("Lang").has_value());
    EXPECT_TRUE(store.has("Lang"));

    store.remove("Lang");
    store.remove("Lang");  // removing a missing value is harmless
    EXPECT_FALSE(store.has("Lang"));
    EXPECT_EQ(store.size(), 0u);
}

TEST(MemoryPreferencesStore, KeysAreCaseSensitive) {
    units::MemoryPreferencesStore store;
    store.setString("UserDefinedUnits\\DEPTH", "M");
    EXPECT_FALSE(store.has("userdefinedunits\\depth"));
}

}  // namespace
