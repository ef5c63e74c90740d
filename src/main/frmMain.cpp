// SPDX-License-Identifier: MIT
#include "main/frmMain.h"
#include "color/ColorModel.h"
#include "settings/TessaryConfig.h"

namespace tessary {

struct frmMain::Impl {};
frmMain::frmMain() : d(std::make_unique<Impl>()) {}
frmMain::~frmMain() = default;
TessaryConfig& frmMain::configManager() { static TessaryConfig c; return c; }
ColorModel& frmMain::currentColor() { static ColorModel m; return m; }
void frmMain::setColor(std::int32_t) {}
QString frmMain::getColorCode() { return QStringLiteral("000000"); }
void frmMain::colorCodeRefresh() {}
void frmMain::setSampleText(std::int16_t, const QString&) {}
void frmMain::Form_Load() {}
void frmMain::Form_Unload(int&) {}
void frmMain::Form_Resize() {}
} // namespace tessary
