// SPDX-License-Identifier: MIT
#include "dialogs/CommonDialogManager.h"

namespace tessary {

void CommonDialogManager::chooseFont(StdFont&) {}
void CommonDialogManager::setFilename(const QString&) {}
void CommonDialogManager::setFilter(const QString&) {}
void CommonDialogManager::clearFilter() {}
void CommonDialogManager::addFlug(std::int32_t) {}
void CommonDialogManager::clearFlug() {}
QString CommonDialogManager::getFilename(bool) { return {}; }
void CommonDialogManager::setCommonDialog(CommonDialog& dialog) { m_dialog = &dialog; }
} // namespace tessary
