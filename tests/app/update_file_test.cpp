#include "app/update/update_file.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

using app::UpdateVersion;

TEST(UpdateFile, VersionPartsAreTheirLeadingDigits) {
    struct Row {
        const char* text;
        UpdateVersion expected;
    };
    const std::int32_t top = std::numeric_limits<std::int32_t>::max();
    const Row rows[] = {
        {"3.1.0.0", {3, 1, 0}}, {"3.1.7", {3, 1, 7}},
        {"4", {4, 0, 0}},       {"4.2", {4, 2, 0}},
        {"", {0, 0, 0}},        {"3x.1b.12rc", {3, 1, 12}},
        {"v3.-1.2", {0, 0, 2}}, {"99999999999.1.1", {top, 1, 1}},
        {"3..5", {3, 0, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const UpdateVersion version = app::ParseUpdateVersion(row.text);
        EXPECT_EQ(version.major, row.expected.major);
        EXPECT_EQ(version.minor, row.expected.minor);
        EXPECT_EQ(version.build, row.expected.build);
    }
}

TEST(UpdateFile, NewerComparesMajorThenMinorThenBuild) {
    const UpdateVersion own{3, 1, 0};
    struct Row {
        UpdateVersion candidate;
        bool newer;
    };
    const Row rows[] = {
        {{3, 1, 0}, false}, {{3, 1, 1}, true},  {{3, 2, 0}, true},  {{4, 0, 0}, true},
        {{3, 0, 9}, false}, {{2, 9, 9}, false}, {{3, 2, -5}, true}, {{4, -1, 0}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.candidate.major) + "." +
                     std::to_string(row.candidate.minor) + "." +
                     std::to_string(row.candidate.build));
        EXPECT_EQ(app::IsNewerVersion(row.candidate, own), row.newer);
    }
}

TEST(UpdateFile, NeedsTheVersionLineAndAnAddressLine) {
    struct Row {
        const char* content;
        bool read;
        UpdateVersion version;
        const char* address;
    };
    const Row rows[] = {
        {"3.1.1\nhttps://example.com/zelk\n", true, {3, 1, 1}, "https://example.com/zelk"},
        {"3.2.0\r\nhttp://example.com/z.exe\r\nignored\r\n",
         true,
         {3, 2, 0},
         "http://example.com/z.exe"},
        {"\xEF\xBB\xBF"
         "4.0.0\nhttps://a.example\n",
         true,
         {4, 0, 0},
         "https://a.example"},
        {"3.1.1\nhttps://example.com/zelk", true, {3, 1, 1}, "https://example.com/zelk"},
        {"3.1.1\n", false, {}, ""},
        {"3.1.1", false, {}, ""},
        {"", false, {}, ""},
        {"3.1.1\n   \r\n", false, {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.content);
        const auto file = app::ParseUpdateFile(row.content);
        ASSERT_EQ(file.has_value(), row.read);
        if (file) {
            EXPECT_EQ(file->version.major, row.version.major);
            EXPECT_EQ(file->version.minor, row.version.minor);
            EXPECT_EQ(file->version.build, row.version.build);
            EXPECT_EQ(file->address, row.address);
        }
    }
}

TEST(UpdateFile, OnlyHttpAndHttpsAddressesAreWebAddresses) {
    struct Row {
        const char* address;
        bool web;
    };
    const Row rows[] = {
        {"https://www.example.com/zelk/setup.exe", true},
        {"HTTP://example.com", true},
        {"http://192.0.2.1:8080/a?b=c", true},
        {"file:///etc/passwd", false},
        {"ftp://example.com/zelk.exe", false},
        {"javascript:alert(1)", false},
        {"C:\\Windows\\System32\\calc.exe", false},
        {"/usr/bin/xterm", false},
        {"www.example.com", false},
        {"https://", false},
        {"https:///path", false},
        {"http://exa mple.com", false},
        {"https://example.com/\x01", false},
        {"", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.address);
        EXPECT_EQ(app::IsWebAddress(row.address), row.web);
    }
}

}  // namespace
