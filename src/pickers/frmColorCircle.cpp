// SPDX-License-Identifier: MIT
#include "pickers/frmColorCircle.h"

namespace tessary {

struct frmColorCircle::Impl {};
frmColorCircle::frmColorCircle() : d(std::make_unique<Impl>()) {}
frmColorCircle::~frmColorCircle() = default;
void frmColorCircle::setCircleType(std::int16_t) {}
void frmColorCircle::update(ColorModel&) {}
void frmColorCircle::Form_Load() {}
void frmColorCircle::Form_Unload(int&) {}
} // namespace tessary
