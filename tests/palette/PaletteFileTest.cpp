// SPDX-License-Identifier: MIT
#include "FakeColorList.h"
#include "palette/DefinedColor.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tessary;
using tessary::test::FakeColorList;

namespace {

using Code = PaletteStatus::Code;

struct Color {
    QString code, name, comment;
    bool operator==(const Color&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Color& c)
{
    return os << '(' << c.code.toStdString() << ", " << c.name.toStdString() << ", " << c.comment.toStdString() << ')';
}

QList<Color> colorsOf(const DefinedColor& p)
{
    QList<Color> out;
    for (const auto& c : p.colorCollection)
        out.append({c->colorCode(), c->colorName(), c->comment()});
    return out;
}

QList<Code> codesOf(const QList<PaletteStatus>& problems)
{
    QList<Code> out;
    for (const auto& p : problems)
        out.append(p.code());
    return out;
}

struct ReadCase {
    const char* what;
    QByteArray bytes;
    QString name;
    QString comment;
    QList<Color> colors;
    QList<Code> problems;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class PaletteRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PaletteRead, LoadsRecordsAsExpected)
{
    const ReadCase& c = GetParam();
    DefinedColor palette;
    FakeColorList list;
    palette.setPaletteNameCombo(&list);
    const auto problems = palette.loadBytes(c.bytes);

    EXPECT_EQ(codesOf(problems), c.problems);
    EXPECT_EQ(palette.paletteName(), c.name);
    EXPECT_EQ(palette.paletteComment(), c.comment);
    EXPECT_EQ(colorsOf(palette), c.colors);
    // The list always mirrors the colours that were read, the first one selected.
    ASSERT_EQ(list.count(), c.colors.size());
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.entries[i], c.colors[i].name);
        EXPECT_EQ(palette.colorCollection.item(i + 1)->index, i + 1);
    }
    EXPECT_EQ(list.current, c.colors.isEmpty() ? -1 : 0);
}

