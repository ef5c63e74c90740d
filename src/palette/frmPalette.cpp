// SPDX-License-Identifier: MIT
#include "palette/frmPalette.h"

namespace tessary {

struct frmPalette::Impl {};
frmPalette::frmPalette() : d(std::make_unique<Impl>()) {}
frmPalette::~frmPalette() = default;
void frmPalette::refreshPalette() {}
void frmPalette::Form_Load() {}
void frmPalette::Form_Unload(int&) {}
void frmPalette::Form_Resize() {}
} // namespace tessary
