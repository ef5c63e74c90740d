// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"

namespace tessary {

struct frmTessary::Impl { Surface surface; };
frmTessary::frmTessary() : d(std::make_unique<Impl>()) {}
frmTessary::~frmTessary() = default;
std::int16_t frmTessary::selectObject() const { return 0; }
void frmTessary::setSelectObject(std::int16_t) {}
std::int32_t frmTessary::getColor() const { return 0; }
void frmTessary::setColor(std::int32_t) {}
int frmTessary::red() const { return 0; }
int frmTessary::green() const { return 0; }
int frmTessary::blue() const { return 0; }
void frmTessary::setRed(int) {}
void frmTessary::setGreen(int) {}
void frmTessary::setBlue(int) {}
void frmTessary::tessaryRefresh() {}
void frmTessary::setStyle(std::int16_t) {}
void frmTessary::setStyleSquareOnSquare(std::int32_t) {}
void frmTessary::setStyleDivide(std::int32_t) {}
void frmTessary::setStyleLattice(std::int32_t, std::int32_t) {}
void frmTessary::setLabelText(std::int16_t, const QString&) {}
FontRef frmTessary::getLabelFont(std::int16_t) { return makeFont(); }
void frmTessary::setLabelFont(std::int16_t, const FontRef&) {}
void frmTessary::setBGIVisible(bool) {}
bool frmTessary::loadBackgroundImage(const QString&) { return false; }
void frmTessary::setPosDefault() {}
void frmTessary::setPosWidthMax() {}
void frmTessary::setPosHeightMax() {}
void frmTessary::setPosFullScreen() {}
void frmTessary::setPosManual() {}
Surface& frmTessary::surface() { return d->surface; }
void frmTessary::Form_Load() {}
void frmTessary::Form_Unload(int&) {}
void frmTessary::Form_Resize() {}
} // namespace tessary
