// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tessary {

// Runs a piece of start-up work once a window has been drawn for the first time, so that
// the user sees the window without waiting for it. The work runs from the event loop, right
// after that first paint; if the window goes before it is ever drawn, the work never runs.
class AfterFirstPaint : public QObject {
    Q_OBJECT
public:
    static void run(QWidget& window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget& window, std::function<void()> work);

    std::function<void()> m_work;
};

} // namespace tessary
