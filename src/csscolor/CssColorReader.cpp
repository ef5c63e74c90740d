// SPDX-License-Identifier: MIT
#include "csscolor/CssColorReader.h"

#include "contrast/GamutMap.h"
#include "csscolor/CssColorArguments.h"
#include "csscolor/CssColorNames.h"
#include "csscolor/CssColorSpaces.h"
#include "csscolor/CssColorWriter.h"
#include "cvd/SrgbTransfer.h"
#include "platform/ColorValue.h"

#include <algorithm>
#include <array>
#include <QStringList>
#include <cmath>
#include <numbers>
#include <QCoreApplication>

namespace tessary {

namespace {

using ArgKind = CssArgument::Kind;

// A colour on its way to 8 bits, in the space its function computes.
struct Colour {
    enum class Space { Srgb, Linear, Oklch } space = Space::Srgb;
    std::array<double, 3> v{};
};

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool allHex(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return hexDigit(c.unicode()) >= 0; });
}

CssColorReading failed(const QString& message)
{
    CssColorReading r;
    r.error = message;
    return r;
}

QString quoted(QStringView s) { return QCoreApplication::translate("CssColorReader", "「%1」").arg(s); }

// 3, 4, 6 or 8 hexadecimal digits, without the "#".
CssColorReading readHex(QStringView digits)
{
    for (QChar c : digits) {
        if (hexDigit(c.unicode()) < 0)
            return failed(QCoreApplication::translate("CssColorReader", "%1 は 16 進数の数字ではありません").arg(quoted(QString(c))));
    }
    const qsizetype n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8)
        return failed(QCoreApplication::translate("CssColorReader", "「#」の後の桁数は 3、4、6、8 のどれかです（%1 桁あります）").arg(n));
    const bool shortForm = n <= 4;
    auto channel = [&](int k) {
        if (shortForm)
            return hexDigit(digits[k].unicode()) * 17;
        return hexDigit(digits[2 * k].unicode()) * 16 + hexDigit(digits[2 * k + 1].unicode());
    };
    CssColorReading r;
    r.color = ColorValue::pack(channel(0), channel(1), channel(2));
    if (n == 4 || n == 8)
        r.alpha = channel(3) / 255.0;
    return r;
}

std::int32_t settle(const Colour& c, bool& outOfGamut)
{
    // A colour that rounds to an 8-bit code without clipping more than rounding would is
    // inside: oklch() text of an sRGB colour often lands a hair outside.
    constexpr double kHalfStep = 0.5 / 255.0;
    if (c.space == Colour::Space::Srgb) {
        if (std::all_of(c.v.begin(), c.v.end(), [](double e) { return e >= -kHalfStep && e <= 1.0 + kHalfStep; })) {
            auto code = [](double e) { return int(std::lround(std::clamp(e, 0.0, 1.0) * 255.0)); };
            return ColorValue::pack(code(c.v[0]), code(c.v[1]), code(c.v[2]));
        }
    }
    const LinearRgb linear = c.space == Colour::Space::Srgb
        ? LinearRgb{CssColorSpaces::srgbToLinear(c.v[0]), CssColorSpaces::srgbToLinear(c.v[1]),
                    CssColorSpaces::srgbToLinear(c.v[2])}
        : c.space == Colour::Space::Linear ? LinearRgb{c.v[0], c.v[1], c.v[2]}
                                           : Oklch{c.v[0], c.v[1], c.v[2]}.toOklab().toLinear();
    if (c.space != Colour::Space::Srgb) {
        static const double low = CssColorSpaces::srgbToLinear(-kHalfStep);
        static const double high = CssColorSpaces::srgbToLinear(1.0 + kHalfStep);
        const auto inside = [](double x) { return x >= low && x <= high; };
        if (inside(linear.r) && inside(linear.g) && inside(linear.b)) {
            const SrgbTransfer::Tables& t = SrgbTransfer::tables();
            return ColorValue::pack(SrgbTransfer::encodeFast(t, linear.r), SrgbTransfer::encodeFast(t, linear.g),
                                    SrgbTransfer::encodeFast(t, linear.b));
        }
    }
    outOfGamut = true;
    const Oklch lch = c.space == Colour::Space::Oklch ? Oklch{c.v[0], c.v[1], c.v[2]}
                                                      : Oklch::fromOklab(Oklab::fromLinear(linear));
    return GamutMap::toColorValue(lch);
}

double hueDegrees(double h)
{
    h = std::fmod(h, 360.0);
    return h < 0.0 ? h + 360.0 : h;
}

Colour oklchColour(double L, double C, double h)
{
    return {Colour::Space::Oklch, {std::clamp(L, 0.0, 1.0), std::max(C, 0.0), hueDegrees(h)}};
}

