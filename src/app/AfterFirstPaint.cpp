// SPDX-License-Identifier: MIT
#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QWidget>

namespace tessary {

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : QObject(&window)
    , m_work(std::move(work))
{
    window.installEventFilter(this);
}

void AfterFirstPaint::run(QWidget& window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the paint this event starts, and its way to the screen, come first.
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_work();
                deleteLater();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessary
