#include "cp1252.h"

#include <gtest/gtest.h>

namespace dakru::scores {
namespace {

TEST(Cp1252, EveryDefinedByteRoundTripsThroughItsCodePoint)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(toCp1252(fromCp1252(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1252, SpecialRangeAndLatin1ReadAsTheirCharacters)
{
    EXPECT_EQ(fromCp1252("\x80\x8A\x99\x9F"), U"\u20AC\u0160\u2122\u0178");
    EXPECT_EQ(fromCp1252("\xE9\xFF\xA0"), U"\u00E9\u00FF\u00A0");
}

TEST(Cp1252, UndefinedBytesReadAsReplacementAndWriteAsQuestionMark)
{
    const std::u32string read = fromCp1252("\x81\x8D\x8F\x90\x9D");
    EXPECT_EQ(read, std::u32string(5, U'\uFFFD'));
    EXPECT_EQ(toCp1252(read), "?????");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    // Cyrillic, CJK, an emoji, and the C1 control U+0081 that cp1252 has no byte for.
    EXPECT_EQ(toCp1252(U"\u0416\u6F22\U0001F600\u0081x"), "????x");
}

TEST(Utf8, DecodesAndEncodesAllLengths)
{
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
    EXPECT_EQ(decodeUtf8(text), U"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(encodeUtf8(decodeUtf8(text)), text);
}

TEST(Utf8, MalformedBytesDecodeAsReplacementCharacters)
{
    const struct {
        const char* name;
        std::string bytes;
        std::u32string expected;
    } cases[] = {
        {"lone continuation", "\x80" "a", U"\uFFFDa"},
        {"truncated sequence", "a\xC3", U"a\uFFFD"},
        {"overlong slash", "\xC0\xAF", U"\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"invalid lead", "\xFF", U"\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeUtf8(c.bytes), c.expected) << c.name;
}

}  // namespace
}  // namespace dakru::scores
