// SPDX-License-Identifier: MIT
// What the parts of the main window's source share; included by them alone.
#pragma once

#include "color/ColorModel.h"
#include "color/colorCode.h"
#include "main/frmMain.h"
#include "platform/TextBox.h"
#include "settings/TessaryConfig.h"

#include <QAbstractButton>
#include <memory>

class QMenuBar;
class QWidget;

namespace tessary {

class ColorCodePaste;
class CssColorCommands;
class OklchPage;

struct frmMain::Impl {
    std::unique_ptr<ColorModel> model;
    std::unique_ptr<colorCode> code;
    std::unique_ptr<TessaryConfig> config;

    QMenuBar* menuBar = nullptr;
    QWidget* client = nullptr;
    QWidget* tabPane = nullptr;

    // Why the last in-place field lost the focus: a context menu or another window
    // taking over ends no edit.
    Qt::FocusReason lastFocusOutReason = Qt::OtherFocusReason;
    bool endingEdit = false;

    ColorCodePaste* codePaste = nullptr;
    CssColorCommands* cssCommands = nullptr;
    OklchPage* oklchPage = nullptr;
};

// Replaces a field's text only when it differs, so that rewriting a field in its normal
// form keeps the caret and the selection of the user typing in it.
inline void setFieldText(TextBox* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

// Gives the option of sample text index its caption. An empty sample text leaves the option
// without one: a screen reader then tells the three apart by their places.
inline void setObjectCaption(QAbstractButton* option, int index, const QString& caption)
{
    option->setText(caption);
    const QString byPlace = QStringLiteral("sample%1").arg(index + 1);
    if (caption.isEmpty())
        option->setAccessibleName(byPlace);
    else if (option->accessibleName() == byPlace)
        option->setAccessibleName(QString());
}

} // namespace tessary
