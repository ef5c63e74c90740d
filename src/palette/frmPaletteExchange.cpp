// SPDX-License-Identifier: MIT
// The palette window's export and import of other programs' palette formats.
#include "palette/frmPalette.h"

#include "csscolor/CssColorWriter.h"
#include "exchange/ExchangeFiles.h"
#include "palette/DefinedColor.h"
#include "palette/IColorList.h"
#include "platform/Services.h"
#include "platform/Workspace.h"
#include "settings/TessaryConfig.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>

namespace tessary {

namespace {
constexpr int kDuplicatesNamed = 5;   // names a duplicates message lists before "ほか"
} // namespace

void frmPalette::mnuExport_Click()
{
    ExchangeFiles::savePalette(Workspace::instance().commonDialog(), *palette,
                               [this](int position) { return colorValueAt(position); });
}

// The selected chip's colour in the form the main window copied in last.
void frmPalette::mnuCopyColorCode_Click()
{
    if (selectedIndex < 1 || selectedIndex > palette->count())
        return;
    const TessaryConfig* settings = Workspace::instance().settings();
    const CssColorForm form = settings ? settings->cssColorSettings().copyForm : CssColorForm::HexUpper;
    Services::clipboard().setText(CssColorWriter::write(colorValueAt(selectedIndex), form));
}

void frmPalette::mnuImportGpl_Click()
{
    if (!settleUnsavedChanges())
        return;
    // A file that cannot be read leaves the open palette as it was.
    std::optional<GplImport> read = ExchangeFiles::readGpl(Workspace::instance().commonDialog());
    if (!read)
        return;
    adoptPalette(read->palette());
    // Duplicates come in one message however many there are; other refusals one by one.
    QList<PaletteStatus> others;
    for (const PaletteStatus& p : read->refusals()) {
        if (p.code() != PaletteStatus::DuplicateName)
            others.append(p);
    }
    showProblems(others);
    if (const QStringList& names = read->duplicateNames(); !names.isEmpty()) {
        QStringList firstNames;
        QSet<QString> distinct;
        for (const QString& name : names) {
            const QString folded = name.toCaseFolded();
            if (distinct.contains(folded))
                continue;
            distinct.insert(folded);
            if (firstNames.size() < kDuplicatesNamed)
                firstNames.append(name);
        }
        const bool more = distinct.size() > firstNames.size();
        MsgBox(tr("名前が重複している %1 色は読み込みませんでした:\r\n%2%3")
                   .arg(names.size())
                   .arg(firstNames.join(tr("、")), more ? tr(" ほか") : QString()),
               IMessageBox::OKOnly, QString(), IMessageBox::Information);
    }
    if (const int losing = read->textsLosingCharacters(); losing > 0) {
        MsgBox(tr("%1 個の名前または注釈に、パレットファイルに保存できない文字があります。"
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
    m_neverSaved = true;
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
    // A palette from elsewhere often has a name and no comment: the title names it then.
    setWindowTitle(tr("Palette : ")
                   + (palette->paletteComment().isEmpty() ? palette->paletteName() : palette->paletteComment()));
    mnuColorProperty->setEnabled(!palette->isSystemColorPalette());
}

} // namespace tessary
