// SPDX-License-Identifier: MIT
#include "dialogs/frmAbout.h"

namespace tessary {

struct frmAbout::Impl {};
frmAbout::frmAbout() : d(std::make_unique<Impl>()) {}
frmAbout::~frmAbout() = default;
void frmAbout::Form_Load() {}
} // namespace tessary
