// SPDX-License-Identifier: MIT
#include "color/colorCode.h"

#include "platform/Numeric.h"

namespace tessary {

namespace {

// Upper-case hexadecimal without leading zeros, padded to two digits. A negative value
// is written as its 32-bit pattern, never with a minus sign.
void appendHexPair(QChar*& out, std::int32_t value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    auto v = static_cast<std::uint32_t>(value);
    char buf[8];
    int n = 0;
    do {
        buf[n++] = digits[v & 0xF];
        v >>= 4;
    } while (v != 0);
    if (n < 2)
        *out++ = QLatin1Char('0');
    while (n > 0)
        *out++ = QLatin1Char(buf[--n]);
}

// The value of a hexadecimal pair; a character that is not a hex digit ends the number.
int hexPair(QChar a, QChar b)
{
    auto digit = [](QChar c) -> int {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'A' && u <= u'F')
            return u - u'A' + 10;
        if (u >= u'a' && u <= u'f')
            return u - u'a' + 10;
        return -1;
    };
    const int hi = digit(a);
    if (hi < 0)
        return 0;
    const int lo = digit(b);
    if (lo < 0)
        return hi;
    return hi * 16 + lo;
}

std::int32_t splitAndPack(std::int32_t c)
{
    const std::int32_t r = c % 256;
    const std::int32_t g = (c % 65536) / 256;
    const std::int32_t b = c / 65536;
    return r + 256 * g + 65536 * b;
}

} // namespace

QString colorCode::getHexRGB(std::int32_t vRed, std::int32_t vBlue, std::int32_t vGreen) const
{
    QString s(24, Qt::Uninitialized);
    QChar* out = s.data();
    appendHexPair(out, vRed);
    appendHexPair(out, vGreen);
    appendHexPair(out, vBlue);
    s.truncate(static_cast<qsizetype>(out - s.constData()));
    return s;
}

QString colorCode::HSL2Munsell(double hue, double saturation, double lightness) const
{
    (void)saturation;
    (void)lightness;
    static const char* const families[] = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};
    const std::int32_t n = roundHalfEven(hue / 360.0 * 100.0);
    int k = n / 10;
    if (k == 10)
        k = 0;
    // Hues outside -1..360 never come from the model; wrap them onto the circle.
    k = ((k % 10) + 10) % 10;
    std::int64_t m = n;
    if (m < 0)
        m = 100 - (-m);
    const int step = static_cast<int>(((m % 10) + 10) % 10) + 1;
    return QLatin1String(families[k]) + QString::number(step);
}

std::int32_t colorCode::HTML_RGB2VB_RGB(const QString& code) const
{
    if (code.size() != 6)
        return 0;
    const int r = hexPair(code[0], code[1]);
    const int g = hexPair(code[2], code[3]);
    const int b = hexPair(code[4], code[5]);
    return r + 256 * g + 65536 * b;
}

std::int32_t colorCode::VB_RGB2API_RGB(std::int32_t c) const
{
    // Both sides use the same byte order (red in the low byte).
    return splitAndPack(c);
}

std::int32_t colorCode::API_RGB2VB_RGB(std::int32_t c) const
{
    return splitAndPack(c);
}

QString colorCode::to2Digit(const QString& s) const
{
    if (s.size() < 2)
        return QLatin1Char('0') + s;
    return s;
}

} // namespace tessary
