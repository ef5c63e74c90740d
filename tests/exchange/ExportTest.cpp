// SPDX-License-Identifier: MIT
#include "color/colorCode.h"
#include "exchange/ExchangeFileType.h"
#include "exchange/GplImport.h"
#include "exchange/PaletteExport.h"
#include "exchange/SchemeExport.h"
#include "palette/DefinedColor.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <bit>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace tessary;

namespace {

QByteArray golden(const char* name)
{
    QFile f(QStringLiteral(TESSARY_EXCHANGE_DATA_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// 0x00BBGGRR from the channels.
std::int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

ColorScheme sampleScheme()
{
    ColorScheme s;
    s.colors = {rgb(0x11, 0x22, 0x33), rgb(0x44, 0x55, 0x66), rgb(0x77, 0x88, 0x99), rgb(0xFF, 0xFF, 0xFF),
                rgb(0xEE, 0xEE, 0xEE)};
    s.sampleTexts = {QStringLiteral("見出し"), QStringLiteral("Body \"text\" */ end"), QString()};
    return s;
}

// Names that each format has to quote, escape or rename.
DefinedColor samplePalette()
{
    DefinedColor p;
    p.setPaletteName(QStringLiteral("見本 palette"));
    p.setPaletteComment(QStringLiteral("two\r\nlines"));
    p.addColor(QStringLiteral("FF0000"), QStringLiteral("赤"), QStringLiteral("primary"));
    p.addColor(QStringLiteral("00ff80"), QStringLiteral("a.b"), QString());
    p.addColor(QStringLiteral("000080"), QStringLiteral("a_b"), QStringLiteral("say \"hi\" \\ */"));
    p.addColor(QStringLiteral("123456"), QString(), QStringLiteral("line\nbreak"));
    p.addColor(QStringLiteral("ABCDEF"), QStringLiteral("$ref"), QString());
    return p;
}

struct GoldenCase {
    const char* file;
    std::function<QByteArray()> bytes;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.file; }

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesTheReferenceFileByteForByte)
{
    const QByteArray expected = golden(GetParam().file);
    const QByteArray actual = GetParam().bytes();
    if (actual != expected) {
        // Kept for a look (and, once checked by eye, as the new reference).
        QFile out(QDir::temp().filePath(QStringLiteral("actual-") + QLatin1String(GetParam().file)));
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
        ADD_FAILURE() << "differs from the reference; written to " << out.fileName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exports, Golden,
    ::testing::Values(
        GoldenCase{"scheme.css", [] { return SchemeExport::toBytes(sampleScheme(), ExchangeFormat::Css); }},
        GoldenCase{"scheme.json", [] { return SchemeExport::toBytes(sampleScheme(), ExchangeFormat::Json); }},
        GoldenCase{"scheme.tokens.json",
                   [] { return SchemeExport::toBytes(sampleScheme(), ExchangeFormat::DesignTokens); }},
        GoldenCase{"scheme.gpl", [] { return SchemeExport::toBytes(sampleScheme(), ExchangeFormat::Gpl); }},
        GoldenCase{"palette.css", [] { return PaletteExport::toBytes(samplePalette(), ExchangeFormat::Css); }},
        GoldenCase{"palette.json", [] { return PaletteExport::toBytes(samplePalette(), ExchangeFormat::Json); }},
        GoldenCase{"palette.tokens.json",
                   [] { return PaletteExport::toBytes(samplePalette(), ExchangeFormat::DesignTokens); }},
        GoldenCase{"palette.gpl", [] { return PaletteExport::toBytes(samplePalette(), ExchangeFormat::Gpl); }}));

// The swatch-exchange layout as an independent decoder reads it back.
TEST(AseExport, WritesTheReferenceLayout)
{
    const QByteArray expected = QByteArray::fromHex(
        "41 53 45 46 00 01 00 00 00 00 00 04  c0 01 00 00 00 10 00 07 00 53 00 63 00 68 00 65"
        "00 6d 00 65 00 00  00 01 00 00 00 22 00 07 00 54 00 65 00 78 00 74 00 20 00 31 00 00"
        "52 47 42 20 3d 88 88 89 3e 08 88 89 3e 4c cc cd 00 02  00 01 00 00 00 1a 00 03 80 cc"
        "66 6f 00 00 52 47 42 20 3f 80 00 00 3f 80 00 00 3f 80 00 00 00 02  c0 02 00 00 00 00");
    ASSERT_EQ(expected.size(), 112);
    DefinedColor p;
    p.setPaletteName(QStringLiteral("Scheme"));
    p.addColor(QStringLiteral("112233"), QStringLiteral("Text 1"), QString());
    p.addColor(QStringLiteral("FFFFFF"), QStringLiteral("背景"), QStringLiteral("no room for this"));
    EXPECT_EQ(PaletteExport::toBytes(p, ExchangeFormat::Ase).toHex(), expected.toHex());
}

// ---- independent readers ------------------------------------------------------------

struct Swatch {
    QString name;
    std::int32_t color;
    bool operator==(const Swatch&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Swatch& s)
{
    return os << '(' << s.name.toStdString() << ", " << std::hex << s.color << std::dec << ')';
}

// "#RRGGBB" as a colour value; -1 when it is not one.
std::int32_t parseHex(const QString& hex)
{
    bool ok = false;
    const uint v = hex.mid(1).toUInt(&ok, 16);
    if (hex.size() != 7 || !hex.startsWith(u'#') || !ok)
        return -1;
    return rgb(int(v >> 16), int((v >> 8) & 0xFF), int(v & 0xFF));
}

QList<Swatch> readCss(const QByteArray& bytes)
{
    QList<Swatch> out;
    static const QRegularExpression decl(QStringLiteral(R"re(^  --([^\s:;]+): (#[0-9A-F]{6});(?: /\* (.*) \*/)?$)re"));
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const auto m = decl.match(line);
        if (m.hasMatch())
            out.append({m.captured(1), parseHex(m.captured(2))});
        else if (line.startsWith(QLatin1String("  ")))
            ADD_FAILURE() << "not a declaration: " << line.toStdString();
    }
    return out;
}

QList<Swatch> readJson(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    QList<Swatch> out;
    const QJsonValue colors = root.value(QLatin1String("colors"));
    if (colors.isArray()) {
        for (const QJsonValue v : colors.toArray())
            out.append({v[QLatin1String("name")].toString(), parseHex(v[QLatin1String("hex")].toString())});
    } else {
        const QJsonObject o = colors.toObject();
        for (const char* key : {"text1", "text2", "text3", "background1", "background2"})
            out.append({QLatin1String(key), parseHex(o.value(QLatin1String(key)).toString())});
    }
    return out;
}

// Tokens in file order (QJsonObject sorts its keys); each token's components and hex
// must agree.
QList<Swatch> readTokens(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(root.size(), 1);
    const QJsonObject group = root.begin()->toObject();
    QList<Swatch> out;
    static const QRegularExpression key(QStringLiteral(R"re(^    "([^"]+)": \{$)re"));
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const auto m = key.match(line);
        if (!m.hasMatch())
            continue;
        const QJsonObject token = group.value(m.captured(1)).toObject();
        EXPECT_EQ(token.value(QLatin1String("$type")).toString(), QLatin1String("color"));
        const QJsonObject value = token.value(QLatin1String("$value")).toObject();
        const QJsonArray c = value.value(QLatin1String("components")).toArray();
        const std::int32_t fromComponents = rgb(int(std::lround(c[0].toDouble() * 255)),
                                                int(std::lround(c[1].toDouble() * 255)),
                                                int(std::lround(c[2].toDouble() * 255)));
        const std::int32_t fromHex = parseHex(value.value(QLatin1String("hex")).toString());
        EXPECT_EQ(fromComponents, fromHex) << m.captured(1).toStdString();
        out.append({m.captured(1), fromComponents});
    }
    return out;
}

QList<Swatch> readGpl(const QByteArray& bytes)
{
    const GplImport r = GplImport::read(QByteArrayView(bytes), QStringLiteral("x.gpl"));
    EXPECT_TRUE(r.isOk()) << r.errorMessage().toStdString();
    EXPECT_TRUE(r.refusals().isEmpty());
    QList<Swatch> out;
    if (r.isOk()) {
        for (const auto& m : r.palette()->colorCollection)
            out.append({m->colorName(), parseHex(u'#' + m->colorCode())});
    }
    return out;
}

QList<Swatch> readAse(const QByteArray& bytes)
{
    QList<Swatch> out;
    qsizetype at = 0;
    auto u16 = [&] {
        const auto v = quint16(quint8(bytes.at(at)) << 8 | quint8(bytes.at(at + 1)));
        at += 2;
        return v;
    };
    auto u32 = [&] { return quint32(u16()) << 16 | u16(); };
    auto name = [&] {
        QString s;
        for (quint16 n = u16(); n > 1; --n)
            s += QChar(u16());
        EXPECT_EQ(u16(), 0);
        return s;
    };
    auto channel = [&] { return int(std::lround(std::bit_cast<float>(u32()) * 255)); };
    EXPECT_EQ(bytes.left(8), QByteArray("ASEF\0\1\0\0", 8));
    at = 8;
    const quint32 blocks = u32();
    for (quint32 b = 0; b < blocks; ++b) {
        const quint16 type = u16();
        const quint32 length = u32();
        const qsizetype end = at + qsizetype(length);
        if (type == 0xC001) {
            EXPECT_FALSE(name().isEmpty());
        } else if (type == 0x0001) {
            const QString n = name();
            EXPECT_EQ(bytes.mid(at, 4), QByteArray("RGB "));
            at += 4;
            const int r = channel(), g = channel(), bl = channel();
            EXPECT_EQ(u16(), 2);
            out.append({n, rgb(r, g, bl)});
        }
        EXPECT_EQ(at, end);
        at = end;
    }
    EXPECT_EQ(at, bytes.size());
    return out;
}

using Reader = QList<Swatch> (*)(const QByteArray&);

struct RoundTrip {
    ExchangeFormat format;
    Reader read;
    const char* what;
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.what; }

class ReadBack : public ::testing::TestWithParam<RoundTrip> {};

// Every channel value, so that a rounding or byte-order fault shows.
DefinedColor allChannelValues()
{
    DefinedColor p;
    p.setPaletteName(QStringLiteral("Channels"));
    for (int v = 0; v < 256; ++v) {
        const QString code = QString::asprintf("%02X%02X%02X", v, 255 - v, (v * 7) % 256);
        p.addColor(code, QStringLiteral("色 %1").arg(v), QStringLiteral("#%1").arg(v));
    }
    return p;
}

TEST_P(ReadBack, SchemeColoursComeBackInRoleOrder)
{
    ColorScheme scheme = sampleScheme();
    scheme.colors[4] = rgb(1, 2, 254);
    const QList<Swatch> back = GetParam().read(SchemeExport::toBytes(scheme, GetParam().format));
    ASSERT_EQ(back.size(), ColorScheme::kColorCount);
    for (int i = 0; i < ColorScheme::kColorCount; ++i)
        EXPECT_EQ(back[i].color, scheme.colors[size_t(i)]) << i;
}

TEST_P(ReadBack, PaletteColoursAndNamesComeBack)
{
    const DefinedColor p = allChannelValues();
    const QList<Swatch> back = GetParam().read(PaletteExport::toBytes(p, GetParam().format));
    ASSERT_EQ(back.size(), p.count());
    const colorCode codes;
    const bool keepsNames = GetParam().format != ExchangeFormat::Css;
    for (int i = 1; i <= p.count(); ++i) {
        const auto c = p.colorCollection.item(i);
        EXPECT_EQ(back[i - 1].color, codes.HTML_RGB2VB_RGB(c->colorCode())) << i;
        if (keepsNames) {
            EXPECT_EQ(back[i - 1].name, c->colorName());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ReadBack,
                         ::testing::Values(RoundTrip{ExchangeFormat::Css, readCss, "css"},
                                           RoundTrip{ExchangeFormat::Json, readJson, "json"},
                                           RoundTrip{ExchangeFormat::DesignTokens, readTokens, "tokens"},
                                           RoundTrip{ExchangeFormat::Gpl, readGpl, "gpl"},
                                           RoundTrip{ExchangeFormat::Ase, readAse, "ase"}));

TEST(PaletteExportColours, SystemPaletteTakesTheColoursItIsShownIn)
{
    DefinedColor p;
    p.addColor(QString(), QStringLiteral("Window"), QString());
    const auto shown = [](int position) { return rgb(position, 2, 3); };
    EXPECT_EQ(readGpl(PaletteExport::toBytes(p, ExchangeFormat::Gpl, shown)),
              (QList<Swatch>{{QStringLiteral("Window"), rgb(1, 2, 3)}}));
}

// ---- file types -----------------------------------------------------------------------

struct TargetCase {
    const char* what;
    QString fileName;
    int filterIndex;
    std::optional<ExchangeFormat> format;
    QString savedAs;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.what; }

class SaveTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SaveTarget, FormatAndNameFollowTheChoice)
{
    const TargetCase& c = GetParam();
    const auto t = ExchangeFileType::saveTarget(c.fileName, c.filterIndex);
    ASSERT_EQ(t.has_value(), c.format.has_value());
    if (t) {
        EXPECT_EQ(t->format, *c.format);
        EXPECT_EQ(t->fileName, c.savedAs);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SaveTarget,
    ::testing::Values(TargetCase{"suffix decides without a filter", "a/b.GPL", 0, ExchangeFormat::Gpl, "a/b.GPL"},
                      TargetCase{"tokens suffix before json", "c.tokens.json", 0, ExchangeFormat::DesignTokens,
                                 "c.tokens.json"},
                      TargetCase{"plain json", "c.json", 0, ExchangeFormat::Json, "c.json"},
                      TargetCase{"unknown suffix, no filter", "c.txt", 0, std::nullopt, {}},
                      TargetCase{"bare suffix is no name", ".css", 0, std::nullopt, {}},
                      TargetCase{"empty name", "", 1, std::nullopt, {}},
                      TargetCase{"filter adds its suffix", "c", 5, ExchangeFormat::Ase, "c.ase"},
                      TargetCase{"typed suffix wins over the filter", "c.gpl", 1, ExchangeFormat::Gpl, "c.gpl"},
                      TargetCase{"typed tokens suffix wins", "x.tokens.json", 1, ExchangeFormat::DesignTokens,
                                 "x.tokens.json"},
                      TargetCase{"typed ase under json", "out.ase", 2, ExchangeFormat::Ase, "out.ase"},
                      TargetCase{"typed tokens under json", "x.tokens.json", 2, ExchangeFormat::DesignTokens,
                                 "x.tokens.json"},
                      TargetCase{"unknown suffix takes the filter's", "c.txt", 4, ExchangeFormat::Gpl, "c.txt.gpl"},
                      TargetCase{"tokens filter keeps a plain json name", "c.json", 3, ExchangeFormat::DesignTokens,
                                 "c.json"},
                      TargetCase{"tokens filter names new files", "c", 3, ExchangeFormat::DesignTokens,
                                 "c.tokens.json"},
                      TargetCase{"filter index out of range", "c.css", 6, ExchangeFormat::Css, "c.css"}));

// Properties are named after the colours: one name each, valid as written, the colour's own
// name kept in the comment.
TEST(PaletteCss, PropertiesAreNamedAfterTheColoursOncePerFile)
{
    const QStringList names = {"赤", "a.b", "a b", "A-B", "$ref", "!!!", "空 色", "x\"; color: red", "--", "a_b"};
    DefinedColor p;
    for (qsizetype i = 0; i < names.size(); ++i)
        ASSERT_TRUE(p.addColor(QStringLiteral("1234%1").arg(i, 2, 10, QLatin1Char('0')), names[i], {}).isOk());
    const QString css = QString::fromUtf8(PaletteExport::toBytes(p, ExchangeFormat::Css));
    static const QRegularExpression decl(QStringLiteral(R"re(^  --tessary-([A-Za-z0-9_\x{80}-\x{10FFFF}](?:[A-Za-z0-9_\x{80}-\x{10FFFF}-]*[A-Za-z0-9_\x{80}-\x{10FFFF}])?): #[0-9A-F]{6}; /\* (.*) \*/$)re"));
    QStringList keys;
    QSet<QString> folded;
    for (const QString& line : css.split(u'\n')) {
        if (!line.startsWith(QLatin1String("  ")))
            continue;
        const auto m = decl.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        keys << m.captured(1);
        EXPECT_TRUE(m.captured(2).startsWith(names[keys.size() - 1])) << line.toStdString();
        folded.insert(m.captured(1).toCaseFolded());
    }
    ASSERT_EQ(keys.size(), names.size());
    EXPECT_EQ(folded.size(), names.size()) << "unique within the file";
    EXPECT_EQ(keys[0], "赤");
    EXPECT_EQ(keys[2], "a-b-2");
    EXPECT_EQ(keys[5], "color-6") << "a name of nothing usable takes an ASCII form";
    EXPECT_EQ(keys[6], "空-色");
}

TEST(ExchangeFilter, OffersEveryFormatInOrder)
{
    const QStringList parts = ExchangeFileType::saveFilter().split(u'|');
    ASSERT_EQ(parts.size(), 2 * qsizetype(ExchangeFileType::kFormats.size()));
    for (size_t i = 0; i < ExchangeFileType::kFormats.size(); ++i) {
        const QString pattern = parts[qsizetype(2 * i + 1)].split(u';').first();
        EXPECT_EQ(ExchangeFileType::fromFileName(QStringLiteral("x") + pattern.mid(1)), ExchangeFileType::kFormats[i]);
        EXPECT_EQ(ExchangeFileType::fromFilterIndex(int(i) + 1), ExchangeFileType::kFormats[i]);
    }
    EXPECT_EQ(ExchangeFileType::gplOpenFilter(), parts[6] + u'|' + parts[7]);
}

} // namespace
