// SPDX-License-Identifier: MIT
#pragma once

#include "display/frmTessary.h"
#include "support/GuiTest.h"

namespace tessary::test {

constexpr std::int32_t kRed = 0x0000FF;    // Shape1 in these tests
constexpr std::int32_t kBlue = 0xFF0000;   // Shape2

// The display window shown with a client area of exactly w x h pixels, Shape1 red and
// Shape2 blue.
inline frmTessary& showScheme(int w, int h)
{
    frmTessary& t = frmTessary::instance();
    t.showModeless();
    t.resize(w, h);
    t.setSelectObject(3);
    t.setColor(kRed);
    t.setSelectObject(4);
    t.setColor(kBlue);
    return t;
}

} // namespace tessary::test
