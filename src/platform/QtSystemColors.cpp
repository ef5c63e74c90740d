// SPDX-License-Identifier: MIT
#include "platform/QtSystemColors.h"

#include "platform/Surface.h"

#include <QApplication>
#include <QPalette>

namespace tessary {

std::int32_t QtSystemColors::sysColor(int index)
{
    const QPalette pal = QApplication::palette();
    auto c = [&](QPalette::ColorGroup g, QPalette::ColorRole r) { return Surface::fromRgb(pal.color(g, r).rgb()); };
    const auto A = QPalette::Active;
    switch (index) {
    case 0: return c(A, QPalette::Midlight);          // scroll bar
    case 1: return 0xA56E3A;                           // desktop
    case 2: return c(A, QPalette::Highlight);          // active caption
    case 3: return c(QPalette::Inactive, QPalette::Mid);
    case 4: return c(A, QPalette::Window);             // menu
    case 5: return c(A, QPalette::Base);               // window
    case 6: return c(A, QPalette::Shadow);             // window frame
    case 7: return c(A, QPalette::WindowText);         // menu text
    case 8: return c(A, QPalette::Text);               // window text
    case 9: return c(A, QPalette::HighlightedText);    // caption text
    case 10: return c(A, QPalette::Window);            // active border
    case 11: return c(QPalette::Inactive, QPalette::Window);
    case 12: return c(A, QPalette::Mid);               // application workspace
    case 13: return c(A, QPalette::Highlight);
    case 14: return c(A, QPalette::HighlightedText);
    case 15: return c(A, QPalette::Button);            // button face
    case 16: return c(A, QPalette::Mid);               // button shadow
    case 17: return c(QPalette::Disabled, QPalette::Text);
    case 18: return c(A, QPalette::ButtonText);
    case 19: return c(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return c(A, QPalette::Light);             // button highlight
    case 21: return c(A, QPalette::Shadow);            // 3-D dark shadow
    case 22: return c(A, QPalette::Midlight);          // 3-D light
    case 23: return c(A, QPalette::ToolTipText);
    case 24: return c(A, QPalette::ToolTipBase);
    default: return 0xC0C0C0;
    }
}

} // namespace tessary
