// SPDX-License-Identifier: MIT
#include "display/frmSetPos.h"

namespace tessary {

struct frmSetPos::Impl {};
frmSetPos::frmSetPos() : d(std::make_unique<Impl>()) {}
frmSetPos::~frmSetPos() = default;
void frmSetPos::Form_Load() {}
} // namespace tessary
