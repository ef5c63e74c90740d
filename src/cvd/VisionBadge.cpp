// SPDX-License-Identifier: MIT
#include "cvd/VisionBadge.h"

#include "cvd/BadgeLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tessary {

namespace {

constexpr double kFontScale = 0.85;
constexpr double kMinPointSize = 6.0;
const QColor kPlate(0, 0, 0, 150);

} // namespace

void VisionBadge::paint(QPainter& painter, const QSize& client, const QFont& baseFont, const QString& text)
{
    QFont small = baseFont;
    if (small.pointSizeF() > 0)
        small.setPointSizeF(std::max(small.pointSizeF() * kFontScale, kMinPointSize));
    const QFontMetrics fm(small, painter.device());
    const BadgeLayout badge = BadgeLayout::place(client.width(), client.height(), fm.horizontalAdvance(text), fm.height());
    painter.save();
    painter.fillRect(badge.plate, kPlate);
    painter.setFont(small);
    painter.setPen(Qt::white);
    painter.drawText(badge.textTopLeft + QPoint(0, fm.ascent()), text);
    painter.restore();
}

} // namespace tessary
