// SPDX-License-Identifier: MIT
#include "platform/QtMessageBox.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tessary {

int QtMessageBox::show(QWidget* parent, const QString& text, int buttons, const QString& title, int icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (buttons) {
    case OKCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QCoreApplication::translate("QtMessageBox", "キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel);
        break;
    case YesNoCancel:
        yes = box.addButton(QCoreApplication::translate("QtMessageBox", "はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QCoreApplication::translate("QtMessageBox", "いいえ(&N)"), QMessageBox::NoRole);
        cancel = box.addButton(QCoreApplication::translate("QtMessageBox", "キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        break;
    case YesNo:
        yes = box.addButton(QCoreApplication::translate("QtMessageBox", "はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QCoreApplication::translate("QtMessageBox", "いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        break;
    default:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == yes && yes)
        return Yes;
    if (clicked == no && no)
        return No;
    if (clicked == ok && ok)
        return OK;
    return buttons == OKOnly ? OK : Cancel;
}

bool QtMessageBox::input(QWidget* parent, const QString& prompt, const QString& title, QString& text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtMessageBox", "キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue();
    return true;
}

} // namespace tessary
