// SPDX-License-Identifier: MIT
#include "palette/PropertyDialogLook.h"

#include "platform/FontMapper.h"

#include <QLabel>

namespace tessary {

QFont PropertyDialogLook::font()
{
    StdFont f;
    f.name = QStringLiteral("ＭＳ Ｐゴシック");
    f.size = 9;
    return FontMapper::toQFont(f);
}

void PropertyDialogLook::fitWidth(QLabel* label)
{
    if (label->sizeHint().width() > label->width())
        label->resize(label->sizeHint().width(), label->height());
}

} // namespace tessary
