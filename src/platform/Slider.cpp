// SPDX-License-Identifier: MIT
#include "platform/Slider.h"

#include <QMouseEvent>

namespace tessary {

Slider::Slider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    setSingleStep(1);
    setPageStep(5);
    connect(this, &QSlider::valueChanged, this, [this](int) {
        if (m_fromCode)
            return;
        if (isSliderDown()) {
            m_dragMoved = true;
            emit Scroll();
        } else {
            emit Change();
        }
    });
    connect(this, &QSlider::sliderPressed, this, [this] { m_dragMoved = false; });
    connect(this, &QSlider::sliderReleased, this, [this] {
        if (m_dragMoved)
            emit Change();
        m_dragMoved = false;
    });
}

void Slider::setPosition(int value)
{
    m_fromCode = true;
    setValue(value);
    m_fromCode = false;
    emit Change();
}

void Slider::mouseReleaseEvent(QMouseEvent* e)
{
    QSlider::mouseReleaseEvent(e);
    emit MouseUp();
}

} // namespace tessary
