// SPDX-License-Identifier: MIT
#include "pickers/ColorCircle.h"

#include "platform/PictureBox.h"

namespace tessary {

namespace {

constexpr int kRingPenWidth = 2;
constexpr int kMarkerPenWidth = 1;
constexpr int kTickLength = 10;
constexpr std::int32_t kBlack = 0;

} // namespace

std::int32_t ColorCircle::getColor()
{
    return currentModel.getColor();
}

double ColorCircle::getHue()
{
    return circleModel.getHue();
}

double ColorCircle::getSatuation()
{
    return circleModel.getSatuation();
}

double ColorCircle::getLightness()
{
    return circleModel.getLightness();
}

void ColorCircle::setCurrentColor(ColorModel& model)
{
    currentModel.SetHue(model.getHue());
    currentModel.SetSatuation(model.getSatuation());
    currentModel.SetLightness(model.getLightness());
    currentModel.refreshColorModel();
}

void ColorCircle::setPenWidth(int width)
{
    // The pen width belongs to the canvas, like its colour; the disc's outline uses it too.
    Surface& s = m_canvas->surface();
    s.setPen(kBlack, width);
}

void ColorCircle::line(CircleGeometry::Point from, CircleGeometry::Point to, std::int32_t color)
{
    Surface& s = m_canvas->surface();
    s.setPen(color, s.penWidth());
    s.drawLine(from.x, from.y, to.x, to.y);
}

void ColorCircle::drawCenterCircle()
{
    if (!m_canvas)
        return;
    Surface& s = m_canvas->surface();
    s.fillCircle(m_geometry.centerX(), m_geometry.centerY(), m_geometry.innerRadius(), currentModel.getColor(),
                 s.backColor());
    m_canvas->update();
}

void ColorCircle::drawColorCircle(bool drawCurrentColor)
{
    if (m_geometry.outerRadius() == 0 || !m_canvas)
        return;
    m_canvas->surface().clear();
    setPenWidth(kRingPenWidth);

    circleModel.SetLightness(currentModel.getLightness());
    circleModel.SetSatuation(currentModel.getSatuation());
    // 0 to 360 inclusive: the last line covers the seam at the rightward axis again.
    for (int i = 0; i <= 360; ++i) {
        circleModel.SetHue(i);
        line(m_geometry.outerPoint(i), m_geometry.innerPoint(i), circleModel.getColor());
    }
    drawCenterCircle();
    if (!drawCurrentColor)
        return;

    setPenWidth(kMarkerPenWidth);
    const double a = currentModel.getHue();
    // The marker's saturation stays 0: a grey that contrasts with the current lightness.
    markerModel.SetHue(currentModel.getComplementaryColor());
    markerModel.SetLightness(1.0 - circleModel.getLightness());
    const CircleGeometry::Point outer = m_geometry.outerPoint(a);
    line(outer, m_geometry.innerPoint(a), markerModel.getColor());
    line(outer, m_geometry.pointOnRay(a, m_geometry.outerRadius() + kTickLength), kBlack);
    m_canvas->update();
}

} // namespace tessary
