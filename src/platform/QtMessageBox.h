// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IMessageBox.h"

namespace tessary {

class QtMessageBox : public IMessageBox {
public:
    int show(QWidget* parent, const QString& text, int buttons, const QString& title, int icon) override;
    bool input(QWidget* parent, const QString& prompt, const QString& title, QString& text) override;
};

} // namespace tessary
