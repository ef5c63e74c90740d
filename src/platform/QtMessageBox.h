// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IMessageBox.h"

namespace tessary {

class QtMessageBox : public IMessageBox {
public:
    int show(QWidget* parent, const QString& text, int buttons, const QString& title, int icon) override;
};

} // namespace tessary
