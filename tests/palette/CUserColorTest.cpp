// SPDX-License-Identifier: MIT
#include "color/CUserColor.h"
#include "support/GuiTest.h"

using namespace tessary;
using tessary::test::GuiTest;

namespace {

using SystemColorNames = GuiTest;

TEST_F(SystemColorNames, NamesMapToTheirDisplayElements)
{
    const std::pair<const char*, int> table[] = {
        {"ActiveBorder", 10}, {"ActiveCaption", 2}, {"AppWorkspace", 12}, {"Background", 1},
        {"ButtonFace", 15}, {"ButtonHighlight", 20}, {"ButtonShadow", 16}, {"ButtonText", 18},
        {"CaptionText", 9}, {"GrayText", 17}, {"Highlight", 13}, {"HighlightText", 14},
        {"InactiveBorder", 11}, {"InactiveCaption", 3}, {"InactiveCaptionText", 19}, {"InfoBackground", 24},
        {"InfoText", 23}, {"Menu", 4}, {"MenuText", 7}, {"Scrollbar", 0},
        {"ThreeDDarkShadow", 21}, {"ThreeDFace", 15}, {"ThreeDHighlight", 20}, {"ThreeDLightShadow", 22},
        {"ThreeDShadow", 21}, {"Window", 5}, {"WindowFrame", 6}, {"WindowText", 8},
        {"windowtext", 0}, {"", 0}, {"Window ", 0}, {"Unknown", 0},
    };
    CUserColor colors;
    for (const auto& [name, index] : table) {
        // The fake system colour of element i is 0x010101 * i.
        EXPECT_EQ(colors.getUserColor(QString::fromLatin1(name)), 0x010101 * index) << name;
    }
}

TEST_F(SystemColorNames, FollowTheSystemsCurrentColours)
{
    CUserColor colors;
    fakes.systemColors->colors[5] = 0x00FF00;
    EXPECT_EQ(colors.getUserColor("Window"), 0x00FF00);
    fakes.systemColors->colors[5] = 0x102030;
    EXPECT_EQ(colors.getUserColor("Window"), 0x102030);
}

} // namespace
