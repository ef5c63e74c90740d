// SPDX-License-Identifier: MIT
#pragma once

#include "csscolor/CssColorForm.h"

namespace tessary {

class CiniFile;

// The form Ctrl+Shift+C copies colours in and whether the main window shows the OKLCH page,
// in a section of their own after all the others. The section stays out of a file until a
// value other than the default is saved, so a program that never used them writes the
// same bytes as before.
struct CssColorSettings {
    CssColorForm copyForm = CssColorForm::HexUpper;
    bool oklchPage = false;

    bool operator==(const CssColorSettings&) const = default;

    // A missing section or a value that cannot be used gives the default for that value.
    static CssColorSettings read(CiniFile& ini);
    void write(CiniFile& ini) const;
};

} // namespace tessary
