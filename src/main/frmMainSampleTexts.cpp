// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "dialogs/CommonDialogManager.h"
#include "dialogs/frmEditSampleText.h"
#include "display/frmTessary.h"
#include "main/MainCaptions.h"
#include "main/frmMainPrivate.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"
#include "scheme/Scheme.h"

#include <QFocusEvent>

namespace tessary {

// ---- Sample texts and fonts --------------------------------------------------------

void frmMain::setSampleText(std::int16_t index, const QString& text)
{
    if (index < 0 || index > 2)
        return;
    TextBox* field = txtSampleString[index];
    if (field->text() == text)
        txtSampleString_Change(index);   // no change notification, yet the label must get it
    else
        field->setText(text);
    setObjectCaption(optSelectObject[index], index, MainCaptions::literalCaption(text));
    optSelectObject[index]->setToolTip(QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        for (TextBox* field : txtSampleString) {
            if (watched == field)
                d->lastFocusOutReason = static_cast<QFocusEvent*>(event)->reason();
        }
    }
    return Form::eventFilter(watched, event);
}

void frmMain::txtSampleString_Change(int index)
{
    frmTessary& display = frmTessary::instance();
    display.setLabelText(static_cast<std::int16_t>(index), txtSampleString[index]->text());
    display.tessaryRefresh();
}

void frmMain::optSelectObject_DblClick(int index)
{
    if (index < 0 || index > 2)
        return;
    TextBox* field = txtSampleString[index];
    field->show();
    field->raise();
    field->setFocus(Qt::OtherFocusReason);
    // The text is edited, not replaced: nothing selected, the caret after the last character.
    field->end(false);
}

void frmMain::txtSampleString_KeyDown(int index, int keyCode, int)
{
    if (keyCode != 13)
        return;
    refreshObjectCaption(index);
    d->lastFocusOutReason = Qt::OtherFocusReason;
    txtSampleString_LostFocus(index);
}

void frmMain::txtSampleString_LostFocus(int index)
{
    const Qt::FocusReason reason = d->lastFocusOutReason;
    d->lastFocusOutReason = Qt::OtherFocusReason;
    // The field keeps its edit while its context menu is open or another window is used.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    if (d->endingEdit)
        return;
    d->endingEdit = true;
    const bool hadFocus = txtSampleString[index]->hasFocus();
    for (TextBox* field : txtSampleString)
        field->hide();
    if (hadFocus || focusWidget() == nullptr)
        optSelectObject[index]->setFocus(Qt::OtherFocusReason);
    d->endingEdit = false;
    refreshObjectCaption(index);
}

void frmMain::txtSampleString_MouseUp(int index, int, int, int, int)
{
    refreshObjectCaption(index);
}

void frmMain::refreshObjectCaption(int index)
{
    const QString text = txtSampleString[index]->text();
    setObjectCaption(optSelectObject[index], index, MainCaptions::literalCaption(MainCaptions::shortenedCaption(text)));
    optSelectObject[index]->setToolTip(QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()));
}

void frmMain::editSampleText(int index)
{
    frmEditSampleText& editor = frmEditSampleText::instance();
    editor.setting(static_cast<std::int16_t>(index), txtSampleString[index]->text(),
                   frmTessary::instance().getLabelFont(static_cast<std::int16_t>(index)));
    editor.showModal();
}

void frmMain::changeLabelFont(int index)
{
    CommonDialogManager manager;
    manager.setCommonDialog(CommonDialog1);
    frmTessary& display = frmTessary::instance();
    const auto label = static_cast<std::int16_t>(index);
    FontRef font = copyFont(*display.getLabelFont(label));
    manager.chooseFont(*font);
    display.setLabelFont(label, font);
    // Labels drawn over the old ones in another font would leave the old letters showing.
    display.tessaryRefresh();
}

void frmMain::mnuSTTop_Click() { editSampleText(0); }
void frmMain::mnuSTMiddle_Click() { editSampleText(1); }
void frmMain::mnuSTBottom_Click() { editSampleText(2); }

void frmMain::mnuFontAll_Click()
{
    CommonDialogManager manager;
    manager.setCommonDialog(CommonDialog1);
    frmTessary& display = frmTessary::instance();
    FontRef font = display.getLabelFont(0);
    manager.chooseFont(*font);
    // After the dialog: its event loop must not hold announcements back.
    Scheme::Batch batch;
    display.setLabelFont(0, font);
    // Labels 1 and 2 get equal fonts of their own, so a later change of one label's font
    // changes that label alone.
    display.setLabelFont(1, copyFont(*font));
    display.setLabelFont(2, copyFont(*font));
    display.tessaryRefresh();
}

void frmMain::mnuFontTop_Click() { changeLabelFont(0); }
void frmMain::mnuFontMiddle_Click() { changeLabelFont(1); }
void frmMain::mnuFontBottom_Click() { changeLabelFont(2); }

} // namespace tessary
