// SPDX-License-Identifier: MIT
#include "platform/FrameWatch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tessary {

FrameWatch::FrameWatch(QWidget& window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
    check();
}

bool FrameWatch::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Expose:
    case QEvent::WindowStateChange:
        // Looked at once the window has handled the event and its geometry is up to date.
        if (!m_checkPending) {
            m_checkPending = true;
            QMetaObject::invokeMethod(this, &FrameWatch::check, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FrameWatch::check()
{
    m_checkPending = false;
    QWindow* handle = m_window.windowHandle();
    if (!handle)
        return;
    // The native window's own events carry the exposure, which the widget does not see.
    if (!m_watchingHandle) {
        handle->installEventFilter(this);
        m_watchingHandle = true;
    }
    const QMargins now = handle->frameMargins();
    if (now == m_margins)
        return;
    m_margins = now;
    emit marginsChanged();
}

} // namespace tessary
