// SPDX-License-Identifier: MIT
#include "settings/TessaryConfig.h"

namespace tessary {

void TessaryConfig::saveConfig() {}
void TessaryConfig::loadConfig() {}
void TessaryConfig::setTessaryStyle(std::int32_t v) { m_tessaryStyle = v; }
void TessaryConfig::setDivideDivideNum(std::int32_t v) { m_divideDivideNum = v < 1 ? 1 : v; }
void TessaryConfig::setLatticeLineWidth(std::int32_t v) { m_latticeLineWidth = v < 1 ? 1 : v; }
void TessaryConfig::setLatticeDivideNum(std::int32_t v) { m_latticeDivideNum = v < 1 ? 1 : v; }
void TessaryConfig::setSonSOutSideWidth(std::int32_t v) { m_sonsOutSideWidth = v < 1 ? 1 : v; }
QString TessaryConfig::prefix() const { return m_prefix.trimmed(); }
void TessaryConfig::setPrefix(const QString& v) { m_prefix = v; }
std::int16_t TessaryConfig::restoreWindow() const { return m_restoreWindow ? 1 : 0; }
void TessaryConfig::setRestoreWindow(std::int16_t v) { m_restoreWindow = v == 1; }
std::int16_t TessaryConfig::restoreColor() const { return m_restoreColor ? 1 : 0; }
void TessaryConfig::setRestoreColor(std::int16_t v) { m_restoreColor = v == 1; }
} // namespace tessary
