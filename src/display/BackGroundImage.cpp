// SPDX-License-Identifier: MIT
#include "display/BackGroundImage.h"

#include "display/TilePlan.h"
#include "display/frmTessary.h"
#include "platform/Surface.h"

#include <QImageReader>
#include <QPainter>

namespace tessary {

namespace {

// Below this many pixels a side, a picture is first repeated into a block.
constexpr int kMinBlockSide = 64;

void drawTiles(Surface& surface, const QImage& tileImage)
{
    const TilePlan plan(tileImage.width(), tileImage.height(), surface.width(), surface.height());
    QPainter painter(&surface.image());
    for (int i = 0; i < plan.count(); ++i)
        painter.drawImage(plan.at(i), tileImage);
}

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

} // namespace

bool BackGroundImage::loadImage(const QString& fileName)
{
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
    return true;
}

void BackGroundImage::setForm(frmTessary* form)
{
    m_form = form;
}

void BackGroundImage::drawTile()
{
    if (!m_form || m_picture.isNull())
        return;
    // Through the transparent parts of a picture the window's own colour shows, not
    // whatever was drawn before (old label texts would pile up there).
    if (m_block.hasAlphaChannel())
        m_form->surface().clear();
    drawTiles(m_form->surface(), m_block);
}

} // namespace tessary
