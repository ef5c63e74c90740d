// SPDX-License-Identifier: MIT
#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessary {

QString QtClipboard::text(bool selection) const
{
    QClipboard* c = QGuiApplication::clipboard();
    if (selection && !c->supportsSelection())
        return {};
    return c->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
}

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

} // namespace tessary
