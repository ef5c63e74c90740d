// SPDX-License-Identifier: MIT
#include "palette/DialogButtonKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tessary {

DialogButtonKeys::DialogButtonKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancelButton)
    : QObject(window)
    , m_window(window)
    , m_default(defaultButton)
    , m_cancel(cancelButton)
{
    window->installEventFilter(this);
}

bool DialogButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Key presses that no child took arrive here at the window.
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        QAbstractButton* target = focused && m_window->isAncestorOf(focused) ? focused : m_default;
        if (target && target->isEnabled())
            target->click();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        if (m_cancel && m_cancel->isEnabled())
            m_cancel->click();
        return true;
    }
    return false;
}

} // namespace tessary
