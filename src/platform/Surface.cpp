// SPDX-License-Identifier: MIT
#include "platform/Surface.h"

#include "platform/ColorValue.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tessary {

namespace {

// Images from this size on get their memory mapped in before the first write.
constexpr qsizetype kMapAheadBytes = 1 << 20;

// A new image the size of a window is written whole at once. Having the kernel map its
// pages in one call costs about half of taking a page fault on each of them, and those
// faults are a large part of what a full-screen display window costs to appear. Where the
// call is not supported, nothing changes.
void mapPagesAhead(QImage& image)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    if (image.sizeInBytes() < kMapAheadBytes)
        return;
    const auto page = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<quintptr>(image.bits());
    const quintptr begin = (start + page - 1) & ~(page - 1);
    const quintptr end = (start + static_cast<quintptr>(image.sizeInBytes())) & ~(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)image;
#endif
}

} // namespace

Surface::Surface()
    : m_image(1, 1, QImage::Format_RGB32)
{
    m_image.fill(toQColor(m_backColor));
}

QColor Surface::toQColor(std::int32_t color)
{
    return QColor(ColorValue::red(color), ColorValue::green(color), ColorValue::blue(color));
}

std::int32_t Surface::fromRgb(unsigned rgb)
{
    return ColorValue::pack(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void Surface::resize(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == m_image.width() && height == m_image.height())
        return;
    QImage next(width, height, QImage::Format_RGB32);
    mapPagesAhead(next);
    next.fill(toQColor(m_backColor));
    QPainter p(&next);
    p.drawImage(0, 0, m_image);
    p.end();
    m_image = std::move(next);
}

void Surface::clear()
{
    m_image.fill(toQColor(m_backColor));
}

void Surface::fillRect(int left, int top, int right, int bottom, std::int32_t color)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_image.width());
    bottom = std::min(bottom, m_image.height());
    if (left >= right || top >= bottom)
        return;
    // Repaints fill the whole window at every slider step: fill the first row, then copy it
    // row by row, which runs at memory speed where a pixel loop would not.
    const QRgb px = toQColor(color).rgb();
    const int w = right - left;
    const qsizetype stride = m_image.bytesPerLine();
    uchar* base = m_image.bits() + top * stride + left * static_cast<qsizetype>(sizeof(QRgb));
    if (w <= 8) {
        // Narrow runs such as lattice lines: a copy call per row would cost more than the pixels.
        for (int y = top; y < bottom; ++y) {
            auto* row = reinterpret_cast<QRgb*>(base + (y - top) * stride);
            for (int i = 0; i < w; ++i)
                row[i] = px;
        }
        return;
    }
    auto* first = reinterpret_cast<QRgb*>(base);
    std::fill(first, first + w, px);
    const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(QRgb);
    for (int y = top + 1; y < bottom; ++y)
        std::memcpy(base + (y - top) * stride, first, rowBytes);
}

void Surface::frameRect(int left, int top, int right, int bottom, std::int32_t color)
{
    if (right <= left || bottom <= top)
        return;
    fillRect(left, top, right, top + 1, color);
    fillRect(left, bottom - 1, right, bottom, color);
    fillRect(left, top, left + 1, bottom, color);
    fillRect(right - 1, top, right, bottom, color);
}

void Surface::setPen(std::int32_t color, int width)
{
    m_penColor = color;
    m_penWidth = std::max(1, width);
}

void Surface::moveTo(int x, int y)
{
    m_curX = x;
    m_curY = y;
}

void Surface::lineTo(int x, int y)
{
    const int x1 = m_curX;
    const int y1 = m_curY;
    m_curX = x;
    m_curY = y;
    if (x1 == x && y1 == y)
        return;
    // Axis-parallel lines are exact pixel runs; the pen's width is centred on the line.
    const int lo = m_penWidth / 2;
    if (x1 == x) {
        const int a = std::min(y1, y) + (y < y1 ? 1 : 0);
        const int b = std::max(y1, y) + (y < y1 ? 1 : 0);
        fillRect(x - lo, a, x - lo + m_penWidth, b, m_penColor);
        return;
    }
    if (y1 == y) {
        const int a = std::min(x1, x) + (x < x1 ? 1 : 0);
        const int b = std::max(x1, x) + (x < x1 ? 1 : 0);
        fillRect(a, y - lo, b, y - lo + m_penWidth, m_penColor);
        return;
    }
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(m_penColor));
    pen.setWidth(m_penWidth);
    pen.setCapStyle(m_penWidth > 1 ? Qt::RoundCap : Qt::FlatCap);
    p.setPen(pen);
    if (m_penWidth > 1) {
        p.drawLine(QPoint(x1, y1), QPoint(x, y));
    } else {
        // A cosmetic line without its last pixel.
        const int dx = x - x1;
        const int dy = y - y1;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const QRgb px = toQColor(m_penColor).rgb();
        for (int i = 0; i < steps; ++i) {
            const int px_x = x1 + (dx * i + (dx >= 0 ? steps / 2 : -steps / 2)) / steps;
            const int px_y = y1 + (dy * i + (dy >= 0 ? steps / 2 : -steps / 2)) / steps;
            if (m_image.rect().contains(px_x, px_y))
                reinterpret_cast<QRgb*>(m_image.scanLine(px_y))[px_x] = px;
        }
    }
}

void Surface::drawLine(int x1, int y1, int x2, int y2)
{
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Surface::fillCircle(int cx, int cy, int r, std::int32_t fill, std::int32_t outline)
{
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(outline));
    pen.setWidth(m_penWidth);
    p.setPen(pen);
    p.setBrush(toQColor(fill));
    p.drawEllipse(QPoint(cx, cy), r, r);
}

void Surface::drawText(int x, int y, const QString& text, const QFont& font, std::int32_t color)
{
    if (text.isEmpty())
        return;
    QPainter p(&m_image);
    p.setFont(font);
    p.setPen(toQColor(color));
    const QFontMetrics fm(font);
    p.drawText(QPoint(x, y + fm.ascent()), text);
}

int Surface::textWidth(const QString& text, const QFont& font)
{
    if (text.isEmpty())
        return 0;
    return QFontMetrics(font).horizontalAdvance(text);
}

int Surface::textHeight(const QString& text, const QFont& font)
{
    (void)text;
    return QFontMetrics(font).height();
}

void Surface::drawImage(int x, int y, const QImage& picture)
{
    QPainter p(&m_image);
    p.drawImage(x, y, picture);
}

std::int32_t Surface::pixel(int x, int y) const
{
    if (!m_image.rect().contains(x, y))
        return -1;
    return fromRgb(m_image.pixel(x, y));
}

} // namespace tessary
