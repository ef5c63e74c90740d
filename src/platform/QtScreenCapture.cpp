// SPDX-License-Identifier: MIT
#include "platform/QtScreenCapture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace tessary {

QImage QtScreenCapture::grabDesktop()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return {};
    QRect all;
    for (QScreen* s : screens)
        all = all.united(s->geometry());
    QImage desktop(all.size(), QImage::Format_RGB32);
    desktop.fill(Qt::black);
    QPainter p(&desktop);
    bool any = false;
    for (QScreen* s : screens) {
        const QPixmap shot = s->grabWindow(0);
        if (shot.isNull())
            continue;
        any = true;
        p.drawPixmap(QRect(s->geometry().topLeft() - all.topLeft(), s->geometry().size()), shot);
    }
    p.end();
    return any ? desktop : QImage();
}

} // namespace tessary
