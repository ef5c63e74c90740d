// SPDX-License-Identifier: MIT
#include "pickers/frmDesktop.h"

namespace tessary {

struct frmDesktop::Impl {};
frmDesktop::frmDesktop() : d(std::make_unique<Impl>()) {}
frmDesktop::~frmDesktop() = default;
void frmDesktop::getDesktop() {}
void frmDesktop::Form_Load() {}
void frmDesktop::Form_Unload(int&) {}
} // namespace tessary
