// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace tessary {

// The pixels of the display window's background picture under a label's box, with the
// picture tiled from the client area's top-left corner as the display window draws it.
class LabelBackdrop {
public:
    // ARGB32 values, row by row; the box is cut to the client area first. Nothing for an
    // empty box or a null picture.
    static std::vector<std::uint32_t> pixelsUnder(const QImage& picture, const QRect& box, const QSize& client);
};

} // namespace tessary
