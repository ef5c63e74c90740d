// SPDX-License-Identifier: MIT
#include "settings/ConfigConversions.h"

#include "platform/Numeric.h"

#include <cmath>
#include <limits>

namespace tessary {

namespace {

std::optional<std::int32_t> inRange(std::int32_t v, std::int32_t low, std::int32_t high)
{
    if (v < low || v > high)
        return std::nullopt;
    return v;
}

bool isValueBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

} // namespace

std::optional<bool> ConfigConversions::flagFromNumber(std::int32_t n)
{
    if (n == 0)
        return false;
    if (n == 1)
        return true;
    return std::nullopt;
}

std::int32_t ConfigConversions::wholeNumber(QStringView text)
{
    return wholeNumberFromText(text);
}

std::optional<std::int32_t> ConfigConversions::styleParameter(QStringView text)
{
    bool ok = false;
    const double v = strictNumber(text, &ok);
    if (!ok)
        return std::nullopt;
    const double r = roundHalfEvenReal(v);
    if (r < double(std::numeric_limits<std::int32_t>::min()) || r > double(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return std::int32_t(r);
}

std::optional<double> ConfigConversions::fontSize(QStringView text)
{
    bool ok = false;
    const double v = strictNumber(text, &ok);
    if (!ok || !(v > 0.0) || v > 2160.0)
        return std::nullopt;
    return v;
}

std::optional<std::int32_t> ConfigConversions::windowState(QStringView text)
{
    return inRange(wholeNumber(text), 0, 2);
}

std::optional<std::int32_t> ConfigConversions::styleIndex(QStringView text)
{
    return inRange(wholeNumber(text), 0, 4);
}

std::optional<std::int32_t> ConfigConversions::colorValue(QStringView text)
{
    return inRange(wholeNumber(text), 0, 0xFFFFFF);
}

QString ConfigConversions::formatReal(double v)
{
    const float f = float(v);
    if (f == 0.0f || !std::isfinite(f))
        return QStringLiteral("0");
    if (std::fabs(f) < 1e7f && f == std::trunc(f))
        return QString::number(qint64(f));
    return QString::number(double(f), 'g', 7).toUpper();
}

QString ConfigConversions::formatFontSize(double points)
{
    QString s = QString::number(points, 'f', 4);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
}

QString ConfigConversions::protectText(const QString& text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.front();
    const QChar last = text.back();
    const bool blankAtEnd = isValueBlank(first) || isValueBlank(last);
    const bool quoted = text.size() >= 2 && (first == u'"' || first == u'\'') && last == first;
    if (!blankAtEnd && !quoted)
        return text;
    return u'"' + text + u'"';
}

} // namespace tessary
