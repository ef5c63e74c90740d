// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>

namespace tessary {

// For start-up measurements only: when the environment variable TESSARY_STARTUP_PROBE is
// set, the process ends as soon as the given number of top-level windows have been shown
// and painted and the window system has what they drew, printing when that was (DrawnAtNs, CLOCK_MONOTONIC) and its resident memory
// (VmRSS, VmHWM). Does nothing otherwise.
class StartupProbe : public QObject {
    Q_OBJECT
public:
    static void installIfRequested(int windows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StartupProbe(int windows);
    int m_windows;
    QSet<QObject*> m_painted;
};

} // namespace tessary