// "新規パレット","",""
const QByteArray kHeader = "\"\x90\x56\x8B\x4B\x83\x70\x83\x8C\x83\x62\x83\x67\",\"\",\"\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, PaletteRead,
    ::testing::Values(
        ReadCase{"the documented example", kHeader + "\"FF0000\",\"FF0000\",\"\"\r\n", QString::fromUtf8("新規パレット"),
                 "", {{"FF0000", "FF0000", ""}}, {}},
        ReadCase{"Shift_JIS names whose trail bytes look like ASCII",
                 "\"\x98\x61\x90\x46\",\"\",\"\x93\xFA\x96\x7B\x82\xCC\x90\x46\"\r\n"
                 "\"FF0000\",\"\x83\x5C\x81\x5B\x83\x58\x95\x5C\x8E\xA6\",\"\x83\x5B\x83\x8D \x83\x5F\"\r\n", QString::fromUtf8("和色"),
                 QString::fromUtf8("日本の色"),
                 {{"FF0000", QString::fromUtf8("ソース表示"), QString::fromUtf8("ゼロ ダ")}}, {}},
        ReadCase{"commas and spaces inside quoted fields", "\"p\",\"\",\"c\"\r\n\"000000\",\"a, b\",\" x , y \"\r\n", "p", "c",
                 {{"000000", "a, b", " x , y "}}, {}},
        ReadCase{"spaces before a field are skipped, after a closing quote ignored",
                 "  \"p\" ,\"\", \"c\"\r\n   \"000000\"  junk,\t\"Black\",  \"\"\r\n", "p", "c", {{"000000", "Black", ""}}, {}},
        ReadCase{"bare fields lose trailing blanks", "p,,c\r\n000000 , Black  ,some text\r\n", "p", "c",
                 {{"000000", "Black", "some text"}}, {}},
        ReadCase{"a short line continues on the next", "\"p\",\"\",\"c\"\r\n\"A\",\"B\"\r\n\"C\"\r\n", "p", "c", {{"A", "B", "C"}}, {}},
        ReadCase{"a long line lends its surplus to the next record",
                 "\"p\",\"\",\"c\"\r\n\"A\",\"B\",\"C\",\"D\"\r\n\"E\",\"F\"\r\n", "p", "c", {{"A", "B", "C"}, {"D", "E", "F"}}, {}},
        ReadCase{"an empty line inside a record is an empty field", "\"p\",\"\",\"c\"\r\n\"A\",\"B\"\r\n\r\n\"D\",\"E\",\"F\"\r\n",
                 "p", "c", {{"A", "B", ""}, {"D", "E", "F"}}, {}},
        ReadCase{"header with a second field", "\"p\",\"ignored\",\"c\"\r\n", "p", "c", {}, {}},
        ReadCase{"header alone is an empty palette", "\"p\",\"\",\"\"\r\n", "p", "", {}, {}},
        ReadCase{"empty file", "", "", "", {}, {}},
        ReadCase{"blank lines at the end are no record", kHeader + "\"000000\",\"K\",\"\"\r\n\r\n  \r\n\r\n",
                 QString::fromUtf8("新規パレット"), "", {{"000000", "K", ""}}, {}},
        ReadCase{"no line end after the last record", "\"p\",\"\",\"c\"\r\n\"A\",\"B\",\"C\"", "p", "c", {{"A", "B", "C"}}, {}},
        ReadCase{"lone LF and lone CR end lines too", "\"p\",\"\",\"c\"\n\"A\",\"B\",\"C\"\r\"D\",\"E\",\"F\"\n", "p", "c",
                 {{"A", "B", "C"}, {"D", "E", "F"}}, {}},
        ReadCase{"an empty name takes the code", "\"p\",\"\",\"\"\r\n\"00FF00\",\"\",\"g\"\r\n", "p", "", {{"00FF00", "00FF00", "g"}}, {}},
        ReadCase{"a doubled quote inside a quoted field is one quote",
                 "\"p\",\"\",\"c\"\r\n\"000000\",\"say \"\"hi\"\"\",\"\"\"\"\r\n", "p", "c", {{"000000", "say \"hi\"", "\""}}, {}},
        ReadCase{"an undoubled quote ends the field as before", "\"p\",\"\",\"c\"\r\n\"000000\",\"say \"hi\" there\",\"x\"\r\n", "p",
                 "c", {{"000000", "say ", "x"}}, {}},
        // Earlier versions wrote quotes undoubled: the comment 3.5" as "3.5"", a lone quote as """.
        ReadCase{"earlier writer: a quote at the end of a field",
                 R"("p","","c")" "\r\n" R"("FF0000","red","a"")" "\r\n" R"("00FF00","green","3.5"")" "\r\n"
                 R"("0000FF","blue","")" "\r\n", "p", "c",
                 {{"FF0000", "red", "a"}, {"00FF00", "green", "3.5"}, {"0000FF", "blue", ""}}, {}},
        ReadCase{"earlier writer: fields that are just a quote",
                 R"(""","",""")" "\r" R"("1",""",""")" "\n" R"("2","B",""")", "", "", {{"1", "1", ""}, {"2", "B", ""}}, {}},
        ReadCase{"duplicate names: one message each, reading goes on",
                 "\"p\",\"\",\"c\"\r\n\"1\",\"Red\",\"\"\r\n\"2\",\"red\",\"\"\r\n\"3\",\"Blue\",\"\"\r\n\"4\",\"RED\",\"\"\r\n", "p", "c",
                 {{"1", "Red", ""}, {"3", "Blue", ""}}, {Code::DuplicateName, Code::DuplicateName}},
        ReadCase{"same code and no name twice is a duplicate", "\"p\",\"\",\"c\"\r\n\"AA0000\",\"\",\"\"\r\n\"AA0000\",\"\",\"x\"\r\n",
                 "p", "c", {{"AA0000", "AA0000", ""}}, {Code::DuplicateName}},
        ReadCase{"a colour without code and name cannot be keyed", "\"p\",\"\",\"c\"\r\n\"\",\"\",\"\"\r\n\"1\",\"A\",\"\"\r\n", "p", "c",
                 {{"1", "A", ""}}, {Code::UnknownError}},
        ReadCase{"last record cut short: read error, earlier colours kept",
                 "\"p\",\"\",\"c\"\r\n\"1\",\"A\",\"\"\r\n\"2\",\"B\"\r\n", "p", "c", {{"1", "A", ""}}, {Code::ReadError}},
        ReadCase{"a header cut short", "\"p\",\"\"", "", "", {}, {Code::ReadError}},
        ReadCase{"a quote that never closes", "\"p\",\"\",\"c\"\r\n\"1\",\"A\",\"\"\r\n\"2\",\"B,\"\r\n", "p", "c", {{"1", "A", ""}},
                 {Code::ReadError}},
        ReadCase{"bytes the code page leaves unassigned read as substitutes and loading goes on",
                 "\"p\",\"\",\"c\"\r\n\"1\",\"A\",\"x\x85\x40y\xEB\x40\"\r\n\"2\",\"\x81\x20\",\"\"\r\n\"3\",\"C\",\x81", "p", "c",
                 {{"1", "A", QString::fromUtf16(u"x\u30FBy\u30FB")}, {"2", QString::fromUtf16(u"\u30FB "), ""},
                  {"3", "C", QString::fromUtf16(u"\u30FB")}},
                 {}},
        ReadCase{"single bytes JIS leaves free", "\"p\x80\xA0\xFD\xFF\",\"\",\"c\"\r\n", QString::fromUtf16(u"p\u0080\uF8F0\uF8F1\uF8F3"),
                 "c", {}, {}},
        ReadCase{"control characters keep their codes", "\"\x1A\x1C\x7F\x82\xA0\",\"\",\"\x1A\"\r\n",
                 QString::fromUtf16(u"\u001A\u001C\u007F\u3042"), QString::fromUtf16(u"\u001A"), {}, {}},
        ReadCase{"binary data with NUL bytes", QByteArray("\"p\",\"\",\"c\"\r\n\"1\",\"A") + '\0' + "B\",\"\"\r\n", "p", "c", {},
                 {Code::ReadError}},
        ReadCase{"duplicates before a read error keep their order", "\"p\",\"\",\"c\"\r\n\"1\",\"A\",\"\"\r\n\"2\",\"a\",\"\"\r\n\"3\"",
                 "p", "c", {{"1", "A", ""}}, {Code::DuplicateName, Code::ReadError}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return "case" + std::to_string(info.index); });

