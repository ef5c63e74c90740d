// SPDX-License-Identifier: MIT
#include "dialogs/CommonDialogManager.h"

#include "platform/CommonDialog.h"

namespace tessary {

void CommonDialogManager::chooseFont(StdFont& font)
{
    if (!m_dialog)
        return;
    CommonDialog& dlg = *m_dialog;
    dlg.fontName = font.name;
    dlg.fontBold = font.bold;
    dlg.fontItalic = font.italic;
    dlg.fontSize = font.size;
    dlg.fontStrikethru = font.strikethrough;
    dlg.fontUnderline = font.underline;
    clearFlug();
    addFlug(CfBoth);
    addFlug(CfForceFontExist);
    addFlug(CfWysiwyg);
    addFlug(CfScalableOnly);
    // A cancel leaves the dialog holding what was copied in, so copying back is harmless.
    dlg.showFont();
    font.bold = dlg.fontBold;
    font.italic = dlg.fontItalic;
    font.name = dlg.fontName;
    font.size = dlg.fontSize;
    font.strikethrough = dlg.fontStrikethru;
    font.underline = dlg.fontUnderline;
}

void CommonDialogManager::setFilename(const QString& name)
{
    if (m_dialog)
        m_dialog->fileName = name;
}

void CommonDialogManager::setFilter(const QString& filter)
{
    if (m_dialog)
        m_dialog->filter = filter;
}

void CommonDialogManager::clearFilter()
{
    setFilter(QString());
}

void CommonDialogManager::addFlug(std::int32_t flags)
{
    if (m_dialog)
        m_dialog->flags |= flags;
}

void CommonDialogManager::clearFlug()
{
    if (m_dialog)
        m_dialog->flags = 0;
}

QString CommonDialogManager::getFilename(bool save)
{
    if (!m_dialog)
        return {};
    CommonDialog& dlg = *m_dialog;
    dlg.cancelError = true;
    clearFlug();
    addFlug(OfnFileMustExist);
    addFlug(OfnPathMustExist);
    addFlug(OfnHideReadOnly);
    addFlug(OfnLongNames);
    const bool chosen = save ? dlg.showSave() : dlg.showOpen();
    return chosen ? dlg.fileName : QString();
}

int CommonDialogManager::filterIndex() const
{
    return m_dialog ? m_dialog->filterIndex : 0;
}

void CommonDialogManager::setCommonDialog(CommonDialog& dialog)
{
    m_dialog = &dialog;
}

} // namespace tessary
