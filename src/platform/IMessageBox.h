// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace tessary {

// Message boxes. Button sets and results use the classic numbers.
class IMessageBox {
public:
    enum Buttons { OKOnly = 0, OKCancel = 1, YesNoCancel = 3, YesNo = 4 };
    enum Result { OK = 1, Cancel = 2, Yes = 6, No = 7 };
    enum Icon { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

    virtual ~IMessageBox() = default;
    virtual int show(QWidget* parent, const QString& text, int buttons, const QString& title, int icon) = 0;
    // Asks for one line of text, proposing text; false when cancelled, else text is the answer.
    virtual bool input(QWidget* parent, const QString& prompt, const QString& title, QString& text) = 0;
};

} // namespace tessary
