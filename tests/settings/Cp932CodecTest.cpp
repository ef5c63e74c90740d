// SPDX-License-Identifier: MIT
#include "platform/Cp932Codec.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    char16_t expected;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

// Where code page 932 differs from JIS Shift_JIS, and its vendor rows.
const DecodeCase kDecodeCases[] = {
    {"WaveDashIsFullWidthTilde", "\x81\x60", 0xFF5E},
    {"MinusIsFullWidthHyphenMinus", "\x81\x7C", 0xFF0D},
    {"DoubleVerticalLineIsParallel", "\x81\x61", 0x2225},
    {"EmDashIsHorizontalBar", "\x81\x5C", 0x2015},
    {"CentIsFullWidth", "\x81\x91", 0xFFE0},
    {"PoundIsFullWidth", "\x81\x92", 0xFFE1},
    {"NotIsFullWidth", "\x81\xCA", 0xFFE2},
    {"NecRow13", "\x87\x40", 0x2460},
    {"NecSelectedIbmExtension", "\xED\x40", 0x7E8A},
    {"IbmExtension", "\xFA\x40", 0x2170},
    {"BackslashIsAscii", "\x5C", 0x005C},
    {"TildeIsAscii", "\x7E", 0x007E},
    {"HalfWidthKatakana", "\xB1", 0xFF71},
    {"UserDefinedAreaFirst", "\xF0\x40", 0xE000},
    {"UserDefinedAreaLast", "\xF9\xFC", 0xE757},
    // The single bytes JIS leaves free, as Windows reads them.
    {"Byte80", "\x80", 0x0080},
    {"ByteA0", "\xA0", 0xF8F0},
    {"ByteFD", "\xFD", 0xF8F1},
    {"ByteFF", "\xFF", 0xF8F3},
};

