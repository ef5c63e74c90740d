// SPDX-License-Identifier: MIT
#pragma once

#include "color/ColorModel.h"
#include "pickers/CircleGeometry.h"

#include <QPointer>
#include <cstdint>

namespace tessary {

class PictureBox;

// Draws a hue ring on a picture box: every hue at the current colour's saturation and
// lightness, a disc of the current colour in the middle and a marker at its hue. Turns
// points of the picture box into hue angles. Nothing is drawn while the outer radius is 0
// or no canvas is set.
class ColorCircle {
public:
    std::int32_t getColor();
    void drawCenterCircle();
    // The ring's model: saturation and lightness of the last full drawing, hue 360 after it.
    double getHue();
    double getSatuation();
    double getLightness();
    double getDegree(std::int16_t x, std::int16_t y) const { return m_geometry.getDegree(x, y); }
    void setCenter(std::int32_t x, std::int32_t y) { m_geometry.setCenter(x, y); }
    void setRadius(std::int32_t oRadius, std::int32_t iRadius) { m_geometry.setRadius(oRadius, iRadius); }
    // Takes the colour as HSL, so a grey keeps its hue -1.
    void setCurrentColor(ColorModel& model);
    void drawColorCircle(bool drawCurrentColor);
    void setCanvas(PictureBox* canvas) { m_canvas = canvas; }

    const CircleGeometry& geometry() const { return m_geometry; }
    // The angle the marker of the current colour stands at.
    double markerDegrees() { return currentModel.getHue(); }

private:
    void line(CircleGeometry::Point from, CircleGeometry::Point to, std::int32_t color);
    void setPenWidth(int width);

    ColorModel circleModel;
    ColorModel currentModel;
    ColorModel markerModel;
    QPointer<PictureBox> m_canvas;
    CircleGeometry m_geometry;
};

} // namespace tessary
