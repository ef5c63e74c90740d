// SPDX-License-Identifier: MIT
#include "csscolor/CssTokenizer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <QCoreApplication>

namespace tessary {

namespace {

// CSS clamps numbers it cannot hold; far below that, every colour is already settled, and
// finite values keep the conversions and the gamut mapping's search finite.
constexpr double kLargest = 1e9;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
bool isNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0x80;
}
bool isNameChar(char16_t c) { return isNameStart(c) || isDigit(c) || c == u'-'; }

char16_t at(QStringView s, qsizetype i) { return i < s.size() ? s[i].unicode() : u'\0'; }

// Whether an identifier starts at i: a name start, or "-" before a name start or another "-".
bool identStarts(QStringView s, qsizetype i)
{
    const char16_t c = at(s, i);
    if (c == u'-')
        return isNameStart(at(s, i + 1)) || at(s, i + 1) == u'-';
    return isNameStart(c);
}

bool numberStarts(QStringView s, qsizetype i)
{
    char16_t c = at(s, i);
    if (c == u'+' || c == u'-')
        c = at(s, ++i);
    return isDigit(c) || (c == u'.' && isDigit(at(s, i + 1)));
}

double powerOfTen(int e)
{
    static constexpr double exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return e <= 22 ? exact[e] : std::pow(10.0, e);
}

// Reads a number at i (numberStarts holds) and moves i past it. Up to 19 significant digits
// are kept; a mantissa and a power of ten up to 22 give the correctly rounded double.
double readNumber(QStringView s, qsizetype& i)
{
    bool negative = false;
    if (at(s, i) == u'+' || at(s, i) == u'-')
        negative = s[i++] == u'-';
    std::uint64_t mantissa = 0;
    int digits = 0;
    long exponent = 0;
    auto digit = [&](char16_t c, bool fraction) {
        if (mantissa == 0 && c == u'0') {
            if (fraction)
                --exponent;
            return;
        }
        if (digits < 19) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - u'0');
            ++digits;
            if (fraction)
                --exponent;
        } else if (!fraction) {
            ++exponent;
        }
    };
    while (isDigit(at(s, i)))
        digit(s[i++].unicode(), false);
    if (at(s, i) == u'.' && isDigit(at(s, i + 1))) {
        ++i;
        while (isDigit(at(s, i)))
            digit(s[i++].unicode(), true);
    }
    const char16_t e = at(s, i);
    if (e == u'e' || e == u'E') {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (at(s, j) == u'+' || at(s, j) == u'-')
            expNegative = s[j++] == u'-';
        if (isDigit(at(s, j))) {
            long written = 0;
            while (isDigit(at(s, j))) {
                written = std::min(written * 10 + (s[j++].unicode() - u'0'), 100000L);
            }
            exponent += expNegative ? -written : written;
            i = j;
        }
    }
    double value = 0.0;
    if (mantissa != 0) {
        const int e10 = static_cast<int>(std::clamp(exponent, -400L, 400L));
        value = static_cast<double>(mantissa);
        if (e10 > 30)
            value = kLargest;
        else
            value = e10 >= 0 ? value * powerOfTen(e10) : value / powerOfTen(-e10);
    }
    value = std::min(value, kLargest);
    return negative ? -value : value;
}

qsizetype nameEnd(QStringView s, qsizetype i)
{
    while (isNameChar(at(s, i)))
        ++i;
    return i;
}

} // namespace

bool CssTokenizer::push(const CssToken& token)
{
    if (m_count == kMaxTokens) {
        m_error = QCoreApplication::translate("CssTokenizer", "色として読むには長すぎます（値が多すぎます）");
        return false;
    }
    m_tokens[static_cast<std::size_t>(m_count++)] = token;
    return true;
}

bool CssTokenizer::tokenize(QStringView s)
{
    m_count = 0;
    m_error.clear();
    qsizetype i = 0;
    while (i < s.size()) {
        const char16_t c = s[i].unicode();
        const qsizetype start = i;
        if (isSpace(c)) {
            ++i;
            continue;
        }
        if (c == u'/' && at(s, i + 1) == u'*') {
            const qsizetype end = s.indexOf(u"*/", i + 2);
            i = end < 0 ? s.size() : end + 2;
            continue;
        }
        CssToken t;
        if (numberStarts(s, i)) {
            t.value = readNumber(s, i);
            t.kind = CssToken::Kind::Number;
            if (at(s, i) == u'%') {
                t.kind = CssToken::Kind::Percentage;
                ++i;
            } else if (identStarts(s, i)) {
                const qsizetype unitStart = i;
                i = nameEnd(s, i);
                t.kind = CssToken::Kind::Dimension;
                t.name = s.sliced(unitStart, i - unitStart);
            }
        } else if (identStarts(s, i)) {
            i = nameEnd(s, i);
            t.name = s.sliced(start, i - start);
            t.kind = CssToken::Kind::Ident;
            if (at(s, i) == u'(') {
                t.kind = CssToken::Kind::Function;
                ++i;
            }
        } else if (c == u'#' && isNameChar(at(s, i + 1))) {
            i = nameEnd(s, i + 1);
            t.kind = CssToken::Kind::Hash;
            t.name = s.sliced(start + 1, i - start - 1);
        } else if (c == u'\\' || c == u'"' || c == u'\'') {
            m_error = QCoreApplication::translate("CssTokenizer", "色の書き方に「%1」は使えません").arg(QChar(c));
            return false;
        } else {
            ++i;
            t.kind = c == u',' ? CssToken::Kind::Comma
                : c == u'/'    ? CssToken::Kind::Slash
                : c == u')'    ? CssToken::Kind::Close
                               : CssToken::Kind::Delim;
            // A character outside the basic plane is one token, not half of one.
            if (QChar::isHighSurrogate(c) && QChar::isLowSurrogate(at(s, i)))
                ++i;
            t.name = s.sliced(start, i - start);
        }
        t.text = s.sliced(start, i - start);
        if (!push(t))
            return false;
    }
    return true;
}

} // namespace tessary
