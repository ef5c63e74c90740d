// SPDX-License-Identifier: MIT
#include "dialogs/DialogPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace tessary {

void DialogPlacement::centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

bool DialogPlacement::pressButtonForKey(QWidget& window, QKeyEvent& event, QPushButton* defaultButton,
                                        QPushButton* cancelButton)
{
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto* focused = qobject_cast<QPushButton*>(window.focusWidget());
        QPushButton* target = focused ? focused : defaultButton;
        if (target && target->isEnabled()) {
            target->click();
            return true;
        }
        return false;
    }
    case Qt::Key_Escape:
        if (cancelButton && cancelButton->isEnabled()) {
            cancelButton->click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace tessary
