// SPDX-License-Identifier: MIT
#include "display/DisplayDrawing.h"

#include "display/DisplayPainter.h"
#include "platform/Surface.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

namespace tessary {

namespace {

// Drawings kept before they are taken into an image. A refresh adds two (the style or the
// picture, then the texts), and hides what was there, so only drawing over drawing without
// a refresh comes near it.
constexpr std::size_t kMaxLayers = 8;

} // namespace

struct DisplayDrawing::Layer {
    enum class Kind { Style, Tiles, Texts, Image } kind = Kind::Style;
    // The area drawn on when the layer was made, cut down by every shrinking since.
    QRect clip;
    // Where it hides what lies beneath.
    QRect cover;
    // Where its pixels may be.
    QRect reach;
    StyleShapes shapes;
    QSize area;
    std::int32_t brushA = 0;
    std::int32_t brushB = 0;
    QImage block;
    std::vector<DrawnText> texts;
};

DisplayDrawing::DisplayDrawing() = default;

DisplayDrawing::~DisplayDrawing() = default;

int DisplayDrawing::layerCount() const { return static_cast<int>(m_layers.size()); }

void DisplayDrawing::resize(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    if (size == m_size)
        return;
    m_size = size;
    const QRect all(QPoint(0, 0), size);
    for (Layer& l : m_layers)
        l.clip &= all;
    drop();
}

void DisplayDrawing::setDotsPerMeter(int x, int y)
{
    m_dpmX = x;
    m_dpmY = y;
}

void DisplayDrawing::clear()
{
    m_layers.clear();
    m_image.reset();
}

void DisplayDrawing::addStyle(const StyleParams& params, std::int32_t brushA, std::int32_t brushB)
{
    Layer l;
    l.kind = Layer::Kind::Style;
    l.area = m_size;
    l.clip = QRect(QPoint(0, 0), m_size);
    StyleLayout::layout(m_size.width(), m_size.height(), params, l.shapes);
    // The fills of every layout tile their bounding rectangle; lattice lines lie within it.
    for (const StyleFill& f : l.shapes.fills)
        l.cover |= QRect(f.left, f.top, f.right - f.left, f.bottom - f.top);
    l.cover &= l.clip;
    if (l.cover.isEmpty())
        return;   // an unknown style draws nothing
    l.reach = l.cover;
    l.brushA = brushA;
    l.brushB = brushB;
    add(std::move(l));
}

void DisplayDrawing::addTiles(const QImage& block)
{
    if (block.isNull())
        return;
    Layer l;
    l.kind = Layer::Kind::Tiles;
    l.area = m_size;
    l.clip = QRect(QPoint(0, 0), m_size);
    l.cover = l.clip;
    l.reach = l.clip;
    l.block = block;
    add(std::move(l));
}

void DisplayDrawing::addTexts(std::vector<DrawnText> texts)
{
    Layer l;
    l.kind = Layer::Kind::Texts;
    l.clip = QRect(QPoint(0, 0), m_size);
    for (const DrawnText& t : texts) {
        // Italics, underlines and smoothing reach past the measured box, never by a line.
        const int margin = std::max(2, t.box.height());
        l.reach |= t.box.adjusted(-margin, -margin, margin, margin);
    }
    l.reach &= l.clip;
    if (l.reach.isEmpty())
        return;
    l.texts = std::move(texts);
    add(std::move(l));
}

void DisplayDrawing::add(Layer layer)
{
    m_layers.push_back(std::move(layer));
    drop();
    if (m_layers.size() > kMaxLayers)
        image();
}

void DisplayDrawing::drop()
{
    // From the top down: a layer none of whose pixels shows any more is gone for good.
    QRegion hidden;
    std::vector<bool> keep(m_layers.size(), true);
    for (std::size_t i = m_layers.size(); i-- > 0;) {
        const Layer& l = m_layers[i];
        keep[i] = !(QRegion(l.reach & l.clip) - hidden).isEmpty();
        hidden |= l.cover & l.clip;
    }
    std::size_t to = 0;
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        if (keep[i]) {
            if (to != i)
                m_layers[to] = std::move(m_layers[i]);
            ++to;
        } else if (m_layers[i].kind == Layer::Kind::Image) {
            m_image.reset();
        }
    }
    m_layers.resize(to);
}

void DisplayDrawing::paint(QPainter& painter, const QRegion& exposed) const
{
    paintLayers(painter, exposed, 0, true);
}

void DisplayDrawing::paintLayers(QPainter& painter, const QRegion& exposed, std::size_t first, bool backFill) const
{
    // Each layer is painted only where no later one hides it, so a pixel gets the last
    // drawing that covered it and the texts drawn over that since, and nothing else.
    const std::size_t n = m_layers.size();
    std::vector<QRegion> shows(n);
    QRegion hidden;
    for (std::size_t i = n; i-- > first;) {
        const Layer& l = m_layers[i];
        shows[i] = (exposed & l.clip) - hidden;
        hidden |= l.cover & l.clip;
    }
    if (backFill) {
        const QColor back = Surface::toQColor(m_backColor);
        for (const QRect& r : exposed - hidden)
            painter.fillRect(r, back);
    }
    for (std::size_t i = first; i < n; ++i) {
        if (shows[i].isEmpty())
            continue;
        painter.setClipRegion(shows[i]);
        paintLayer(painter, m_layers[i]);
    }
    painter.setClipping(false);
}

void DisplayDrawing::paintLayer(QPainter& painter, const Layer& l) const
{
    switch (l.kind) {
    case Layer::Kind::Style:
        DisplayPainter::paintStyle(painter, l.shapes, l.area, l.brushA, l.brushB);
        break;
    case Layer::Kind::Tiles:
        // Through a picture's transparent parts the window's colour shows, not older drawings.
        if (l.block.hasAlphaChannel())
            painter.fillRect(l.clip, Surface::toQColor(m_backColor));
        DisplayPainter::paintTiles(painter, l.area, l.block);
        break;
    case Layer::Kind::Texts:
        for (const DrawnText& t : l.texts)
            DisplayPainter::paintText(painter, t.text, t.font, t.baseline, t.color);
        break;
    case Layer::Kind::Image:
        painter.drawImage(0, 0, m_image->image());
        break;
    }
}

Surface& DisplayDrawing::image()
{
    const QRect all(QPoint(0, 0), m_size);
    const bool reuse = m_image && !m_layers.empty() && m_layers.front().kind == Layer::Kind::Image
        && QSize(m_image->width(), m_image->height()) == m_size && m_layers.front().clip == all;
    if (reuse) {
        if (m_layers.size() > 1) {
            QPainter p(&m_image->image());
            paintLayers(p, QRegion(all), 1, false);
        }
    } else {
        auto next = std::make_unique<Surface>();
        next->setBackColor(m_backColor);
        next->resize(m_size.width(), m_size.height());
        QImage& img = next->image();
        if (m_dpmX > 0 && m_dpmY > 0) {
            img.setDotsPerMeterX(m_dpmX);
            img.setDotsPerMeterY(m_dpmY);
        }
        QPainter p(&img);
        paintLayers(p, QRegion(all), 0, true);
        p.end();
        m_image = std::move(next);
    }
    Layer l;
    l.kind = Layer::Kind::Image;
    l.clip = all;
    l.cover = all;
    l.reach = all;
    m_layers.clear();
    m_layers.push_back(std::move(l));
    return *m_image;
}

} // namespace tessary
