// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

class QPainter;

namespace tessary::AppIcon {

// The program's icon (the drawing of dist/icons/tessary.svg: a dark tile holding the two
// backgrounds with a text bar on each and one across their edge), painted into a square of
// `size` pixels.
void paint(QPainter& painter, int size);

// The icon at the sizes title bars and task lists use, painted: showing the first window
// then reads and decodes no image file, which would load Qt's image plug-ins on the way.
QIcon icon();

} // namespace tessary::AppIcon