TEST(PaletteReadLimits, AFieldOfMegabytesIsAReadErrorAndNoHang)
{
    for (const QByteArray& field : {QByteArray(3 * 1024 * 1024, 'a'), '"' + QByteArray(3 * 1024 * 1024, 'a') + '"'}) {
        DefinedColor palette;
        const auto problems = palette.loadBytes("\"p\",\"\",\"c\"\r\n\"1\",\"A\",\"\"\r\n\"2\"," + field + ",\"\"\r\n");
        EXPECT_EQ(codesOf(problems), QList<Code>{Code::ReadError});
        EXPECT_EQ(palette.count(), 1);
    }
}

struct WriteCase {
    const char* what;
    QString name, comment;
    QList<Color> colors;
    QByteArray bytes;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.what; }

class PaletteWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PaletteWrite, WritesExactBytesAndReadsThemBack)
{
    const WriteCase& c = GetParam();
    DefinedColor palette;
    palette.setPaletteName(c.name);
    palette.setPaletteComment(c.comment);
    for (const Color& color : c.colors)
        ASSERT_TRUE(palette.addColor(color.code, color.name, color.comment).isOk());

    QBuffer buffer;
    ASSERT_TRUE(palette.saveColor(buffer).isOk());
    EXPECT_EQ(buffer.data().toHex(' '), c.bytes.toHex(' ')) << c.what;

