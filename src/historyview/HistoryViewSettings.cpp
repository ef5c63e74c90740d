// SPDX-License-Identifier: MIT
#include "historyview/HistoryViewSettings.h"

#include "settings/WindowPlace.h"

namespace tessary {

std::optional<HistoryViewSettings> HistoryViewSettings::read(CiniFile& ini)
{
    const std::optional<WindowPlace> p = WindowPlace::read(ini, QString::fromLatin1(Section));
    if (!p)
        return std::nullopt;
    return HistoryViewSettings{p->visible, p->left, p->top};
}

void HistoryViewSettings::write(CiniFile& ini) const
{
    WindowPlace{visible, left, top}.write(ini, QString::fromLatin1(Section));
}

} // namespace tessary
