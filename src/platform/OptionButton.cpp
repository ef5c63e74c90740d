// SPDX-License-Identifier: MIT
#include "platform/OptionButton.h"

namespace tessary {

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QRadioButton::clicked, this, [this] { emit Click(); });
}

void OptionButton::switchOn()
{
    setChecked(true);
    emit Click();
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    QRadioButton::mouseDoubleClickEvent(e);
    emit DblClick();
}

} // namespace tessary