    DefinedColor back;
    EXPECT_TRUE(back.loadBytes(buffer.data()).isEmpty());
    EXPECT_EQ(back.paletteName(), palette.paletteName());
    EXPECT_EQ(back.paletteComment(), palette.paletteComment());
    EXPECT_EQ(colorsOf(back), colorsOf(palette));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PaletteWrite,
    ::testing::Values(
        WriteCase{"the documented example", QString::fromUtf8("新規パレット"), "", {{"FF0000", "", ""}},
                  kHeader + "\"FF0000\",\"FF0000\",\"\"\r\n"},
        WriteCase{"an empty palette is the header alone", "p", "c", {}, "\"p\",\"\",\"c\"\r\n"},
        WriteCase{"Japanese text in code page 932", QString::fromUtf8("表"), QString::fromUtf8("ソ"),
                  {{"0000FF", QString::fromUtf8("青"), QString::fromUtf8("空の～色")}},
                  "\"\x95\x5C\",\"\",\"\x83\x5C\"\r\n\"0000FF\",\"\x90\xC2\",\"\x8B\xF3\x82\xCC\x81\x60\x90\x46\"\r\n"},
        WriteCase{"quotes are doubled", "p", "", {{"1", "say \"hi\"", "\""}},
                  "\"p\",\"\",\"\"\r\n\"1\",\"say \"\"hi\"\"\",\"\"\"\"\r\n"},
        WriteCase{"fields that are or end with quotes", "\"", "\"", {{"1", "3.5\"", "\"\""}},
                  R"("""","","""")" "\r\n" R"("1","3.5""","""""")" "\r\n"},
        WriteCase{"commas survive", "p", "a,b", {{"1", "x", "c, d,e"}}, "\"p\",\"\",\"a,b\"\r\n\"1\",\"x\",\"c, d,e\"\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return "case" + std::to_string(info.index); });

TEST(PaletteWriteEncoding, CharactersOutsideTheCodePageTakeTheWindowsBestFitOrAQuestionMark)
{
    DefinedColor palette;
    palette.setPaletteName(QString::fromUtf8("a\u301Cb\u2212c\u00A5d😀e\u00E9"));
    QBuffer buffer;
    ASSERT_TRUE(palette.saveColor(buffer).isOk());
    // As Windows writes it: one '?' for each UTF-16 unit of a character outside the table.
    EXPECT_EQ(buffer.data(), QByteArray("\"a\x81\x60" "b\x81\x7C" "c\\d??e?\",\"\",\"\"\r\n"));
}

TEST(PaletteGolden, ExampleFileLoadsAndSavesByteForByte)
{
    QFile golden(QStringLiteral(TESSARY_PALETTE_DATA_DIR "/sample.tcf"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray bytes = golden.readAll();
    DefinedColor palette;
    EXPECT_TRUE(palette.loadBytes(bytes).isEmpty());
    EXPECT_EQ(palette.paletteName(), QString::fromUtf8("サンプル パレット"));
    EXPECT_EQ(palette.count(), 5);
    EXPECT_EQ(palette.toBytes(), bytes);
}

class PaletteFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static QByteArray read(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(PaletteFiles, SavingReplacesTheFileWhole)
{
    const QString p = path("p.tcf");
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
    }
    DefinedColor palette;
    palette.setPaletteName("n");
    ASSERT_TRUE(palette.saveColor(p).isOk());
    EXPECT_EQ(read(p), QByteArray("\"n\",\"\",\"\"\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.tcf"});   // no temporary left behind
}

TEST_F(PaletteFiles, AFailedSaveReportsAndLeavesEverythingAsItWas)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    DefinedColor palette;
    for (const QString& target : {path("folder"), path("missing/p.tcf"), QString()}) {
        const PaletteStatus s = palette.saveColor(target);
        EXPECT_EQ(s.code(), Code::WriteError) << target.toStdString();
        EXPECT_TRUE(s.message().startsWith(QString::fromUtf8("ファイルの書き込みエラー")));
    }
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_FALSE(QFileInfo::exists(path("missing")));
}

TEST_F(PaletteFiles, AFileThatCannotBeOpenedChangesNothing)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    DefinedColor palette;
    FakeColorList list;
    palette.setPaletteNameCombo(&list);
    palette.setPaletteName("kept");
    ASSERT_TRUE(palette.addColor("1", "A", "").isOk());
    palette.addCombo();
    for (const QString& source : {path("nothing.tcf"), path("folder"), QString()}) {
        EXPECT_EQ(codesOf(palette.loadColor(source)), QList<Code>{Code::ReadError});
        EXPECT_EQ(palette.paletteName(), "kept");
        EXPECT_EQ(palette.count(), 1);
        EXPECT_EQ(list.entries, QStringList{"A"});
    }
}

TEST_F(PaletteFiles, AFileFarTooLargeForAPaletteIsRefusedBeforeAnythingChanges)
{
    const QString p = path("huge.tcf");
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"p\",\"\",\"\"\r\n");
        ASSERT_TRUE(f.resize(DefinedColor::kMaxFileBytes + 1));   // sparse: costs no disk
    }
    DefinedColor palette;
    palette.setPaletteName("kept");
    EXPECT_EQ(codesOf(palette.loadColor(p)), QList<Code>{Code::ReadError});
    EXPECT_EQ(palette.paletteName(), "kept");
}

TEST_F(PaletteFiles, ReadsAFileFromDisk)
{
    const QString p = path("名前.tcf");
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kHeader + "\"FF0000\",\"Red\",\"\"\r\n");
    }
    DefinedColor palette;
    EXPECT_TRUE(palette.loadColor(p).isEmpty());
    EXPECT_EQ(colorsOf(palette), (QList<Color>{{"FF0000", "Red", ""}}));
}

} // namespace
