// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Surface.h"

#include <QWidget>
#include <functional>

namespace tessary {

// A picture box: a child widget that shows a persistent drawing surface and reports
// mouse events in its own pixel coordinates.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    Surface& surface() { return m_surface; }
    const Surface& surface() const { return m_surface; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    bool autoRedraw() const { return m_autoRedraw; }
    void setBackColor(std::int32_t color);
    // Where the focus mark goes while the box has the keyboard focus, asked at each
    // painting; an empty rectangle, or no function, marks the whole box.
    void setFocusMark(std::function<QRect()> where) { m_focusMark = std::move(where); }

signals:
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void DblClick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Surface m_surface;
    bool m_autoRedraw = false;
    std::function<QRect()> m_focusMark;
};

// Mouse button and shift numbers as event handlers receive them: left 1, right 2, middle 4;
// Shift 1, Ctrl 2, Alt 4.
int mouseButtonNumber(Qt::MouseButton b);
int mouseButtonsNumber(Qt::MouseButtons b);
int shiftNumber(Qt::KeyboardModifiers m);

} // namespace tessary
