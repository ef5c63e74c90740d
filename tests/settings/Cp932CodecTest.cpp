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

// Every character of the table survives encoding and decoding; the bytes change only for
// the characters that have two codes.
TEST(Cp932Codec, EveryDoubleByteCharacterRoundTrips)
{
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            QByteArray bytes;
            bytes.append(char(lead)).append(char(trail));
            const QString s = Cp932Codec::decode(bytes);
            if (s.size() != 1 || s.at(0) == QChar(0xFFFD) || s.at(0) == QChar(0x1A))
                continue;
            ++characters;
            const QByteArray again = Cp932Codec::encode(s);
            ASSERT_EQ(Cp932Codec::decode(again), s) << std::hex << lead << " " << trail;
            ASSERT_NE(again, QByteArray("?")) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(characters, 7000);
}

TEST(Cp932Codec, BadBytesNeverVanish)
{
    const std::pair<QByteArray, int> cases[] = {
        {"a\x82", 2},          // a lead byte at the very end
        {"\x82\n", 2},         // a lead byte before a line feed, which stays
        {"\xA0\xFD\xFF", 3},   // bytes that are no character at all
    };
    for (const auto& [bytes, length] : cases)
        EXPECT_EQ(Cp932Codec::decode(bytes).size(), length) << bytes.toHex().constData();
    EXPECT_TRUE(Cp932Codec::decode("\x82\n").endsWith(u'\n'));
}

} // namespace
} // namespace tessary
