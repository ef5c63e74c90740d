// SPDX-License-Identifier: MIT
#include "dialogs/AboutText.h"

#include <gtest/gtest.h>

using namespace tessary;

TEST(AboutText, MinorAndRevisionRunTogether)
{
    const struct {
        int major, minor, revision;
        const char* text;
    } cases[] = {{2, 0, 1, "version : 2.01"}, {1, 2, 10, "version : 1.210"}, {10, 0, 0, "version : 10.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(AboutText::version(c.major, c.minor, c.revision), QString::fromUtf8(c.text));
}
