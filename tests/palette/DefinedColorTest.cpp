// SPDX-License-Identifier: MIT
#include "FakeColorList.h"
#include "palette/DefinedColor.h"

#include <gtest/gtest.h>

using namespace tessary;
using tessary::test::FakeColorList;

namespace {

using Code = PaletteStatus::Code;

class Palette : public ::testing::Test {
protected:
    void SetUp() override { palette.setPaletteNameCombo(&list); }
    void add(const QString& code, const QString& name, const QString& comment = {})
    {
        ASSERT_TRUE(palette.addColor(code, name, comment).isOk()) << name.toStdString();
    }
    QStringList names() const
    {
        QStringList out;
        for (const auto& c : palette.colorCollection)
            out << c->colorName();
        return out;
    }
    DefinedColor palette;
    FakeColorList list;
};

TEST_F(Palette, NamesAreKeysWithoutRegardToLetterCase)
{
    add("FF0000", "red");
    const PaletteStatus s = palette.addColor("EE0000", "Red", "x");
    EXPECT_EQ(s.code(), Code::DuplicateName);
    EXPECT_EQ(s.result(), 1);
    EXPECT_EQ(s.message(), QString::fromUtf8("この色の名前はすでにパレットに存在します。\r\n別の名前で色を登録してください。"));
    EXPECT_EQ(palette.count(), 1);
    EXPECT_EQ(palette.colorCollection.item("RED")->colorCode(), "FF0000");
    EXPECT_EQ(palette.colorCollection.item(QString::fromUtf8("ＲＥＤ")), nullptr);   // width is not folded
}

TEST_F(Palette, AColourWithoutNameIsKeyedByItsCode)
{
    add("00FF00", "");
    EXPECT_EQ(palette.colorCollection.item(1)->colorName(), "00FF00");
    EXPECT_EQ(palette.addColor("00ff00", "", "").code(), Code::DuplicateName);
    EXPECT_EQ(palette.addColor("", "", "").code(), Code::UnknownError);
    EXPECT_EQ(palette.addColor("", "", "").message(), QString::fromUtf8("不明なエラー"));
    EXPECT_EQ(palette.count(), 1);
}

TEST_F(Palette, RemovingRenumbersRefillsTheListAndSelectsItsFirstEntry)
{
    add("1", "A");
    add("2", "B");
    add("3", "C");
    const auto third = palette.colorCollection.item(3);
    palette.removeChip(2);
    EXPECT_EQ(names(), (QStringList{"A", "C"}));
    EXPECT_EQ(third->index, 2);
    EXPECT_EQ(palette.colorCollection.item("c"), third);
    EXPECT_EQ(palette.colorCollection.item("B"), nullptr);
    EXPECT_EQ(list.entries, (QStringList{"A", "C"}));
    EXPECT_EQ(list.current, 0);
    // The name of the removed colour is free again.
    add("4", "b");
    EXPECT_EQ(palette.colorCollection.item("B")->index, 3);
}

TEST_F(Palette, RemovingWhatIsNotThereChangesNothing)
{
    add("1", "A");
    for (int p : {0, 2, -1})
        palette.removeChip(p);
    EXPECT_EQ(palette.count(), 1);
    EXPECT_EQ(list.selections, 0);
    palette.removeChip(1);
    EXPECT_EQ(palette.count(), 0);
    EXPECT_EQ(list.current, -1);   // an empty list selects nothing
}

TEST_F(Palette, RenamingReKeysAndRefusesAnotherColoursName)
{
    add("1", "A");
    add("2", "B");
    EXPECT_EQ(palette.renameColor(2, "a").code(), Code::DuplicateName);
    EXPECT_EQ(palette.colorCollection.item(2)->colorName(), "B");
    EXPECT_TRUE(palette.renameColor(2, "b").isOk());   // its own name in another case
    EXPECT_TRUE(palette.renameColor(2, "Blue").isOk());
    EXPECT_EQ(palette.colorCollection.item("blue")->index, 2);
    EXPECT_EQ(palette.colorCollection.item("B"), nullptr);
    EXPECT_TRUE(palette.renameColor(2, "").isOk());    // an empty name becomes the code
    EXPECT_EQ(palette.colorCollection.item("2")->colorName(), "2");
    EXPECT_EQ(palette.renameColor(3, "x").code(), Code::UnknownError);
}

TEST_F(Palette, TenThousandColoursKeepKeysAndPositionsInStep)
{
    for (int i = 0; i < 10000; ++i)
        palette.addColor(QString::number(i), QStringLiteral("Colour %1").arg(i), {});
    EXPECT_EQ(palette.count(), 10000);
    EXPECT_EQ(palette.colorCollection.item("colour 9999")->index, 10000);
    EXPECT_EQ(palette.addColor("x", "COLOUR 5000", "").code(), Code::DuplicateName);
    palette.removeChip(1);
    EXPECT_EQ(palette.colorCollection.item("colour 9999")->index, 9999);
    palette.addCombo();
    EXPECT_EQ(list.count(), 9999);
    EXPECT_EQ(list.entries.first(), "Colour 1");
}

} // namespace
