// SPDX-License-Identifier: MIT
#include "settings/CiniFile.h"
#include "settings/ConfigConversions.h"
#include "settings/ConfigRecord.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <limits>

namespace tessary {
namespace {

using test::crlf;
using test::TempFolder;
using test::testData;
using C = ConfigConversions;

const QString kPalette = QStringLiteral("/opt/tessary/palette/default.tcf");

ConfigRecord readFile(const QString& path)
{
    CiniFile ini(path);
    return ConfigRecord::read(ini, kPalette);
}

ConfigRecord readBytes(const QByteArray& bytes)
{
    TempFolder dir;
    return readFile(dir.write(QStringLiteral("t.ini"), bytes));
}

// The record that tests/data/settings/full.ini holds.
ConfigRecord fullRecord()
{
    ConfigRecord r;
    r.prefix = QStringLiteral("#");
    r.restoreWindow = true;
    r.restoreColor = true;
    r.mainWindow = {1200, 900, 6000, 5400};
    r.windowState = 0;
    r.tessaryWindow = {7200, 900, 5400, 5400};
    r.latticeLineWidth = 3;
    r.latticeDivideNum = 7;
    r.divideDivideNum = 4;
    r.sonsOutSideWidth = 25;
    r.style = 2;
    r.fonts[1].name = QString::fromUtf8("ＭＳ ゴシック");
    r.fonts[1].size = 10.5;
    r.fonts[1].bold = true;
    r.fonts[1].italic = true;
    r.fonts[2].name = QStringLiteral("Arial");
    r.fonts[2].size = 9;
    r.fonts[2].underline = true;
    r.fonts[2].strikethrough = true;
    r.texts = {QStringLiteral("vLink"), QString::fromUtf8("あいう〜"), QStringLiteral("  spaced  ")};
    r.colors = {0, 255, 65280, 16711680, 1193046};
    r.paletteFileName = kPalette;
    return r;
}

TEST(ConfigRecord, FirstStartGivesDefaults)
{
    TempFolder dir;
    const ConfigRecord r = readFile(dir.path(QStringLiteral("none.ini")));
    ConfigRecord expected;
    expected.paletteFileName = kPalette;
    EXPECT_EQ(r, expected);
    EXPECT_EQ(r.prefix, QStringLiteral("#"));
    EXPECT_FALSE(r.restoreWindow);
    EXPECT_TRUE(r.restoreColor);
    EXPECT_EQ(r.latticeLineWidth, 2);
    EXPECT_EQ(r.latticeDivideNum, 5);
    EXPECT_EQ(r.divideDivideNum, 6);
    EXPECT_EQ(r.sonsOutSideWidth, 30);
    EXPECT_EQ(r.fonts[2].name, QString::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(r.fonts[2].size, 12.0);
    EXPECT_EQ(r.texts[0], QStringLiteral("vLink"));
    EXPECT_EQ(r.texts[2], QStringLiteral("Link"));
    EXPECT_TRUE(dir.entries().isEmpty());
}

TEST(ConfigRecord, WritesTheReferenceFileByteForByte)
{
    TempFolder dir;
    const QString path = dir.path(QStringLiteral("t.ini"));
    {
        CiniFile ini(path);
        fullRecord().write(ini);
        ASSERT_TRUE(ini.flush().ok());
    }
    EXPECT_EQ(TempFolder::read(path), testData(QStringLiteral("full.ini")));
}

TEST(ConfigRecord, ReadsTheReferenceFileWhole)
{
    ConfigRecord expected = fullRecord();
    expected.texts[1] = QString::fromUtf8("あいう～");   // the code page's own wave dash
    EXPECT_EQ(readBytes(testData(QStringLiteral("full.ini"))), expected);
}

TEST(ConfigRecord, SavingIntoAFileWithOtherLinesTouchesOnlyItsKeys)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("t.ini"), testData(QStringLiteral("edited.ini")));
    ConfigRecord r = readFile(path);
    EXPECT_EQ(r.prefix, QStringLiteral("#"));
    EXPECT_FALSE(r.restoreWindow) << "2 is no flag";
    EXPECT_EQ(r.paletteFileName, QStringLiteral("/home/user/my.tcf"));
    EXPECT_EQ(r.colors[3], 255);
    {
        CiniFile ini(path);
        r.write(ini);
    }
    const QByteArray after = TempFolder::read(path);
    const QByteArray original = testData(QStringLiteral("edited.ini"));
    const QByteArray head = original.first(original.indexOf("[general]"));   // comments and a blank line
    EXPECT_TRUE(after.startsWith(head + "[general]\r\nprefix=#\r\n"))
        << "the key keeps its spelling in place: " << after.constData();
    EXPECT_TRUE(after.contains("restorewindowflug=0\r\n; colours next time\r\nRestoreColorFlug=1\r\n"));
    EXPECT_TRUE(after.contains("\r\n[Palette]\r\nfileName=/home/user/my.tcf\r\n\r\n[Color]\r\nColorObject 3=255\r\n"
                               "ColorObject 0=0\r\n"));
    EXPECT_TRUE(after.contains("; \xED\x40 kept as written\r\n"));
    // New sections follow the file's own, in the order of first writing.
    const QList<QByteArray> order = {"[general]", "[Palette]", "[Color]", "[WindowPosition]", "[StyleLattice]",
                                     "[StyleDivide]", "[StyleSquareOnSquare]", "[Style]", "[Font 1]", "[Text]",
                                     "[Font 2]", "[Font 3]"};
    qsizetype at = 0;
    for (const QByteArray& header : order) {
        const qsizetype found = after.indexOf(header + "\r\n", at);
        ASSERT_GE(found, at) << header.constData();
        at = found;
    }
}

// One bad value in an otherwise good file: that value takes its default, nothing else moves.
struct BadValueCase {
    const char* name;
    const char* line;        // the line of full.ini to replace
    const char* replacement;
    void (*expect)(ConfigRecord& r);   // what the default makes of the record
};

void PrintTo(const BadValueCase& c, std::ostream* os) { *os << c.name; }

const BadValueCase kBadValues[] = {
    {"StyleParameterNotANumber", "LineWidth=3", "LineWidth=three", [](ConfigRecord& r) { r.latticeLineWidth = 2; }},
    {"StyleParameterEmpty", "DivideNum=7", "DivideNum=", [](ConfigRecord& r) { r.latticeDivideNum = 5; }},
    {"StyleParameterTrailingText", "OutsideWidth=25", "OutsideWidth=25%", [](ConfigRecord& r) { r.sonsOutSideWidth = 30; }},
    {"StyleParameterBeyond32Bits", "DivideNum=4", "DivideNum=1e20", [](ConfigRecord& r) { r.divideDivideNum = 6; }},
    {"StyleParameterRoundsHalfToEven", "LineWidth=3", "LineWidth= 2.5 ", [](ConfigRecord& r) { r.latticeLineWidth = 2; }},
    {"StyleParameterZeroKept", "OutsideWidth=25", "OutsideWidth=0", [](ConfigRecord& r) { r.sonsOutSideWidth = 0; }},
    {"FontSizeNotANumber", "Size=10.5", "Size=big", [](ConfigRecord& r) { r.fonts[1].size = 12; }},
    {"FontSizeZero", "Size=9", "Size=0", [](ConfigRecord& r) { r.fonts[2].size = 12; }},
    {"FontSizeAbsurd", "Size=9", "Size=1e9", [](ConfigRecord& r) { r.fonts[2].size = 12; }},
    {"FontNameEmpty", "Name=Arial", "Name=", [](ConfigRecord& r) { r.fonts[2].name = QString::fromUtf8("ＭＳ 明朝"); }},
    {"WindowStateOutOfRange", "WindowState=0", "WindowState=7", [](ConfigRecord&) {}},
    {"WindowStateNegative", "WindowState=0", "WindowState=-1", [](ConfigRecord&) {}},
    {"StyleIndexOutOfRange", "index=2", "index=9", [](ConfigRecord& r) { r.style = 0; }},
    {"ColourNegative", "ColorObject 1=255", "ColorObject 1=-5", [](ConfigRecord& r) { r.colors[1] = 0; }},
    {"ColourBeyond24Bits", "ColorObject 1=255", "ColorObject 1=99999999999", [](ConfigRecord& r) { r.colors[1] = 0; }},
    {"ColourNumberAtStart", "ColorObject 1=255", "ColorObject 1=  300xyz", [](ConfigRecord& r) { r.colors[1] = 300; }},
    {"FlagOtherThanOne", "RestoreWindowFlug=1", "RestoreWindowFlug=2", [](ConfigRecord& r) { r.restoreWindow = false; }},
    {"FlagNotANumber", "RestoreColorFlug=1", "RestoreColorFlug=yes", [](ConfigRecord& r) { r.restoreColor = false; }},
    {"FlagHugeNumber", "RestoreColorFlug=1", "RestoreColorFlug=65537", [](ConfigRecord& r) { r.restoreColor = false; }},
    {"AttributeOtherThanOne", "Bold=1", "Bold=2", [](ConfigRecord& r) { r.fonts[1].bold = false; }},
    {"PositionNotANumber", "mainLeft=1200", "mainLeft=left", [](ConfigRecord& r) { r.mainWindow.left = 0; }},
    {"PositionWithFraction", "mainTop=900", "mainTop=900.75px", [](ConfigRecord& r) { r.mainWindow.top = 900.75; }},
    {"UnassignedCodePageBytes", "Name=Arial", "Name=\x85\x5B\xFF", [](ConfigRecord& r) {
         r.fonts[2].name = QString::fromUtf16(u"\u30FB\uF8F3");
     }},
};

class BadValue : public ::testing::TestWithParam<BadValueCase> {};

TEST_P(BadValue, TakesDefaultAndLosesNothingElse)
{
    const BadValueCase& c = GetParam();
    QByteArray bytes = testData(QStringLiteral("full.ini"));
    const QByteArray line = QByteArray(c.line) + "\r\n";
    ASSERT_TRUE(bytes.contains(line));
    bytes.replace(bytes.indexOf(line), line.size(), QByteArray(c.replacement) + "\r\n");
    ConfigRecord expected = fullRecord();
    expected.texts[1] = QString::fromUtf8("あいう～");
    c.expect(expected);
    EXPECT_EQ(readBytes(bytes), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BadValue, ::testing::ValuesIn(kBadValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigRecord, GarbageFileGivesDefaults)
{
    QByteArray garbage;
    quint32 x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage.append(char(x >> 24));
    }
    ConfigRecord expected;
    expected.paletteFileName = kPalette;
    EXPECT_EQ(readBytes(garbage), expected);
}

TEST(ConfigRecord, FreeTextsComeBackExactly)
{
    TempFolder dir;
    const QString path = dir.path(QStringLiteral("t.ini"));
    ConfigRecord r = fullRecord();
    r.texts = {QStringLiteral("  lead"), QStringLiteral("\"quoted\""), QStringLiteral("'x'")};
    {
        CiniFile ini(path);
        r.write(ini);
    }
    EXPECT_EQ(readFile(path).texts, r.texts);
    // A plain text is written plainly, as the other version of the program writes it.
    EXPECT_TRUE(testData(QStringLiteral("full.ini")).contains("Text 1=vLink\r\n"));
}

struct FormatCase {
    double value;
    const char* real;
    const char* fontSize;
};

TEST(ConfigConversions, Formats)
{
    const FormatCase cases[] = {
        {0, "0", "0"},
        {1440, "1440", "1440"},
        {-15, "-15", "-15"},
        {10.5, "10.5", "10.5"},
        {1234.5, "1234.5", "1234.5"},
        {9.75, "9.75", "9.75"},
        {1.5e8, "1.5E+08", "150000000"},
        {12.00004, "12.00004", "12"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(C::formatReal(c.value), QLatin1String(c.real)) << c.value;
        EXPECT_EQ(C::formatFontSize(c.value), QLatin1String(c.fontSize)) << c.value;
    }
}

TEST(ConfigConversions, FlagsAndNumbers)
{
    EXPECT_EQ(C::flagFromNumber(0), std::optional<bool>(false));
    EXPECT_EQ(C::flagFromNumber(1), std::optional<bool>(true));
    EXPECT_EQ(C::flagFromNumber(2), std::nullopt);
    EXPECT_EQ(C::flagFromNumber(-1), std::nullopt);
    EXPECT_EQ(C::numberFromFlag(true), 1);
    EXPECT_EQ(C::numberFromFlag(false), 0);
    EXPECT_EQ(C::wholeNumber(u"  12.5abc"), 12);
    EXPECT_EQ(C::wholeNumber(u"13.5"), 14);
    EXPECT_EQ(C::wholeNumber(u"abc"), 0);
    EXPECT_EQ(C::wholeNumber(u"1e30"), std::numeric_limits<std::int32_t>::max());
}

} // namespace
} // namespace tessary
