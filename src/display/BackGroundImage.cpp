// SPDX-License-Identifier: MIT
#include "display/BackGroundImage.h"

#include "cvd/VisionSimulator.h"
#include "display/frmTessary.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace tessary {

namespace {

// Below this many pixels a side, a picture is first repeated into a block.
constexpr int kMinBlockSide = 64;

QImage repeated(const QImage& picture)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w >= kMinBlockSide && h >= kMinBlockSide)
        return picture;
    const int kx = (kMinBlockSide + w - 1) / w;
    const int ky = (kMinBlockSide + h - 1) / h;
    QImage block(w * kx, h * ky, picture.format());
    block.fill(Qt::transparent);
    QPainter painter(&block);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < ky; ++y) {
        for (int x = 0; x < kx; ++x)
            painter.drawImage(x * w, y * h, picture);
    }
    return block;
}

// The simulation works on straight alpha; the block is kept premultiplied (or opaque) so that
// tiling stays a plain copy.
QImage simulated(const QImage& block, const VisionMode& mode)
{
    const QImage::Format drawn = block.format();
    QImage straight = block.hasAlphaChannel() ? block.convertToFormat(QImage::Format_ARGB32) : block.copy();
    const VisionSimulator simulator(mode);
    for (int y = 0; y < straight.height(); ++y)
        simulator.simulatePixels(reinterpret_cast<std::uint32_t*>(straight.scanLine(y)),
                                 static_cast<std::size_t>(straight.width()));
    return straight.format() == drawn ? straight : straight.convertToFormat(drawn);
}

} // namespace

bool BackGroundImage::loadImage(const QString& fileName)
{
    // A pipe or a device would have the reader wait for bytes that may never come.
    if (!QFileInfo(fileName).isFile())
        return false;
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return false;
    image.setDevicePixelRatio(1.0);
    // Decoded once into the surface's own pixel layout, so that every repaint is a plain copy.
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    m_block = repeated(image);
    m_picture = std::move(image);
    m_simulatedBlock = QImage();
    return true;
}

void BackGroundImage::setForm(frmTessary* form)
{
    m_form = form;
}

void BackGroundImage::setVisionMode(const VisionMode& mode)
{
    m_vision = mode;
}

const QImage& BackGroundImage::blockToDraw()
{
    if (VisionSimulator(m_vision).isIdentity())
        return m_block;
    if (m_simulatedBlock.isNull() || !m_simulatedFor.simulatesLike(m_vision)) {
        m_simulatedBlock = simulated(m_block, m_vision);
        m_simulatedFor = m_vision;
    }
    return m_simulatedBlock;
}

void BackGroundImage::drawTile()
{
    if (!m_form || m_picture.isNull())
        return;
    m_form->tileWith(blockToDraw());
}

} // namespace tessary