class Cp932Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Cp932Decode, MicrosoftTable)
{
    const QString s = Cp932Codec::decode(GetParam().bytes);
    ASSERT_EQ(s.size(), 1);
    EXPECT_EQ(s.at(0).unicode(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp932Decode, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct EncodeCase {
    const char* name;
    QString text;
    QByteArray expected;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }

const EncodeCase kEncodeCases[] = {
    {"WaveDash", QString(QChar(0x301C)), "\x81\x60"},
    {"MinusSign", QString(QChar(0x2212)), "\x81\x7C"},
    {"DoubleVerticalLine", QString(QChar(0x2016)), "\x81\x61"},
    {"EmDash", QString(QChar(0x2014)), "\x81\x5C"},
    {"Cent", QString(QChar(0x00A2)), "\x81\x91"},
    {"Pound", QString(QChar(0x00A3)), "\x81\x92"},
    {"Not", QString(QChar(0x00AC)), "\x81\xCA"},
    {"Yen", QString(QChar(0x00A5)), "\x5C"},
    {"Overline", QString(QChar(0x203E)), "\x7E"},
    {"DoubleCodedTakesIbmCode", QString(QChar(0x7E8A)), "\xFA\x5C"},
    {"DoubleCodedTakesJisCode", QString(QChar(0x2252)), "\x81\xE0"},
    {"DoubleCodedTakesNecRow13", QString(QChar(0x2160)), "\x87\x54"},
    {"SmallRomanTakesIbmCode", QString(QChar(0x2170)), "\xFA\x40"},
    {"UserDefinedArea", QString(QChar(0xE001)), "\xF0\x41"},
    {"SingleBytesJisLeavesFree", QString::fromUtf16(u"\u0080\uF8F0\uF8F3"), "\x80\xA0\xFF"},
    {"TrailBytesThatLookLikeAscii", QString::fromUtf8("ゼソゾヂ"), "\x83\x5B\x83\x5C\x83\x5D\x83\x61"},
    {"MsMincho", QString::fromUtf8("ＭＳ 明朝"), "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9"},
    {"UnmappableIsQuestionMark", QString::fromUtf8("a\u00E9b"), "a?b"},
    {"ReplacementCharacterIsQuestionMark", QString(QChar(0xFFFD)), "?"},
    {"SurrogatePairIsTwoQuestionMarks", QString::fromUtf8("😀"), "??"},
    {"LoneSurrogate", QString(QChar(0xD800)), "?"},
    {"EmptyText", QString(), ""},
};

class Cp932Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Cp932Encode, AsWindowsWrites)
{
    EXPECT_EQ(Cp932Codec::encode(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp932Encode, ::testing::ValuesIn(kEncodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A control character read with another code changes the text on every load and save.
TEST(Cp932Codec, EveryAsciiByteIsItselfAmongJapaneseText)
{
    for (int b = 0; b < 0x80; ++b) {
        const QByteArray bytes = QByteArray("\x82\xA0") + char(b) + "\x82\xA0";
        const QString text = QString(QChar(0x3042)) + QChar(b) + QChar(0x3042);
        EXPECT_EQ(Cp932Codec::decode(bytes), text) << std::hex << b;
        EXPECT_EQ(Cp932Codec::encode(text), bytes) << std::hex << b;
    }
}

// Every code the code page assigns reads as one character and writes back as itself, or,
// for a character with two or three codes, as the code Windows writes for it; every other
// pair of a lead byte and a trail byte reads as one substitute.
TEST(Cp932Codec, EveryByteAndPairRoundTrips)
{
    for (int b = 0; b < 0x100; ++b) {
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const QByteArray bytes(1, char(b));
        const QString s = Cp932Codec::decode(bytes);
        ASSERT_EQ(s.size(), 1) << std::hex << b;
        if (lead)
            EXPECT_EQ(s.at(0).unicode(), 0x30FB) << std::hex << b;
        else
            EXPECT_EQ(Cp932Codec::encode(s), bytes) << std::hex << b;
    }
    int assigned = 0;
    int rewritten = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
            const QString s = Cp932Codec::decode(bytes);
            ASSERT_EQ(s.size(), 1) << std::hex << lead << " " << trail;
            if (s.at(0).unicode() == 0x30FB && bytes != "\x81\x45")
                continue;
            ++assigned;
            const QByteArray again = Cp932Codec::encode(s);
            ASSERT_EQ(again.size(), 2) << std::hex << lead << " " << trail;
            ASSERT_EQ(Cp932Codec::decode(again), s) << std::hex << lead << " " << trail;
            if (again != bytes) {
                ++rewritten;
                EXPECT_TRUE(lead == 0x87 || lead == 0xED || lead == 0xEE || lead == 0xFA) << std::hex << lead << " " << trail;
            }
        }
    }
    // 7,724 codes of the base table and its vendor rows, 1,880 of the user-defined area.
    EXPECT_EQ(assigned, 9604);
    EXPECT_EQ(rewritten, 398);
}

struct SubstituteCase {
    const char* name;
    QByteArray bytes;
    const char16_t* expected;
};

void PrintTo(const SubstituteCase& c, std::ostream* os) { *os << c.name; }

// Bytes the code page leaves unassigned read as U+30FB, as Windows reads them; that
// character has a code of its own, so a file read and saved again is valid code page 932.
// A lead byte whose next byte cannot follow it stands alone, so no line end is swallowed.
const SubstituteCase kSubstituteCases[] = {
    {"UnassignedRow", "\x85\x40", u"\u30FB"},
    {"UnassignedRowNearTheEnd", "\xEB\x40", u"\u30FB"},
    {"HoleInAnAssignedRow", "\x81\xAD", u"\u30FB"},
    {"LeadByteAtTheEnd", "a\x82", u"a\u30FB"},
    {"LeadByteBeforeLineFeed", "\x82\n", u"\u30FB\n"},
    {"LeadByteBeforeSpace", "\x82 b", u"\u30FB b"},
    {"LeadByteBefore7F", "\x81\x7F", u"\u30FB\u007F"},
};

class Cp932Substitute : public ::testing::TestWithParam<SubstituteCase> {};

TEST_P(Cp932Substitute, OneCharacterPerUnreadableUnit)
{
    EXPECT_EQ(Cp932Codec::decode(GetParam().bytes), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, Cp932Substitute, ::testing::ValuesIn(kSubstituteCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessary
