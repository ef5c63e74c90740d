// SPDX-License-Identifier: MIT
#pragma once

#include "platform/StdFont.h"

#include <QString>
#include <cstdint>

namespace tessary {

class CommonDialog;

// Wraps the common dialog control for one use: file open/save and the font dialog.
class CommonDialogManager {
public:
    void chooseFont(StdFont& font);
    void setFilename(const QString& name);
    void setFilter(const QString& filter);
    void clearFilter();
    void addFlug(std::int32_t flags);
    void clearFlug();
    // The chosen path, or an empty string when cancelled.
    QString getFilename(bool save);
    void setCommonDialog(CommonDialog& dialog);

private:
    CommonDialog* m_dialog = nullptr;
};

} // namespace tessary
