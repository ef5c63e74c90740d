// SPDX-License-Identifier: MIT
#include "platform/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace tessary {

StartupProbe::StartupProbe(int windows)
    : m_windows(windows)
{
}

void StartupProbe::installIfRequested(int windows)
{
    if (qEnvironmentVariableIsEmpty("TESSARY_STARTUP_PROBE"))
        return;
    auto* probe = new StartupProbe(windows);
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == w && w->isVisible()) {
            m_painted.insert(w);
            if (m_painted.size() >= m_windows) {
                // Let this paint finish, then leave without any tear-down.
                QMetaObject::invokeMethod(
                    this,
                    [] {
                        // Drawn means on the screen: the window system has taken in every
                        // picture sent, which for a full-screen window takes it milliseconds.
                        QGuiApplication::sync();
#ifdef Q_OS_LINUX
                        // The moment both windows are drawn, on the clock the caller reads too,
                        // so that the time the process takes to end is not counted.
                        timespec now{};
                        clock_gettime(CLOCK_MONOTONIC, &now);
                        std::fprintf(stderr, "DrawnAtNs: %lld\n",
                                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                        QFile status(QStringLiteral("/proc/self/status"));
                        if (status.open(QIODevice::ReadOnly)) {
                            for (const QByteArray& line : status.readAll().split('\n')) {
                                if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:"))
                                    std::fprintf(stderr, "%s\n", line.constData());
                            }
                        }
#endif
                        std::fflush(stderr);
                        std::_Exit(0);
                    },
                    Qt::QueuedConnection);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessary
