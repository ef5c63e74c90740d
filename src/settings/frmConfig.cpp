// SPDX-License-Identifier: MIT
#include "settings/frmConfig.h"

namespace tessary {

struct frmConfig::Impl {};
frmConfig::frmConfig() : d(std::make_unique<Impl>()) {}
frmConfig::~frmConfig() = default;
void frmConfig::Form_Load() {}
} // namespace tessary
