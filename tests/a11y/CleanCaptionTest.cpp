// SPDX-License-Identifier: MIT
#include "a11y/CleanCaption.h"

#include <gtest/gtest.h>

using tessary::cleanCaption;

TEST(CleanCaptionTest, DropsAccessKeyMarksOnly)
{
    const struct {
        const char16_t* caption;
        const char16_t* spoken;
    } cases[] = {
        {u"赤(&R)", u"赤"},
        {u"開く(&O)...", u"開く"},
        {u"色コード（&C）", u"色コード"},
        {u"&Open", u"Open"},
        {u"Save &As…", u"Save As"},
        {u"R&&D", u"R&D"},
        {u"Tom && Jerry(&T)", u"Tom & Jerry"},
        {u"(&&)", u"(&)"},
        {u"(R)", u"(R)"},          // a parenthesis without a mark is part of the caption
        {u"trailing&", u"trailing"},
        {u"", u""},
        {u"  余白(&M)  ", u"余白"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cleanCaption(QString::fromUtf16(c.caption)), QString::fromUtf16(c.spoken))
            << QString::fromUtf16(c.caption).toStdString();
}
