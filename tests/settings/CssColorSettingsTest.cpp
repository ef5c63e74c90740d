// SPDX-License-Identifier: MIT
#include "csscolor/CssColorSettings.h"
#include "settings/CiniFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::crlf;
using test::TempFolder;
using test::testData;

TEST(CssColorSettings, SectionAppearsOnlyOnceSomethingWasChosenAndReadsBack)
{
    const QByteArray full = testData(QStringLiteral("full.ini"));
    const struct {
        const char* name;
        QByteArray before;
        CssColorSettings settings;
        QByteArray after;
    } rows[] = {
        {"never used: the file keeps its bytes", full, CssColorSettings(), full},
        {"a copy form appends the section", full, CssColorSettings{CssColorForm::Oklch, false},
         full + crlf("[CssColor]¶CopyForm=oklch()¶OklchPage=0¶")},
        {"the page alone", full, CssColorSettings{CssColorForm::HexUpper, true},
         full + crlf("[CssColor]¶CopyForm=#RRGGBB¶OklchPage=1¶")},
        {"back to the defaults: the section says so", full + crlf("[CssColor]¶CopyForm=hsl()¶OklchPage=1¶"),
         CssColorSettings(), full + crlf("[CssColor]¶CopyForm=#RRGGBB¶OklchPage=0¶")},
    };
    for (const auto& r : rows) {
        TempFolder dir;
        const QString path = dir.write(QStringLiteral("t.ini"), r.before);
        {
            CiniFile ini(path);
            r.settings.write(ini);
            ASSERT_TRUE(ini.flush().ok()) << r.name;
        }
        EXPECT_EQ(TempFolder::read(path), r.after) << r.name;
        CiniFile again(path);
        EXPECT_EQ(CssColorSettings::read(again), r.settings) << r.name;
    }
    // Values that cannot be used keep their defaults.
    TempFolder dir;
    CiniFile odd(dir.write(QStringLiteral("odd.ini"), crlf("[CssColor]¶CopyForm=lab()¶OklchPage=yes¶")));
    EXPECT_EQ(CssColorSettings::read(odd), CssColorSettings());
}

} // namespace
} // namespace tessary
