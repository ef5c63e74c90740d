// SPDX-License-Identifier: MIT
#pragma once

#include "display/StyleLayout.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class QRegion;

namespace tessary {

class Surface;

// One sample text as the display window draws it.
struct DrawnText {
    QString text;
    QFont font;
    QPoint baseline;
    std::int32_t color = 0;
    // The measured box; the glyphs may reach a little beyond it.
    QRect box;
};

// What the display window shows, kept as the drawings made on it rather than as its pixels.
// Each drawing goes over the ones before it, as on a canvas that keeps what was drawn (the
// labels of one refresh over the style of that refresh, a colour set later waiting for the
// next); a drawing that hides an earlier one wholly drops it. The window paints the list into
// Qt's backing store when asked, so nothing the size of the window is kept for it.
//
// An image the size of the window is made only where the drawing must be had as pixels one
// can draw into (image()), or where texts are drawn over texts with nothing drawn beneath
// them (an unknown style, the picture switched on before one is loaded), which the list could
// otherwise only grow by. It then stands in for the drawings it took in, until a drawing
// hides it.
class DisplayDrawing {
public:
    DisplayDrawing();
    ~DisplayDrawing();
    DisplayDrawing(const DisplayDrawing&) = delete;
    DisplayDrawing& operator=(const DisplayDrawing&) = delete;

    // Where nothing is drawn, the window's own colour shows.
    void setBackColor(std::int32_t color) { m_backColor = color; }
    std::int32_t backColor() const { return m_backColor; }
    // The area drawn on. What was drawn stays where it still fits; the rest shows the back
    // colour.
    void resize(QSize size);
    QSize size() const { return m_size; }
    // The resolution texts are measured and drawn at in the image.
    void setDotsPerMeter(int x, int y);

    // Everything shows the back colour.
    void clear();
    // The style laid out for the present size, in the two colours as drawn.
    void addStyle(const StyleParams& params, std::int32_t brushA, std::int32_t brushB);
    // A picture tiled over the whole area; where it is transparent the back colour shows.
    void addTiles(const QImage& block);
    void addTexts(std::vector<DrawnText> texts);

    // Paints the part of the drawing within `exposed`; outside the area, the back colour.
    void paint(QPainter& painter, const QRegion& exposed) const;
    // The drawing as an image of the present size. Whatever is drawn into it stays part of
    // the drawing.
    Surface& image();
    // How many drawings are kept; the image counts as one.
    int layerCount() const;

private:
    struct Layer;
    void add(Layer layer);
    void drop();
    void paintLayers(QPainter& painter, const QRegion& exposed, std::size_t first, bool backFill) const;
    void paintLayer(QPainter& painter, const Layer& layer) const;

    std::vector<Layer> m_layers;
    std::unique_ptr<Surface> m_image;
    QSize m_size{1, 1};
    std::int32_t m_backColor = 0xFFFFFF;
    int m_dpmX = 0;
    int m_dpmY = 0;
};

} // namespace tessary
