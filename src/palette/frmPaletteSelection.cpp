// SPDX-License-Identifier: MIT
// Choosing a chip in the palette window: by the mouse, by position and by the keyboard.
#include "palette/frmPalette.h"

#include "a11y/PaintedAccessible.h"
#include "palette/DefinedColor.h"
#include "palette/PaletteGrid.h"
#include "palette/PaletteGridPainter.h"
#include "palette/frmPalettePrivate.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace tessary {

void frmPalette::selectChipAt(int x, int y)
{
    previousColumn = selectedColumn;
    previousRow = selectedRow;
    const QPoint cell = PaletteGrid::cellAt(x, y, chipSize);
    selectedColumn = cell.x();
    selectedRow = cell.y();
    selectedIndex = PaletteGrid::positionAt(selectedColumn, selectedRow, firstVisibleIndex, columnCount);

    const int n = palette->count();
    const auto color = palette->colorCollection.item(selectedIndex);
    if (!color) {
        colorCodeInfo->clear();
        colorCommentInfo->clear();
        picPalette->setToolTip(QString());
        return;
    }
    if (columnCount > 0) {
        const int v = VScroll1->value();
        if (previousRow * columnCount + previousColumn + v * columnCount + 1 <= n)
            frameChip(previousColumn, previousRow, PaletteGridPainter::kFrame);
        frameChip(selectedColumn, selectedRow, PaletteGridPainter::kSelectedFrame);
        picPalette->update();
    }
    colorCodeInfo->setText(color->colorCode());
    colorCommentInfo->setText(color->comment());
    d->list->setCurrentIndex(color->index - 1);
    announcePaletteSelection(picPalette);
}

void frmPalette::selectPosition(int position)
{
    if (!palette || position < 1 || position > palette->count() || columnCount <= 0 || rowCount <= 0)
        return;
    const PaletteGrid::Located at = PaletteGrid::locate(position, columnCount, rowCount, VScroll1->value(),
                                                        VScroll1->maximum(), chipSize);
    if (at.scrollPosition != VScroll1->value())
        VScroll1->setValue(at.scrollPosition);
    selectChipAt(at.point.x(), at.point.y());
}

void frmPalette::moveSelection(int delta)
{
    if (!palette || palette->count() == 0)
        return;
    const int n = palette->count();
    // With nothing selected the first key selects the top left chip in view.
    if (selectedIndex < 1 || selectedIndex > n) {
        selectPosition(std::min(firstVisibleIndex, n));
        return;
    }
    selectPosition(std::clamp(selectedIndex + delta, 1, n));
}

bool frmPalette::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != picPalette || e->type() != QEvent::KeyPress)
        return Form::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    const int page = std::max(1, columnCount * rowCount);
    switch (key->key()) {
    case Qt::Key_Left: moveSelection(-1); break;
    case Qt::Key_Right: moveSelection(1); break;
    case Qt::Key_Up: moveSelection(-std::max(1, columnCount)); break;
    case Qt::Key_Down: moveSelection(std::max(1, columnCount)); break;
    case Qt::Key_PageUp: moveSelection(-page); break;
    case Qt::Key_PageDown: moveSelection(page); break;
    case Qt::Key_Home: moveSelection(-(palette ? palette->count() : 0)); break;
    case Qt::Key_End: moveSelection(palette ? palette->count() : 0); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: picPalette_DblClick(); break;
    default: return Form::eventFilter(watched, e);
    }
    return true;
}

} // namespace tessary