// A negative saturation is clamped as it is read; other values outside are gamut-mapped.
Colour hslColour(double h, double s, double l)
{
    return {Colour::Space::Srgb, CssColorSpaces::hslToSrgb(hueDegrees(h), std::max(s, 0.0), l)};
}

// What a function accepts in one place, and what 100 % means there.
struct Slot {
    bool number = true;
    bool percentage = true;
    bool angle = false;
    double percentScale = 1.0; // the value of 100 %
    double numberScale = 1.0;  // divides a number
};

constexpr Slot kHue{true, false, true, 1.0, 1.0};

std::optional<double> take(const CssArgument& a, const Slot& slot, QStringView function, QString& error)
{
    switch (a.kind) {
    case ArgKind::None:
        return 0.0;
    case ArgKind::Number:
        if (slot.number)
            return a.value / slot.numberScale;
        break;
    case ArgKind::Percentage:
        if (slot.percentage)
            return a.value / 100.0 * slot.percentScale;
        break;
    case ArgKind::Angle:
        if (slot.angle)
            return a.value;
        break;
    }
    const QString what = a.kind == ArgKind::Angle ? QCoreApplication::translate("CssColorReader", "角度")
        : a.kind == ArgKind::Percentage             ? QCoreApplication::translate("CssColorReader", "百分率")
                                                    : QCoreApplication::translate("CssColorReader", "数");
    error = QCoreApplication::translate("CssColorReader", "%1() の %2 は%3で、ここには書けません").arg(function, quoted(a.text), what);
    return std::nullopt;
}

CssColorReading readFunction(const CssTokenizer& tokens)
{
    const QStringView name = tokens[0].name;
    auto is = [&](const char16_t* n) { return name.compare(QStringView(n), Qt::CaseInsensitive) == 0; };
    const bool isColor = is(u"color");
    const bool rgbLike = is(u"rgb") || is(u"rgba");
    const bool hslLike = is(u"hsl") || is(u"hsla");
    if (!isColor && !rgbLike && !hslLike && !is(u"hwb") && !is(u"lab") && !is(u"lch") && !is(u"oklab")
        && !is(u"oklch"))
        return failed(QCoreApplication::translate("CssColorReader", "%1 という色の関数はありません").arg(quoted(name.toString() + QStringLiteral("()"))));

    CssColorArguments args;
    if (!args.read(tokens, 1, isColor))
        return failed(args.error);
    const QString fn = name.toString().toLower();
    if (args.commas && !rgbLike && !hslLike)
        return failed(QCoreApplication::translate("CssColorReader", "%1() の値はコンマで区切れません").arg(fn));

    std::array<Slot, 3> places{};
    Colour colour;
    std::optional<CssColorSpaces::Predefined> space;
    if (isColor) {
        space = CssColorSpaces::find(args.space);
        if (!space)
            return failed(QCoreApplication::translate("CssColorReader", "%1 という色空間は color() にありません").arg(quoted(args.space)));
    } else if (rgbLike) {
        places.fill(Slot{true, true, false, 1.0, 255.0});
        if (args.commas && args.channels[0].kind != args.channels[1].kind)
            return failed(QCoreApplication::translate("CssColorReader", "コンマで区切る rgb() では、数と百分率を混ぜられません"));
        if (args.commas && args.channels[1].kind != args.channels[2].kind)
            return failed(QCoreApplication::translate("CssColorReader", "コンマで区切る rgb() では、数と百分率を混ぜられません"));
    } else if (hslLike || is(u"hwb")) {
        // A bare number counts as a percentage, as CSS now allows outside the comma form.
        places = {kHue, Slot{!args.commas, true, false, 1.0, 100.0}, Slot{!args.commas, true, false, 1.0, 100.0}};
    } else if (is(u"lab") || is(u"lch")) {
        places[0] = Slot{true, true, false, 100.0, 1.0};
        places[1] = Slot{true, true, false, is(u"lab") ? 125.0 : 150.0, 1.0};
        places[2] = is(u"lab") ? Slot{true, true, false, 125.0, 1.0} : kHue;
    } else {
        places[1] = Slot{true, true, false, 0.4, 1.0};
        places[2] = is(u"oklab") ? Slot{true, true, false, 0.4, 1.0} : kHue;
    }

    std::array<double, 3> v{};
    QString error;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto value = take(args.channels[k], places[k], fn, error);
        if (!value)
            return failed(error);
        v[k] = *value;
    }
    CssColorReading r;
    if (args.alpha) {
        const auto a = take(*args.alpha, Slot{}, fn, error);
        if (!a)
            return failed(error);
        r.alpha = std::clamp(*a, 0.0, 1.0);
    }

    if (space) {
        const LinearRgb lin = CssColorSpaces::fromPredefined(*space, v);
        colour = {Colour::Space::Linear, {lin.r, lin.g, lin.b}};
    } else if (rgbLike) {
        // rgb() clamps to its range as it is read.
        colour.v = {std::clamp(v[0], 0.0, 1.0), std::clamp(v[1], 0.0, 1.0), std::clamp(v[2], 0.0, 1.0)};
    } else if (hslLike) {
        colour = hslColour(v[0], v[1], v[2]);
    } else if (is(u"hwb")) {
        colour.v = CssColorSpaces::hwbToSrgb(hueDegrees(v[0]), v[1], v[2]);
    } else if (is(u"lab") || is(u"lch")) {
        const double L = std::clamp(v[0], 0.0, 100.0);
        double a = v[1];
        double b = v[2];
        if (is(u"lch")) {
            const double c = std::max(v[1], 0.0);
            const double h = hueDegrees(v[2]) * std::numbers::pi / 180.0;
            a = c * std::cos(h);
            b = c * std::sin(h);
        }
        const LinearRgb lin = CssColorSpaces::fromLab(L, a, b);
        colour = {Colour::Space::Linear, {lin.r, lin.g, lin.b}};
    } else {
        const double L = std::clamp(v[0], 0.0, 1.0);
        if (is(u"oklab")) {
            const Oklch lch = Oklch::fromOklab({L, v[1], v[2]});
            colour = {Colour::Space::Oklch, {lch.L, lch.C, lch.h}};
        } else {
            colour = oklchColour(L, v[1], v[2]);
        }
    }
    r.color = settle(colour, r.outOfGamut);
    return r;
}

} // namespace

