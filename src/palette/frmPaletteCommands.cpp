// SPDX-License-Identifier: MIT
// The palette window's events, files and menu commands.
#include "palette/frmPalette.h"

#include "dialogs/CommonDialogManager.h"
#include "palette/PaletteGrid.h"
#include "palette/PaletteReader.h"
#include "palette/frmColorProperty.h"
#include "palette/frmPalettePrivate.h"
#include "palette/frmPaletteProperty.h"
#include "platform/ColorValue.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QToolTip>
#include <QScrollBar>

namespace tessary {

namespace {

constexpr int kMaxRefusalsShown = 10;   // more refused colours are counted in one box

} // namespace

QPoint frmPalette::locateColorByName(const QString& name)
{
    const auto color = palette->colorCollection.item(name);
    // The entry's own position stands in should its text not be a key.
    const int p = color ? color->index : cmbColorSelect->currentIndex() + 1;
    const PaletteGrid::Located at = PaletteGrid::locate(p, columnCount, rowCount, VScroll1->value(),
                                                        VScroll1->maximum(), chipSize);
    if (at.scrollPosition != VScroll1->value())
        VScroll1->setValue(at.scrollPosition);
    return at.point;
}

void frmPalette::VScroll1_Change()
{
    firstVisibleIndex = PaletteGrid::firstVisibleIndex(VScroll1->value(), columnCount);
    drawPalette(firstVisibleIndex);
}

// ---- events -----------------------------------------------------------------------------

void frmPalette::cmbColorSelect_Click()
{
    const int entry = cmbColorSelect->currentIndex();
    if (entry < 0 || !palette)
        return;
    const QString name = cmbColorSelect->itemText(entry);
    if (columnCount <= 0 || rowCount <= 0) {
        // No cell to point at: select the colour by its position alone.
        const auto color = palette->colorCollection.item(name);
        const auto chosen = color ? color : palette->colorCollection.item(entry + 1);
        if (!chosen)
            return;
        selectedIndex = chosen->index;
        colorCodeInfo->setText(chosen->colorCode());
        colorCommentInfo->setText(chosen->comment());
        return;
    }
    const QPoint at = locateColorByName(name);
    selectChipAt(at.x(), at.y());
}

void frmPalette::picPalette_MouseDown(int, int, int x, int y) { selectChipAt(x, y); }

void frmPalette::picPalette_MouseMove(int, int, int x, int y)
{
    const QString tip = PaletteGrid::tooltipAt(x, y, chipSize);
    if (tip == picPalette->toolTip())
        return;
    picPalette->setToolTip(tip);
    if (QToolTip::isVisible())
        QToolTip::showText(QCursor::pos(), tip, picPalette);
}

void frmPalette::picPalette_DblClick()
{
    if (selectedIndex < 1 || selectedIndex > palette->count())
        return;
    Workspace::instance().takeColor(colorValueAt(selectedIndex));
}

// ---- files ------------------------------------------------------------------------------

void frmPalette::openPaletteFile(const QString& fileName)
{
    currentFileName = fileName;
    mnuSave->setEnabled(true);
    // What was unsaved belongs to the palette being replaced; "上書き保存" now would write
    // whatever part of the new file could be read (or the old palette) over the new file.
    mnuEasySave->setEnabled(false);
    {
        const QSignalBlocker block(VScroll1);
        VScroll1->setValue(0);
    }
    firstVisibleIndex = 1;
    const QList<PaletteStatus> problems = palette->loadColor(fileName);
    markSaved();
    drawPalette(1);
    setWindowTitle(tr("Palette : ") + palette->paletteComment());
    mnuColorProperty->setEnabled(!palette->isSystemColorPalette());
    showProblems(problems);
}

bool frmPalette::savePaletteFile(const QString& fileName)
{
    const PaletteStatus saved = palette->saveColor(fileName);
    if (!saved.isOk()) {
        MsgBox(saved.message(), IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
        // After a failure the file on disk is as it was; the changes stay to be saved again.
        if (saved.code() != PaletteStatus::SavedUnsynced)
            return false;
    }
    mnuEasySave->setEnabled(false);
    currentFileName = fileName;
    markSaved();
    return true;
}

void frmPalette::showProblems(const QList<PaletteStatus>& problems)
{
    int shown = 0;
    int untold = 0;
    for (const PaletteStatus& p : problems) {
        if (p.code() == PaletteStatus::ReadError)
            continue;
        if (shown < kMaxRefusalsShown) {
            MsgBox(p.message());
            ++shown;
        } else {
            ++untold;
        }
    }
    if (untold > 0)
        MsgBox(tr("ほかに %1 色を登録できませんでした。").arg(untold));
    for (const PaletteStatus& p : problems) {
        if (p.code() == PaletteStatus::ReadError)
            MsgBox(p.message());
    }
}

QString frmPalette::askFileName(bool save, const QString& initialName)
{
    CommonDialogManager dialogs;
    dialogs.setCommonDialog(Workspace::instance().commonDialog());
    dialogs.clearFilter();
    dialogs.setFilename(initialName);
    dialogs.setFilter(paletteFilter());
    return dialogs.getFilename(save);
}

// ---- menu commands ----------------------------------------------------------------------

void frmPalette::mnuNew_Click()
{
    if (!settleUnsavedChanges())
        return;
    picPalette->surface().clear();
    palette->setPaletteNameCombo(nullptr);
    palette = std::make_shared<DefinedColor>();
    d->list->clear();
    palette->setPaletteNameCombo(d->list.get());
    palette->setPaletteName(newPaletteName());
    palette->setPaletteComment(QString());
    picPalette->hide();
    VScroll1->setEnabled(false);
    currentFileName.clear();
    mnuSave->setEnabled(false);
    mnuEasySave->setEnabled(false);
    markSaved();
}

void frmPalette::mnuLoadPalette_Click()
{
    if (!settleUnsavedChanges())
        return;
    const QString name = askFileName(false, QStringLiteral("*.tcf"));
    if (name.isEmpty())
        return;
    // A pipe or a device is refused before it becomes the palette the settings name.
    if (const QFileInfo info(name); info.exists() && !info.isFile()) {
        MsgBox(tr("通常のファイルではないため開けません。\r\n%1").arg(QDir::toNativeSeparators(name)),
               IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
        return;
    }
    if (TessaryConfig* settings = Workspace::instance().settings())
        settings->setPaletteFileName(name);
    openPaletteFile(name);
}

void frmPalette::mnuSave_Click()
{
    const QString name = askFileName(true, currentFileName);
    if (!name.isEmpty())
        savePaletteFile(name);
}

void frmPalette::mnuEasySave_Click()
{
    // A new palette has no file yet: ask for one as "save as" does.
    if (currentFileName.isEmpty()) {
        const QString name = askFileName(true, QStringLiteral("*.tcf"));
        if (!name.isEmpty())
            savePaletteFile(name);
        return;
    }
    savePaletteFile(currentFileName);
}

void frmPalette::mnuQuit_Click() { unload(); }

void frmPalette::mnuDelete_Click()
{
    const auto color = palette->colorCollection.item(selectedIndex);
    if (!color)
        return;
    const QString text = tr("カラーコード:%1\r\n名前：%2\r\nを削除します。\r\nよろしいですか?")
        .arg(color->colorCode(), color->colorName());
    if (MsgBox(text, IMessageBox::OKCancel, tr("色の削除")) != IMessageBox::OK)
        return;
    palette->removeChip(selectedIndex);
    drawPalette(firstVisibleIndex);
}

void frmPalette::mnuAddColor_Click()
{
    prepareAddCurrentColor();
    frmColorProperty::instance().showModal();
    palette->addCombo();
}

void frmPalette::mnuColorProperty_Click()
{
    showColorProperty();
    palette->addCombo();
}

void frmPalette::mnuPaletteProperty_Click()
{
    frmPaletteProperty& dialog = frmPaletteProperty::instance();
    dialog.setting(palette);
    dialog.showModeless();
}

void frmPalette::prepareAddCurrentColor()
{
    auto color = std::make_shared<DefinedColorModel>();
    // The code of the colour being edited, as the main window shows it without its prefix.
    if (Workspace::instance().mainWindow()) {
        const std::int32_t c = Scheme::instance().color(Scheme::instance().selectedObject());
        color->setColorCode(colorCode().getHexRGB(ColorValue::red(c), ColorValue::blue(c), ColorValue::green(c)));
    }
    frmColorProperty::instance().setting(palette, color, tr("追加"), tr("追加"), true);
}

void frmPalette::showColorProperty()
{
    frmColorProperty& dialog = frmColorProperty::instance();
    const auto color = palette->colorCollection.item(selectedIndex);
    if (!color)
        prepareAddCurrentColor();
    else
        dialog.setting(palette, color, tr("編集"), tr("更新"), false);
    dialog.showModal();
}

void frmPalette::colorEdited()
{
    refreshPalette();
    mnuEasySave->setEnabled(true);
}

} // namespace tessary
