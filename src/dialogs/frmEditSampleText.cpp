// SPDX-License-Identifier: MIT
#include "dialogs/frmEditSampleText.h"

namespace tessary {

struct frmEditSampleText::Impl {};
frmEditSampleText::frmEditSampleText() : d(std::make_unique<Impl>()) {}
frmEditSampleText::~frmEditSampleText() = default;
void frmEditSampleText::Form_Load() {}
void frmEditSampleText::setting(std::int16_t, const QString&, const FontRef&) {}
} // namespace tessary
