// SPDX-License-Identifier: MIT
#include "exchange/GplImport.h"
#include "palette/DefinedColor.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace tessary;

namespace {

struct Color {
    QString code, name;
    bool operator==(const Color&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Color& c)
{
    return os << '(' << c.code.toStdString() << ", " << c.name.toStdString() << ')';
}

const QString kFile = QStringLiteral("色見本.gpl");
const QByteArray kHead = "GIMP Palette\nName: Test\n#\n";

struct ReadCase {
    const char* what;
    QByteArray bytes;
    QString name;            // palette name, when read
    QList<Color> colors;     // when read
    int duplicates = 0;      // refusals, when read
    QString error = {};      // a part of the message, when refused
    QString comment = {};
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class GplRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GplRead, ReadsOrRefusesTheWholeFile)
{
    const ReadCase& c = GetParam();
    const GplImport r = GplImport::read(QByteArrayView(c.bytes), kFile);
    if (!c.error.isEmpty()) {
        EXPECT_FALSE(r.isOk());
        EXPECT_EQ(r.palette(), nullptr);
        EXPECT_TRUE(r.errorMessage().contains(kFile)) << r.errorMessage().toStdString();
        EXPECT_TRUE(r.errorMessage().contains(c.error)) << r.errorMessage().toStdString();
        return;
    }
    ASSERT_TRUE(r.isOk()) << r.errorMessage().toStdString();
    EXPECT_EQ(r.palette()->paletteName(), c.name);
    EXPECT_EQ(r.palette()->paletteComment(), c.comment);
    QList<Color> colors;
    for (const auto& m : r.palette()->colorCollection)
        colors.append({m->colorCode(), m->colorName()});
    EXPECT_EQ(colors, c.colors);
    EXPECT_EQ(r.refusals().size(), c.duplicates);
    for (const PaletteStatus& s : r.refusals())
        EXPECT_EQ(s.message(), PaletteStatus::duplicateName().message());
}

const QString kNotGpl = QStringLiteral("1 行目が「GIMP Palette」ではありません");
const QString kBadValue = QStringLiteral("行目: 色の値が正しくありません");

INSTANTIATE_TEST_SUITE_P(
    Quirks, GplRead,
    ::testing::Values(
        ReadCase{"right-aligned numbers and a tab before the name", kHead + " 17  34  51\t文字1\n", "Test",
                 {{"112233", "文字1"}}},
        ReadCase{"spaces only, name with spaces", kHead + "0 0 255 Blue sky\n", "Test", {{"0000FF", "Blue sky"}}},
        ReadCase{"tabs between values, name trimmed", kHead + "1\t2\t\t3\t\t  Deep  \n", "Test",
                 {{"010203", "Deep"}}},
        ReadCase{"missing name takes the code", kHead + "255 0 0\n255 0 0\t\n", "Test", {{"FF0000", "FF0000"}}, 1},
        ReadCase{"Windows line ends leave no CR in names", "GIMP Palette\r\nName: Win\r\n#\r\n10 20 30\tA\r\n",
                 "Win", {{"0A141E", "A"}}},
        ReadCase{"lone CR line ends", "GIMP Palette\rName: Mac\r1 1 1\tA\r", "Mac", {{"010101", "A"}}},
        ReadCase{"comment and blank lines skipped, header comments kept",
                 kHead + "# made by hand\n\n#\n  \n1 2 3\tA\n# Greens\n4 5 6\tB\n", "Test",
                 {{"010203", "A"}, {"040506", "B"}}, 0, {}, "made by hand"},
        ReadCase{"Columns line of any value", "GIMP Palette\nName: C\nColumns: x\nColumns: 300\n7 8 9\tA\n", "C",
                 {{"070809", "A"}}},
        ReadCase{"no Name line: the file's name", "GIMP Palette\n1 2 3\tA\n", "色見本", {{"010203", "A"}}},
        ReadCase{"byte-order mark skipped", "\xEF\xBB\xBFGIMP Palette\nName: B\n", "B", {}},
        ReadCase{"duplicate names in any case refused one by one",
                 kHead + "1 1 1\tRed\n2 2 2\tred\n3 3 3\tRED\n4 4 4\tBlue\n", "Test",
                 {{"010101", "Red"}, {"040404", "Blue"}}, 2},
        ReadCase{"lower-case p is no header", "GIMP palette\n1 2 3\n", {}, {}, 0, kNotGpl},
        ReadCase{"empty file", "", {}, {}, 0, kNotGpl},
        ReadCase{"value above 255", kHead + "300 0 20\tX\n", {}, {}, 0, QStringLiteral("4 ") + kBadValue},
        ReadCase{"negative value", kHead + "20 -5 20\tX\n", {}, {}, 0, kBadValue},
        ReadCase{"missing component", kHead + "12 34\n", {}, {}, 0, kBadValue},
        ReadCase{"number run into text", kHead + "10 20 30abc\n", {}, {}, 0, kBadValue},
        ReadCase{"text where colours go", kHead + "1 2 3\tA\nName: late\n", {}, {}, 0, QStringLiteral("5 ") + kBadValue},
        ReadCase{"binary", QByteArray("GIMP Palette\n\x89PNG\0\0", 19), {}, {}, 0, QStringLiteral("テキストファイルではありません")},
        ReadCase{"code page 932 name", kHead + "1 2 3\t\x95\xb6\x8e\x9a\n", {}, {}, 0,
                 QStringLiteral("4 行目に UTF-8 でない文字")},
        ReadCase{"overlong UTF-8", kHead + "1 2 3\t\xC0\x80\n", {}, {}, 0, QStringLiteral("UTF-8 でない")},
        ReadCase{"UTF-8 surrogate", kHead + "1 2 3\t\xED\xA0\x80\n", {}, {}, 0, QStringLiteral("UTF-8 でない")},
        ReadCase{"cut UTF-8 at the end", kHead + "1 2 3\t\xE6\x96", {}, {}, 0, QStringLiteral("UTF-8 でない")},
        ReadCase{"name too long", kHead + "1 2 3\t" + QByteArray(GplImport::kMaxNameChars + 1, 'a') + "\n", {}, {},
                 0, QStringLiteral("4 行目: 名前が長すぎます")},
        ReadCase{"file too large", "GIMP Palette\n" + QByteArray(GplImport::kMaxFileBytes, '#'), {}, {}, 0,
                 QStringLiteral("大きすぎます")},
        ReadCase{"too many colours", kHead + QByteArray("0 0 0\n").repeated(GplImport::kMaxColors + 1), {}, {}, 0,
                 QStringLiteral("色が多すぎます")}));

TEST(GplRead, CountsTheTextsAPaletteFileCannotKeep)
{
    const struct {
        const char* what;
        QByteArray bytes;
        int losing;
    } cases[] = {
        {"Japanese, NEC and IBM extensions all kept", kHead + "1 2 3\t漢字①Ⅰ\n4 5 6\t纊\n", 0},
        {"accents and emoji in colour names", kHead + "1 2 3\tcafé\n4 5 6\t😀\n7 8 9\tplain\n", 2},
        {"palette name and comment", "GIMP Palette\nName: Ünïcode\n# 色 ✓\n1 2 3\tA\n", 2},
    };
    for (const auto& c : cases) {
        const GplImport r = GplImport::read(QByteArrayView(c.bytes), kFile);
        ASSERT_TRUE(r.isOk()) << c.what;
        EXPECT_EQ(r.textsLosingCharacters(), c.losing) << c.what;
    }
}

TEST(GplReadDevice, RefusesAnOversizedStreamBeforeReadingIt)
{
    QByteArray big = "GIMP Palette\n" + QByteArray(GplImport::kMaxFileBytes, '#');
    QBuffer buffer(&big);
    const GplImport r = GplImport::read(buffer, kFile);
    EXPECT_FALSE(r.isOk());
    EXPECT_TRUE(r.errorMessage().contains(QStringLiteral("大きすぎます")));

    const GplImport missing = GplImport::read(QStringLiteral("no/such/palette.gpl"));
    EXPECT_FALSE(missing.isOk());
    EXPECT_TRUE(missing.errorMessage().contains(QStringLiteral("no/such/palette.gpl")));
}

} // namespace
