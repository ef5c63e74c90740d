// SPDX-License-Identifier: MIT
#include "color/CUserColor.h"

#include "platform/Services.h"

#include <array>

namespace tessary {

namespace {

struct Entry {
    const char16_t* name;
    int index;
};

// Display elements by their classic numbers; ThreeDShadow shares 21 with
// ThreeDDarkShadow.
constexpr std::array<Entry, 28> kElements{{
    {u"ActiveBorder", 10},
    {u"ActiveCaption", 2},
    {u"AppWorkspace", 12},
    {u"Background", 1},
    {u"ButtonFace", 15},
    {u"ButtonHighlight", 20},
    {u"ButtonShadow", 16},
    {u"ButtonText", 18},
    {u"CaptionText", 9},
    {u"GrayText", 17},
    {u"Highlight", 13},
    {u"HighlightText", 14},
    {u"InactiveBorder", 11},
    {u"InactiveCaption", 3},
    {u"InactiveCaptionText", 19},
    {u"InfoBackground", 24},
    {u"InfoText", 23},
    {u"Menu", 4},
    {u"MenuText", 7},
    {u"Scrollbar", 0},
    {u"ThreeDDarkShadow", 21},
    {u"ThreeDFace", 15},
    {u"ThreeDHighlight", 20},
    {u"ThreeDLightShadow", 22},
    {u"ThreeDShadow", 21},
    {u"Window", 5},
    {u"WindowFrame", 6},
    {u"WindowText", 8},
}};

} // namespace

int CUserColor::elementIndex(const QString& name)
{
    for (const Entry& e : kElements) {
        if (name == QStringView(e.name))
            return e.index;
    }
    return 0;
}

std::int32_t CUserColor::getUserColor(const QString& name) const
{
    return Services::systemColors().sysColor(elementIndex(name));
}

} // namespace tessary
