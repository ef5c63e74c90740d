// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QObject>

class QWidget;

namespace tessary {

// Tells when the window system frames a top-level window or changes its frame. A
// reparenting window manager gives the frame some time after the window is mapped, with no
// event of its own, so its margins are looked at again after every event the window gets
// from the window system (exposure, move, resize). Lives as long as the window.
class FrameWatch : public QObject {
    Q_OBJECT
public:
    explicit FrameWatch(QWidget& window);

    // The frame's margins as last seen; all 0 while the window has no frame.
    QMargins margins() const { return m_margins; }

signals:
    void marginsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    QWidget& m_window;
    QMargins m_margins;
    bool m_watchingHandle = false;
    bool m_checkPending = false;
};

} // namespace tessary
