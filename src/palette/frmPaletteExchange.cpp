// SPDX-License-Identifier: MIT
// The palette window's export and import of other programs' palette formats.
#include "palette/frmPalette.h"

#include "exchange/ExchangeFiles.h"
#include "palette/DefinedColor.h"
#include "palette/IColorList.h"
#include "platform/Services.h"
#include "platform/Workspace.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tessary {

void frmPalette::mnuExport_Click()
{
    ExchangeFiles::savePalette(Workspace::instance().commonDialog(), *palette,
                               [this](int position) { return colorValueAt(position); });
}

void frmPalette::mnuImportGpl_Click()
{
    // A file that cannot be read leaves the open palette as it was.
    std::optional<GplImport> read = ExchangeFiles::readGpl(Workspace::instance().commonDialog());
    if (!read)
        return;
    adoptPalette(read->palette());
    showProblems(read->refusals());
    if (const int losing = read->textsLosingCharacters(); losing > 0) {
        MsgBox(QStringLiteral("%1 個の名前または注釈に、パレットファイルに保存できない文字があります。"
                              "パレットファイルに保存すると、その文字は「?」になります。")
                   .arg(losing),
               IMessageBox::OKOnly, QString(), IMessageBox::Information);
    }
}

void frmPalette::adoptPalette(std::shared_ptr<DefinedColor> adopted)
{
    IColorList* list = palette->colorListControl();
    palette->setPaletteNameCombo(nullptr);
    palette = std::move(adopted);
    palette->setPaletteNameCombo(list);
    currentFileName.clear();
    // Nothing of it is on disk yet: both saves are offered, and "上書き保存" asks for a name.
    mnuSave->setEnabled(true);
    mnuEasySave->setEnabled(true);
    {
        const QSignalBlocker block(VScroll1);
        VScroll1->setValue(0);
    }
    firstVisibleIndex = 1;
    colorCodeInfo->clear();
    colorCommentInfo->clear();
    // As a palette file's load does: fill the list, select its first colour, then draw.
    palette->addCombo();
    if (list && list->count() > 0)
        list->setCurrentIndex(0);
    drawPalette(1);
    setWindowTitle(QStringLiteral("Palette : ") + palette->paletteComment());
    mnuColorProperty->setEnabled(!palette->isSystemColorPalette());
}

} // namespace tessary
