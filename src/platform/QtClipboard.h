// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IClipboard.h"

namespace tessary {

class QtClipboard : public IClipboard {
public:
    QString text(bool selection) const override;
    void setText(const QString& text) override;
};

} // namespace tessary
