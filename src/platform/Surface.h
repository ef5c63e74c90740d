// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

namespace tessary {

// A persistent drawing surface: an off-screen image that GDI-like operations paint and
// that a widget shows in its paintEvent. Coordinates are pixels from the top-left corner;
// colours are colour values (red in the low byte). Nothing is antialiased.
class Surface {
public:
    Surface();

    void resize(int width, int height);      // keeps what was drawn where it still fits
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }

    void setBackColor(std::int32_t color) { m_backColor = color; }
    std::int32_t backColor() const { return m_backColor; }
    void clear();                             // fills with the back colour

    // Rectangle (left, top, right, bottom): right and bottom are exclusive.
    void fillRect(int left, int top, int right, int bottom, std::int32_t color);
    // A one-pixel frame just inside the rectangle.
    void frameRect(int left, int top, int right, int bottom, std::int32_t color);

    // Pen for lines; the end point of a line is not drawn.
    void setPen(std::int32_t color, int width);
    int penWidth() const { return m_penWidth; }
    std::int32_t penColor() const { return m_penColor; }
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void drawLine(int x1, int y1, int x2, int y2);

    // A disc of radius r around (cx, cy), filled and outlined with the current pen width.
    void fillCircle(int cx, int cy, int r, std::int32_t fill, std::int32_t outline);

    // Transparent text with its top-left corner at (x, y).
    void drawText(int x, int y, const QString& text, const QFont& font, std::int32_t color);
    static int textWidth(const QString& text, const QFont& font);
    static int textHeight(const QString& text, const QFont& font);

    void drawImage(int x, int y, const QImage& picture);

    // GetPixel: the colour value at (x, y); -1 outside the image.
    std::int32_t pixel(int x, int y) const;

    static QColor toQColor(std::int32_t color);
    static std::int32_t fromRgb(unsigned rgb);

private:
    QImage m_image;
    std::int32_t m_backColor = 0xFFFFFF;
    std::int32_t m_penColor = 0;
    int m_penWidth = 1;
    int m_curX = 0;
    int m_curY = 0;
};

} // namespace tessary
