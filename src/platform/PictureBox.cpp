// SPDX-License-Identifier: MIT
#include "platform/PictureBox.h"

#include "platform/FocusMark.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessary {

int mouseButtonNumber(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int mouseButtonsNumber(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int shiftNumber(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::setBackColor(std::int32_t color)
{
    m_surface.setBackColor(color);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_surface.image());
    // Over the surface, never on it: the drawing stays the picture the window made.
    if (hasFocus()) {
        const QRect mark = m_focusMark ? m_focusMark() : QRect();
        drawFocusMark(p, mark.isEmpty() ? rect() : mark);
    }
}

void PictureBox::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_surface.resize(width(), height());
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit MouseDown(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), p.x(), p.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit MouseMove(mouseButtonsNumber(e->buttons()), shiftNumber(e->modifiers()), p.x(), p.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit MouseUp(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), p.x(), p.y());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The press half of a double click still counts as a press.
    const QPoint p = e->position().toPoint();
    emit MouseDown(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), p.x(), p.y());
    emit DblClick();
}

} // namespace tessary
