// SPDX-License-Identifier: MIT
#include "csscolor/CssColorArguments.h"

#include <numbers>
#include <QCoreApplication>

namespace tessary {

namespace {

using Kind = CssToken::Kind;

std::optional<double> angleInDegrees(const CssToken& t)
{
    if (t.name.compare(u"deg", Qt::CaseInsensitive) == 0)
        return t.value;
    if (t.name.compare(u"grad", Qt::CaseInsensitive) == 0)
        return t.value * 0.9;
    if (t.name.compare(u"rad", Qt::CaseInsensitive) == 0)
        return t.value * 180.0 / std::numbers::pi;
    if (t.name.compare(u"turn", Qt::CaseInsensitive) == 0)
        return t.value * 360.0;
    return std::nullopt;
}

QString quoted(QStringView s) { return QCoreApplication::translate("CssColorArguments", "「%1」").arg(s); }

} // namespace

bool CssColorArguments::fail(const QString& message)
{
    error = message;
    return false;
}

bool CssColorArguments::read(const CssTokenizer& tokens, int first, bool startsWithSpace)
{
    // The values in order, and what stood between them: ' ' (nothing), ',' or '/'.
    std::array<CssArgument, 4> values{};
    std::array<char, 4> before{};
    int count = 0;
    char pending = ' ';
    bool closed = false;
    int i = first;
    if (startsWithSpace) {
        if (i >= tokens.size() || tokens[i].kind != Kind::Ident)
            return fail(QCoreApplication::translate("CssColorArguments", "color() の初めに色空間の名前がありません"));
        space = tokens[i++].name;
    }
    for (; i < tokens.size() && !closed; ++i) {
        const CssToken& t = tokens[i];
        CssArgument a;
        a.text = t.text;
        a.value = t.value;
        switch (t.kind) {
        case Kind::Close:
            closed = true;
            continue;
        case Kind::Comma:
        case Kind::Slash:
            if (count == 0 || pending != ' ')
                return fail(QCoreApplication::translate("CssColorArguments", "%1 の前に値がありません").arg(quoted(t.text)));
            pending = t.kind == Kind::Comma ? ',' : '/';
            continue;
        case Kind::Number:
            a.kind = CssArgument::Kind::Number;
            break;
        case Kind::Percentage:
            a.kind = CssArgument::Kind::Percentage;
            break;
        case Kind::Dimension: {
            const auto degrees = angleInDegrees(t);
            if (!degrees)
                return fail(QCoreApplication::translate("CssColorArguments", "単位 %1 は色の値に使えません").arg(quoted(t.name)));
            a.kind = CssArgument::Kind::Angle;
            a.value = *degrees;
            break;
        }
        case Kind::Ident:
            if (t.name.compare(u"none", Qt::CaseInsensitive) == 0) {
                a.kind = CssArgument::Kind::None;
                break;
            }
            if (count == 0 && t.name.compare(u"from", Qt::CaseInsensitive) == 0)
                return fail(QCoreApplication::translate("CssColorArguments", "ほかの色から作る書き方（from）は読めません"));
            return fail(QCoreApplication::translate("CssColorArguments", "%1 は値として読めません").arg(quoted(t.text)));
        case Kind::Function:
            return fail(QCoreApplication::translate("CssColorArguments", "値の中の %1 は読めません（計算や入れ子の関数は使えません）")
                            .arg(quoted(t.name.toString() + QStringLiteral("()"))));
        default:
            return fail(QCoreApplication::translate("CssColorArguments", "%1 は色の書き方にありません").arg(quoted(t.text)));
        }
        if (count == int(values.size()))
            return fail(QCoreApplication::translate("CssColorArguments", "値が多すぎます（%1 から後）").arg(quoted(t.text)));
        before[std::size_t(count)] = pending;
        values[std::size_t(count++)] = a;
        pending = ' ';
    }
    if (closed && i < tokens.size())
        return fail(QCoreApplication::translate("CssColorArguments", "「)」の後に余分な %1 があります").arg(quoted(tokens[i].text)));
    if (pending != ' ')
        return fail(QCoreApplication::translate("CssColorArguments", "「%1」の後に値がありません").arg(QChar::fromLatin1(pending)));

    commas = count > 1 && before[1] == ',';
    for (int k = 1; k < count; ++k) {
        const char sep = before[std::size_t(k)];
        if (commas && sep != ',')
            return fail(QCoreApplication::translate("CssColorArguments", "コンマで区切るなら、値のすべてをコンマで区切ります"));
        if (!commas && sep == ',')
            return fail(QCoreApplication::translate("CssColorArguments", "空白で区切る値の間にコンマは置けません"));
        if (sep == '/' && k != 3)
            return fail(QCoreApplication::translate("CssColorArguments", "「/」は 3 つの値の後、不透明度の前に置きます"));
    }
    if (count < 3)
        return fail(QCoreApplication::translate("CssColorArguments", "値が 3 つ必要です（%1 つしかありません）").arg(count));
    if (count == 4 && !commas && before[3] != '/')
        return fail(QCoreApplication::translate("CssColorArguments", "4 つ目の値（不透明度）の前には「/」を置きます"));
    for (int k = 0; k < 3; ++k)
        channels[std::size_t(k)] = values[std::size_t(k)];
    if (count == 4)
        alpha = values[3];
    if (commas) {
        for (int k = 0; k < count; ++k) {
            if (values[std::size_t(k)].kind == CssArgument::Kind::None)
                return fail(QCoreApplication::translate("CssColorArguments", "コンマで区切る書き方では none は使えません"));
        }
    }
    return true;
}

} // namespace tessary
