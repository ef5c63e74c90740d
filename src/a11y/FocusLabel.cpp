// SPDX-License-Identifier: MIT
#include "a11y/FocusLabel.h"

#include "platform/FocusMark.h"

#include <QPainter>

namespace tessary {

FocusLabel::FocusLabel(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void FocusLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    drawFocusMark(p, rect());
}

} // namespace tessary
