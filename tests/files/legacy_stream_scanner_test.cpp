#include "files/legacy_stream_scanner.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string kLegacyDir = std::string(ZELK_TEST_DATA_DIR) + "/legacy/";

// Every genuine file, with the member values its JSON says it holds.
class GenuineLegacyFile : public ::testing::TestWithParam<const char*> {};

TEST_P(GenuineLegacyFile, YieldsEveryMemberValue) {
    const std::string base = kLegacyDir + GetParam();
    const std::string bytes = readBytes(base + ".zlk");
    ASSERT_FALSE(bytes.empty());
    std::ifstream jsonFile(base + ".json");
    const nlohmann::json expected = nlohmann::json::parse(jsonFile);

    const std::vector<files::LegacyMember> members = files::LegacyStreamScanner(bytes).Scan();
    std::map<std::string, files::LegacyMember> last;
    for (const files::LegacyMember& member : members) {
        last[member.fullName] = member;
    }
    for (const auto& [name, value] : expected["values"].items()) {
        SCOPED_TRACE(name);
        const auto it = last.find(name);
        ASSERT_NE(it, last.end());
        const files::LegacyMember& member = it->second;
        using Kind = files::LegacyMember::Kind;
        if (value.is_boolean()) {
            ASSERT_EQ(member.kind, Kind::Boolean);
            EXPECT_EQ(member.boolean, value.get<bool>());
        } else if (value.is_string()) {
            ASSERT_EQ(member.kind, Kind::Text);
            EXPECT_EQ(member.text, value.get<std::string>());
        } else if (member.kind == Kind::Decimal) {
            EXPECT_EQ(member.text, expected["decimalText"][name].get<std::string>());
        } else if (member.kind == Kind::Real) {
            EXPECT_EQ(member.real, value.get<double>());
        } else {
            ASSERT_EQ(member.kind, Kind::Integer);
            EXPECT_EQ(member.integer, value.get<std::int64_t>());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GenuineLegacyFile,
                         ::testing::Values("legacy-full", "legacy-full-sequential",
                                           "legacy-inputs-only", "legacy-latin1-title",
                                           "legacy-options-only", "legacy-settings-only",
                                           "legacy-unittype7"),
                         [](const auto& row) {
                             std::string name = row.param;
                             for (char& c : name) {
                                 if (c == '-') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(LegacyStreamScanner, EveryTruncationStaysInsideTheBytes) {
    // Cut the container file at every length: the scanner must neither read past the end nor
    // invent values; what it finds is a prefix of the full file's members.
    const std::string bytes = readBytes(kLegacyDir + "legacy-full.zlk");
    const std::vector<files::LegacyMember> full = files::LegacyStreamScanner(bytes).Scan();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::string cut = bytes.substr(0, length);
        const std::vector<files::LegacyMember> found = files::LegacyStreamScanner(cut).Scan();
        ASSERT_LE(found.size(), full.size()) << length;
        for (std::size_t i = 0; i < found.size(); ++i) {
            // The last member of a cut file may be a string cut short in its length only when
            // the cut falls inside it, which the scanner refuses; so every found value is whole.
            ASSERT_EQ(found[i].fullName, full[i].fullName) << length;
        }
    }
}

TEST(LegacyStreamScanner, TextWithoutRecordsYieldsNothing) {
    EXPECT_TRUE(files::LegacyStreamScanner("Version:Zelk2.0\nTitle:Old\n").Scan().empty());
    EXPECT_TRUE(files::LegacyStreamScanner("").Scan().empty());
    EXPECT_TRUE(files::LegacyStreamScanner(std::string(1000, '\x05')).Scan().empty());
}

TEST(LegacyStreamScanner, ReadsLongLengthsAndStringReferences) {
    // A hand-built stream: one class with a 200-character title (two-byte length) and a second
    // string member that refers to the title's object.
    std::string s;
    s += std::string("\x00\x01\x00\x00\x00\xff\xff\xff\xff\x01\x00\x00\x00\x00\x00\x00\x00", 17);
    s += std::string("\x0c\x02\x00\x00\x00\x03Lib", 9);
    s += std::string("\x05\x01\x00\x00\x00", 5);
    s += "\x05Z.Cls";
    s += std::string("\x02\x00\x00\x00", 4);
    s += "\x01"
         "A"
         "\x01"
         "B";
    s += std::string("\x01\x01", 2);
    s += std::string("\x02\x00\x00\x00", 4);
    const std::string title(200, 'x');
    s += std::string("\x06\x07\x00\x00\x00", 5);
    s += std::string("\xC8\x01", 2);  // 200 in seven-bit groups
    s += title;
    s += std::string("\x09\x07\x00\x00\x00", 5);
    s += "\x0b";
    const std::vector<files::LegacyMember> members = files::LegacyStreamScanner(s).Scan();
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].fullName, "Z.Cls.A");
    EXPECT_EQ(members[0].text, title);
    EXPECT_EQ(members[1].fullName, "Z.Cls.B");
    EXPECT_EQ(members[1].text, title);
}

}  // namespace

namespace {

// Inputs that once made a fuzzer fail: each must scan without fault (the sanitizer build checks
// the memory and arithmetic).
TEST(LegacyStreamScanner, ReplaysFuzzFindings) {
    const std::filesystem::path dir = std::string(ZELK_TEST_DATA_DIR) + "/fuzz/legacy";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = readBytes(entry.path().string());
        EXPECT_LE(files::LegacyStreamScanner(bytes).Scan().size(), bytes.size());
        ++count;
    }
    EXPECT_GT(count, 0);
}

}  // namespace
