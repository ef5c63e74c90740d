// SPDX-License-Identifier: MIT
#include "platform/Numeric.h"

#include <QString>
#include <cfenv>
#include <cmath>
#include <limits>

namespace tessary {

double roundHalfEvenReal(double v)
{
    if (std::isnan(v))
        return 0.0;
    // nearbyint rounds with the current mode, which is to-nearest-even unless changed.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    if (saved != FE_TONEAREST)
        std::fesetround(saved);
    return r;
}

std::int32_t roundHalfEven(double v)
{
    const double r = roundHalfEvenReal(v);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x3000);
}

// Length of the longest number at pos (sign, digits, fraction, exponent); 0 if none.
qsizetype scanNumber(QStringView t, qsizetype pos)
{
    qsizetype i = pos;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype frac = 0;
        while (j < t.size() && t[j] >= u'0' && t[j] <= u'9') {
            ++j;
            ++frac;
        }
        if (digits + frac > 0) {
            i = j;
            digits += frac;
        }
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < t.size() && t[j] >= u'0' && t[j] <= u'9') {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i - pos;
}

} // namespace

double numberFromText(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const qsizetype len = scanNumber(text, pos);
    if (len == 0)
        return 0.0;
    bool ok = false;
    const double v = text.mid(pos, len).toString().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0.0;
    return v;
}

std::int32_t wholeNumberFromText(QStringView text)
{
    return roundHalfEven(numberFromText(text));
}

double strictNumber(QStringView text, bool* ok)
{
    const QStringView t = text.trimmed();
    const qsizetype len = scanNumber(t, 0);
    const bool whole = len > 0 && len == t.size();
    double v = 0.0;
    bool converted = false;
    if (whole)
        v = t.toString().toDouble(&converted);
    converted = converted && std::isfinite(v);
    if (ok)
        *ok = converted;
    return converted ? v : 0.0;
}

} // namespace tessary
