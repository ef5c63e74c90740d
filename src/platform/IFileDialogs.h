// SPDX-License-Identifier: MIT
#pragma once

#include "platform/StdFont.h"

#include <QString>

class QWidget;

namespace tessary {

// The common file and font dialogs. Filters come as "description|patterns|..." pairs.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen path, or an empty string when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& initialName, const QString& filter) = 0;
    // chosenFilter, when given, receives the 1-based entry of the filter the user left
    // chosen, or 0 when the dialog cannot tell.
    virtual QString saveFile(QWidget* parent, const QString& initialName, const QString& filter,
                             int* chosenFilter = nullptr) = 0;
    // Shows the font dialog starting from font; on OK writes the choice into font and
    // returns true; on cancel leaves font as it was and returns false.
    virtual bool chooseFont(QWidget* parent, StdFont& font) = 0;
};

} // namespace tessary
