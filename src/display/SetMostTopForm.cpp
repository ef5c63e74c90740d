// SPDX-License-Identifier: MIT
#include "display/SetMostTopForm.h"

#include <QWidget>

namespace tessary {

std::int32_t SetMostTopForm::SetFormTop(QWidget* frmObject, bool Palam)
{
    if (!frmObject || !frmObject->isWindow())
        return 0;
    if (frmObject->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != Palam) {
        // Changing a window's flags recreates it hidden and forgets where it was.
        const Qt::WindowStates state = frmObject->windowState();
        const QRect normal = state & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)
            ? frmObject->normalGeometry()
            : frmObject->geometry();
        frmObject->setWindowFlag(Qt::WindowStaysOnTopHint, Palam);
        if (normal.isValid())
            frmObject->setGeometry(normal);
        frmObject->setWindowState(state);
    }
    frmObject->show();
    frmObject->raise();
    return frmObject->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == Palam ? 1 : 0;
}

} // namespace tessary
