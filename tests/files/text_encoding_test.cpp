#include "files/text_encoding.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, ReadsWindows1252AndUtf8) {
    // "Ñandú" as an earlier release wrote it, and as UTF-8.
    EXPECT_EQ(files::fileBytesToUtf8("\xD1"
                                     "and\xFA"),
              "\xC3\x91"
              "and\xC3\xBA");
    EXPECT_EQ(files::fileBytesToUtf8("\xC3\x91"
                                     "and\xC3\xBA"),
              "\xC3\x91"
              "and\xC3\xBA");
    // The euro sign is 0x80 in Windows-1252.
    EXPECT_EQ(files::fileBytesToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(files::fileBytesToUtf8("plain"), "plain");
}

TEST(TextEncoding, WritesWindows1252WhenEveryCharacterFitsElseUtf8) {
    EXPECT_EQ(files::utf8ToFileBytes("\xC3\x91"
                                     "and\xC3\xBA"),
              "\xD1"
              "and\xFA");
    EXPECT_EQ(files::utf8ToFileBytes("\xE2\x82\xAC"
                                     "5"),
              "\x80"
              "5");
    // A Greek letter has no Windows-1252 byte: the whole text stays UTF-8.
    EXPECT_EQ(files::utf8ToFileBytes("\xC3\x91 \xCE\xA9"), "\xC3\x91 \xCE\xA9");
}

TEST(TextEncoding, EveryWrittenTextReadsBackTheSame) {
    const char* const texts[] = {
        "Well 14",
        "Pozo \xC3\x91\x61nd\xC3\xBA #3",  // \x61 is "a", which would extend \x91
        "\xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D",
        "\xCE\xA9 \xE4\xB8\xAD",
        "\xC3\x83\xC2\xA9",  // "Ã©", whose Windows-1252 bytes are the UTF-8 of "é"
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(files::fileBytesToUtf8(files::utf8ToFileBytes(text)), text);
    }
}

TEST(TextEncoding, RejectsMalformedUtf8) {
    EXPECT_FALSE(files::isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(files::isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(files::isValidUtf8("\xE2\x82"));         // cut short
    EXPECT_TRUE(files::isValidUtf8("\xF0\x9F\x98\x80"));  // beyond the basic plane
}

}  // namespace
