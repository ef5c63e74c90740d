// SPDX-License-Identifier: MIT
#pragma once

#include "cvd/VisionMode.h"

#include <QImage>
#include <QString>

namespace tessary {

class frmTessary;

// A picture tiled over the display window's client area.
class BackGroundImage {
public:
    // Reads a picture (GIF, BMP, JPEG and whatever else the image readers know) and keeps it
    // in place of the previous one. False, keeping the previous picture, when the file
    // cannot be read as a picture or the picture has no pixels.
    bool loadImage(const QString& fileName);
    void setForm(frmTessary* form);
    // Tiles the picture over the window's client area; nothing without a picture or a window.
    void drawTile();
    // The colour vision the picture is drawn for. A simulated copy is made on the first
    // drawing after the picture or the mode changed, and kept for the drawings after it.
    void setVisionMode(const VisionMode& mode);

    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage& picture() const { return m_picture; }

private:
    frmTessary* m_form = nullptr;
    QImage m_picture;
    // The picture repeated side by side until it is big enough that a window needs few
    // copies of it; it draws the same pixels as the single picture tiled.
    QImage m_block;
    VisionMode m_vision;
    // m_block as seen with m_simulatedFor; null until it is first needed.
    QImage m_simulatedBlock;
    VisionMode m_simulatedFor;

    const QImage& blockToDraw();
};

} // namespace tessary
