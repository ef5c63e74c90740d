// SPDX-License-Identifier: MIT
#include "contrast/ContrastSample.h"

#include <QPainter>

namespace tessary {

ContrastSample::ContrastSample(QWidget* parent) : QLabel(parent) {}

void ContrastSample::setColors(const QColor& text, const QColor& background)
{
    if (text == m_text && background == m_background)
        return;
    m_text = text;
    m_background = background;
    update();
}

void ContrastSample::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    p.setPen(m_text);
    p.drawText(contentsRect().adjusted(margin(), margin(), -margin(), -margin()), int(alignment()), text());
}

} // namespace tessary