std::int32_t CssColorReader::fromOklch(double L, double C, double h, bool* outOfGamut)
{
    bool outside = false;
    const std::int32_t color = settle(oklchColour(L, C, h), outside);
    if (outOfGamut)
        *outOfGamut = outside;
    return color;
}

std::int32_t CssColorReader::fromHsl(double h, double s, double l)
{
    bool outside = false;
    return settle(hslColour(h, s, l), outside);
}

QString CssColorReading::note() const
{
    QStringList parts;
    if (color && outOfGamut)
        parts << QCoreApplication::translate("CssColorReader", "色域外 → %1").arg(CssColorWriter::write(*color, CssColorForm::HexUpper));
    if (color && alpha < 1.0) {
        parts << QCoreApplication::translate("CssColorReader", "不透明度 %1% は使いません（配色は不透明です）")
                     .arg(QString::number(std::round(alpha * 1000.0) / 10.0));
    }
    return parts.join(QCoreApplication::translate("CssColorReader", "。"));
}

CssColorReading CssColorReader::read(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return failed(QCoreApplication::translate("CssColorReader", "色が書かれていません"));
    // The colour-code field may show its code without "#".
    if ((trimmed.size() == 3 || trimmed.size() == 4 || trimmed.size() == 6 || trimmed.size() == 8) && allHex(trimmed))
        return readHex(trimmed);

    CssTokenizer tokens;
    if (!tokens.tokenize(text))
        return failed(tokens.error());
    if (tokens.size() == 0)
        return failed(QCoreApplication::translate("CssColorReader", "色が書かれていません（注釈だけです）"));
    const CssToken& first = tokens[0];
    if (first.kind == CssToken::Kind::Function)
        return readFunction(tokens);
    if (tokens.size() > 1)
        return failed(QCoreApplication::translate("CssColorReader", "%1 の後に余分な %2 があります").arg(quoted(first.text), quoted(tokens[1].text)));
    if (first.kind == CssToken::Kind::Hash)
        return readHex(first.name);
    if (first.kind != CssToken::Kind::Ident)
        return failed(QCoreApplication::translate("CssColorReader", "%1 は色として読めません").arg(quoted(first.text)));
    if (const auto named = CssColorNames::find(first.name)) {
        CssColorReading r;
        r.color = *named;
        return r;
    }
    if (first.name.compare(u"transparent", Qt::CaseInsensitive) == 0) {
        CssColorReading r;
        r.color = 0;
        r.alpha = 0.0;
        return r;
    }
    if (first.name.compare(u"currentcolor", Qt::CaseInsensitive) == 0)
        return failed(QCoreApplication::translate("CssColorReader", "currentcolor は書かれた場所で決まる色なので、ここでは読めません"));
    return failed(QCoreApplication::translate("CssColorReader", "%1 という色の名前はありません").arg(quoted(first.text)));
}

} // namespace tessary
