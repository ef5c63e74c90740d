// SPDX-License-Identifier: MIT
#include "check/CheckInput.h"
#include "platform/AppInfo.h"
#include "check/CheckOptions.h"
#include "check/CheckRun.h"
#include "check/CssPropertyReader.h"
#include "check/InputText.h"
#include "check/DesignTokenReader.h"
#include "contrast/ContrastProposal.h"
#include "contrast/ContrastTable.h"
#include "contrast/ContrastWording.h"
#include "cvd/Distinguishability.h"

#include <gtest/gtest.h>

#include <random>

namespace tessary {
namespace {

// The checker's English is its catalogue's, read from beside the program.
class ProgramFolder : public ::testing::Environment {
public:
    void SetUp() override { tessary::AppInfo::setProgramFolderOverride(QStringLiteral(TESSARY_TEST_PROGRAM_DIR)); }
};
[[maybe_unused]] const auto* const kProgramFolder = ::testing::AddGlobalTestEnvironment(new ProgramFolder);

} // namespace

namespace {

using Kind = InputError::Kind;

// Either the colour a name gives or how the reader refuses, with the place it names.
struct ReaderCase {
    bool css;
    const char* text;
    const char* name;
    std::int32_t color;         // when kind is absent
    std::optional<Kind> kind = {};
    int line = 0;
    const char* jsonPath = "";
};

ColorSource::Lookup lookUp(const ReaderCase& c)
{
    const QByteArray bytes(c.text);
    const QString file = QStringLiteral("in");
    if (c.css) {
        auto r = CssPropertyReader::read(bytes, file);
        if (auto* e = std::get_if<InputError>(&r))
            return *e;
        return std::get<0>(r)->color(QString::fromUtf8(c.name));
    }
    auto r = DesignTokenReader::read(bytes, file);
    if (auto* e = std::get_if<InputError>(&r))
        return *e;
    return std::get<0>(r)->color(QString::fromUtf8(c.name));
}

TEST(ColorSources, ReadOrRefuseWithThePlace)
{
    const ReaderCase cases[] = {
        // Design tokens: the current colour form, hex fallback of another space, older strings.
        {false, R"({"c":{"t":{"$type":"color","$value":{"colorSpace":"srgb","components":[1,0.5,0],"alpha":1}}}})", "c.t", 0x0080FF},
        {false, R"({"c":{"$type":"color","t":{"$value":{"colorSpace":"oklch","components":[0.5,0.1,30],"hex":"#102030"}}}})", "c.t", 0x302010},
        {false, R"({"c":{"$type":"color","t":{"$value":"#abc"}}})", "{c.t}", 0xCCBBAA},
        {false, R"({"c":{"$type":"color","t":{"$value":"{c.u}"},"u":{"$value":"{c.v}"},"v":{"$value":"#010203"}}})", "c.t", 0x030201},
        {false, R"({"c":{"$type":"color","t":{"$value":"{c.u}"},"u":{"$value":"{c.t}"}}})", "c.t", 0, Kind::AliasCycle, 0, "$.c.t.$value"},
        {false, R"({"c":{"$type":"color","t":{"$value":"{c.x}"}}})", "c.t", 0, Kind::AliasMissing, 0, "$.c.t.$value"},
        {false, R"({"c":{"$type":"color","t":{"$value":"#80ff0080"}}})", "c.t", 0, Kind::Translucent, 0, "$.c.t.$value"},
        {false, R"({"c":{"$type":"color","t":{"$value":{"colorSpace":"srgb","components":[2,0,0]}}}})", "c.t", 0, Kind::NotAColor, 0, "$.c.t.$value"},
        {false, R"({"c":{"$type":"color","t":{"$value":{"colorSpace":"lab","components":[50,0,0]}}}})", "c.t", 0, Kind::ColorSpace, 0, "$.c.t.$value"},
        {false, R"({"c":{"$type":"dimension","t":{"$value":"4px"}}})", "c.t", 0, Kind::NotAColor, 0, "$.c.t.$value"},
        {false, R"({"c":{"$type":"color","t":{"$value":"#fff"}}})", "c.x", 0, Kind::UnknownName},
        {false, "{\n\"c\": {\n\"t\": 1,,\n}}", "c.t", 0, Kind::JsonSyntax, 3},
        {false, "{\"c\":{\"$type\":\"color\",\"t\":{\"$value\":\"#f\xff\"}}}", "c.t", 0, Kind::NotUtf8, 1},
        // CSS: hex, var() with and without a fallback, the last declaration, comments.
        {true, ":root { --a: #123; }", "--a", 0x332211},
        {true, ":root { --a: #111111; --b: var(--a); }\n.x { --a: #222222 !important }", "b", 0x222222},
        {true, ":root { --b: var(--nowhere, #0000ff); }", "--b", 0xFF0000},
        {true, ":root {\n --a: /* note; } */ #010203;\n}", "--a", 0x030201},
        {true, ":root {\n --a: var(--b);\n --b: var(--a); }", "--a", 0, Kind::AliasCycle, 2},
        {true, ":root {\n --a: var(--b); }", "--a", 0, Kind::AliasMissing, 2},
        {true, ":root {\n\n --a: 4px; }", "--a", 0, Kind::NotAColor, 3},
        {true, ":root { --a: #fff; }\n/* never closed", "--a", 0, Kind::UnclosedComment, 2},
        {true, "a:hover { color: red }", "hover", 0, Kind::UnknownName},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(QByteArray(c.text).toPercentEncoding().toStdString());
        const auto got = lookUp(c);
        if (!c.kind) {
            ASSERT_TRUE(std::holds_alternative<std::int32_t>(got)) << int(std::get<InputError>(got).kind);
            EXPECT_EQ(std::get<std::int32_t>(got), c.color);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<InputError>(got));
        const InputError& e = std::get<InputError>(got);
        EXPECT_EQ(e.kind, *c.kind);
        EXPECT_EQ(e.file, QStringLiteral("in"));
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.jsonPath, QString::fromUtf8(c.jsonPath));
    }
}

TEST(ColorSources, HostileSizesAreRefused)
{
    QByteArray deep;
    for (int i = 0; i < DesignTokenReader::kMaxDepth + 2; ++i)
        deep += "{\"g\":";
    deep += "1" + QByteArray(DesignTokenReader::kMaxDepth + 2, '}');
    // t0 -> t1 -> ... -> the colour, resolved from t0 on.
    QByteArray chain = "{\"c\":{\"$type\":\"color\",\"end\":{\"$value\":\"#fff\"}";
    const int links = DesignTokenReader::kMaxDepth + 5;
    for (int i = 0; i < links; ++i)
        chain += ",\"t" + QByteArray::number(i) + "\":{\"$value\":\"{c."
            + (i + 1 < links ? "t" + QByteArray::number(i + 1) : QByteArray("end")) + "}\"}";
    chain += "}}";
    const QByteArray big(InputText::kMaxFileBytes + 1, ' ');
    const std::pair<QByteArray, Kind> cases[] = {{deep, Kind::TooDeep}, {chain, Kind::TooDeep}, {big, Kind::TooLarge}};
    for (const auto& [bytes, kind] : cases) {
        SCOPED_TRACE(int(kind));
        const auto r = DesignTokenReader::read(bytes, QStringLiteral("in"));
        ASSERT_TRUE(std::holds_alternative<InputError>(r));
        EXPECT_EQ(std::get<InputError>(r).kind, kind);
    }
    EXPECT_EQ(std::get<InputError>(CssPropertyReader::read(big, QStringLiteral("in"))).kind, Kind::TooLarge);
}

TEST(CheckOptions, ParseOrNameTheOption)
{
    struct Case {
        QStringList args;
        std::optional<Kind> error;
    };
    const Case cases[] = {
        {{"f.json", "--target", "aaa", "--large-text-rule=wcag", "--size", "18", "--bold", "--vision", "da:60",
          "--distinguish", "--fix", "--format", "junit", "--pair", "a.b=c.d", "--pairs", "p.txt"},
         std::nullopt},
        {{"--help"}, std::nullopt},
        {{}, Kind::NoInput},
        {{"a", "b"}, Kind::TooManyInputs},
        {{"a", "-x"}, Kind::UnknownOption},
        {{"a", "--size"}, Kind::MissingValue},
        {{"a", "--size", "0"}, Kind::BadValue},
        {{"a", "--vision", "p:50"}, Kind::BadValue}, // dichromacy has no strength
        {{"a", "--vision", "ta:101"}, Kind::BadValue},
        {{"a", "--pair", "=x"}, Kind::BadValue},
        {{"a", "--fix=1"}, Kind::BadValue},
        {{"a", "--lang", "fr"}, Kind::BadValue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const auto r = CheckOptions::parse(c.args, CheckOptions::Lang::En);
        if (c.error)
            EXPECT_EQ(std::get<InputError>(r).kind, *c.error);
        else
            EXPECT_TRUE(std::holds_alternative<CheckOptions>(r));
    }
    const auto all = std::get<CheckOptions>(CheckOptions::parse(cases[0].args, CheckOptions::Lang::En));
    EXPECT_EQ(all.target, Wcag::Level::AAA);
    EXPECT_EQ(all.rule.kind(), LargeTextRule::Kind::Wcag);
    EXPECT_EQ(*all.vision, VisionMode(VisionKind::Deuteranomaly, 60));
    EXPECT_EQ(all.format, CheckOptions::Format::Junit);
    EXPECT_EQ(all.pairs.size(), 1);
    EXPECT_EQ(CheckOptions::langOf({"--lang=ja", "x"}, CheckOptions::Lang::En), CheckOptions::Lang::Ja);
    EXPECT_EQ(CheckOptions::langOfLocale(QStringLiteral("ja_JP")), CheckOptions::Lang::Ja);
    EXPECT_EQ(CheckOptions::langOfLocale(QStringLiteral("C")), CheckOptions::Lang::En);
}

// The checker and the contrast window's table model agree on every verdict, every ratio as
// printed and every --fix proposal, over random schemes, sizes, targets and rules.
TEST(CheckRun, AgreesWithTheContrastWindowOnRandomSchemes)
{
    std::mt19937 random(26);
    std::uniform_int_distribution<std::int32_t> color(0, 0xFFFFFF);
    std::uniform_int_distribution<int> size(8, 30);
    std::bernoulli_distribution coin;
    int differences = 0;
    for (int n = 0; n < 10000; ++n) {
        ContrastTable::Input in;
        for (auto& c : in.colors)
            c = color(random);
        std::array<double, 3> points{};
        std::array<bool, 3> bold{};
        for (int i = 0; i < 3; ++i) {
            points[size_t(i)] = size(random);
            bold[size_t(i)] = coin(random);
            in.fonts[size_t(i)] = {points[size_t(i)], bold[size_t(i)]};
        }
        in.target = coin(random) ? Wcag::Level::AAA : Wcag::Level::AA;
        in.rule = LargeTextRule(coin(random) ? LargeTextRule::Kind::Wcag : LargeTextRule::Kind::Japanese);
        CheckOptions options;
        options.target = in.target;
        options.rule = in.rule;
        options.fix = true;
        const CheckRun run = CheckRun::run(CheckInput::scheme(CheckInput::Kind::SchemeJson, in.colors, points, bold), options);
        const ContrastTable table = ContrastTable::compute(in);
        for (int i = 0; i < 3; ++i) {
            std::optional<ContrastProposal> proposal;
            for (int j = 0; j < 2; ++j) {
                const auto& r = run.results[size_t(2 * i + j)];
                const auto& cell = table.cell(i, j);
                bool same = r.pass == cell.meetsTarget && ContrastWording::ratio(r.ratio) == cell.ratioText;
                if (!cell.meetsTarget) {
                    if (!proposal)
                        proposal = ContrastProposal::find(in.colors[size_t(i)], in.colors[3], in.colors[4],
                                                          table.row(i).targetRatio);
                    same = same && r.fix == proposal->forBackground(j);
                }
                differences += same ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(Distinguishability, SymmetricAndFlagsWhatASimulationMerges)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> color(0, 0xFFFFFF);
    for (int n = 0; n < 2000; ++n) {
        const std::int32_t a = color(random);
        const std::int32_t b = color(random);
        const auto ab = Distinguishability::of(a, b);
        const auto ba = Distinguishability::of(b, a);
        ASSERT_EQ(ab.distance, ba.distance);
        ASSERT_EQ(ab.lostUnder, ba.lostUnder);
        // The same colour is lost under every vision.
        ASSERT_EQ(Distinguishability::of(a, a).lostUnder.size(), size_t(Distinguishability::VisionCount));
    }
    // Orange #D2691E and olive #808000 stand apart to normal vision and merge for protan and deutan.
    const auto redGreen = Distinguishability::of(0x1E69D2, 0x008080);
    EXPECT_GT(redGreen.distance[Distinguishability::Normal], Distinguishability::kThreshold);
    EXPECT_EQ(redGreen.lostUnder,
              (std::vector{Distinguishability::Protan, Distinguishability::Deutan}));
}

} // namespace
} // namespace tessary
