// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

namespace tessary {

class LoupeLayout;

// The screen picker's marks over the frozen copy, as images in device pixels tagged with
// the device-pixel ratio they are shown at, so that they land on whole device pixels.
class LoupePainter {
public:
    // The cross-hair: four arms, black with white edges, around a free middle of
    // kCrossGap pixels each side, so the picked pixel and its neighbours stay visible.
    // The image reaches PickerOverlay::kCrossReach pixels to each side of the picked one.
    static constexpr int kCrossGap = 2;
    static QImage crossHair(double dpr);

    // The loupe of layout.frame()'s size: the copy's pixels around copyPixel enlarged
    // (black beyond the copy's edges), the middle cell framed black and white just outside
    // it, and the colour code on the strip below.
    static QImage loupe(const QImage& copy, QPoint copyPixel, const LoupeLayout& layout, const QString& code,
                        double dpr);
};

} // namespace tessary
