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
    // Flag bits of the file dialogs.
    static constexpr std::int32_t OfnHideReadOnly = 0x4;
    static constexpr std::int32_t OfnPathMustExist = 0x800;
    static constexpr std::int32_t OfnFileMustExist = 0x1000;
    static constexpr std::int32_t OfnLongNames = 0x200000;
    // Flag bits of the font dialog.
    static constexpr std::int32_t CfBoth = 0x3;
    static constexpr std::int32_t CfWysiwyg = 0x8000;
    static constexpr std::int32_t CfForceFontExist = 0x10000;
    static constexpr std::int32_t CfScalableOnly = 0x20000;

    // Shows the font dialog starting from font and writes the choice back into the same
    // object; after a cancel the font is as it was.
    void chooseFont(StdFont& font);
    void setFilename(const QString& name);
    void setFilter(const QString& filter);
    void clearFilter();
    void addFlug(std::int32_t flags);
    void clearFlug();
    // The chosen path, or an empty string when cancelled.
    QString getFilename(bool save);
    // The 1-based filter entry the last save dialog was left on; 0 when unknown.
    int filterIndex() const;
    void setCommonDialog(CommonDialog& dialog);

private:
    CommonDialog* m_dialog = nullptr;
};

} // namespace tessary
