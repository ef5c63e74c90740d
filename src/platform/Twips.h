// SPDX-License-Identifier: MIT
#pragma once

// Window positions and sizes are kept in twips, 1/1440 inch, from the screen's logical DPI
// (15 twips per pixel at 96 DPI).
namespace tessary {

class Twips {
public:
    static double perPixelX();
    static double perPixelY();
    // The primary screen's size in twips.
    static double screenWidth();
    static double screenHeight();

    static int toPixelsX(double twips);   // nearest, halves to even
    static int toPixelsY(double twips);
    static double fromPixelsX(int px) { return px * perPixelX(); }
    static double fromPixelsY(int px) { return px * perPixelY(); }
};

} // namespace tessary
