// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// The system clipboard, as text.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // The clipboard's text, or with selection the text last selected (pasted with the middle
    // button on X11; empty where the system has no such thing).
    virtual QString text(bool selection = false) const = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace tessary
