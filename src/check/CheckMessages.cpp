// SPDX-License-Identifier: MIT
#include "check/CheckMessages.h"

#include "cvd/Distinguishability.h"

namespace tessary {

namespace {

using Lang = CheckOptions::Lang;
using Kind = InputError::Kind;

struct Pair {
    const char16_t* ja;
    const char16_t* en;
};

QString pick(Lang lang, const Pair& p) { return QString::fromUtf16(lang == Lang::Ja ? p.ja : p.en); }

// The help; the threshold is filled in from the computation itself.
constexpr Pair kHelp = {
    u"使い方: tessary-check [オプション] ファイル\n"
    u"\n"
    u"配色の文字と背景のコントラストを WCAG 2.x の比で判定します。\n"
    u"ファイル: tessary.ini、配色の JSON、デザイントークン (DTCG 2025.10)、CSS のカスタムプロパティ。\n"
    u"配色ファイルでは文字1〜3と背景1・2の 3 × 2 の組を判定します。トークンと CSS では組を指定します。\n"
    u"\n"
    u"  --pair 文字=背景          判定する組 (トークンのパスまたはプロパティ名)。繰り返せます。\n"
    u"  --pairs ファイル          1 行に 1 組: 文字=背景 [大きさpt] [bold]。# で始まる行は無視します。\n"
    u"  --target AA|AAA           目標の達成基準 (既定 AA)\n"
    u"  --large-text-rule jis|wcag  大きな文字の基準: jis は 22pt・太字 18pt、wcag は 18pt・太字 14pt (既定 jis)\n"
    u"  --size PT                 文字の大きさ (pt、既定 12)\n"
    u"  --bold                    太字として判定\n"
    u"  --vision p|d|t|pa|da|ta[:割合]  その色覚で見える色で判定 (p・d・t は 2 色覚、pa・da・ta は 3 色覚、既定 50%)\n"
    u"  --distinguish             色覚の違いで見分けにくい組を調べる (下記)\n"
    u"  --fix                     不合格の組に、コントラスト画面の「提案」と同じ探索で最も近い合格の色を示す\n"
    u"  --format text|json|junit  出力の形式 (既定 text)\n"
    u"  --lang ja|en              出力の言語 (既定はロケールから)\n"
    u"  --help                    この説明\n"
    u"\n"
    u"見分けにくさ: OKLab の色差 (ΔEOK) を通常の色覚と 1 型・2 型・3 型 2 色覚 (100%) の模擬で求め、\n"
    u"%1 未満の組を「見分けにくい」とします。CSS Color 4 が色域マッピングで OKLab の丁度可知差異を\n"
    u"0.02 としており、その 5 倍です。これは WCAG の達成基準ではありません。\n"
    u"\n"
    u"終了状態: 0 すべて合格、1 不合格 (または見分けにくい組) あり、2 使い方や入力の誤り。\n",
    u"Usage: tessary-check [OPTIONS] FILE\n"
    u"\n"
    u"Judges the contrast of text and background colours as WCAG 2.x ratios.\n"
    u"FILE: a tessary.ini, our scheme JSON, design tokens (DTCG 2025.10) or CSS custom properties.\n"
    u"For a scheme file the pairs are its 3 x 2 table (text 1-3 on background 1-2); for tokens and CSS, name them.\n"
    u"\n"
    u"  --pair TEXT=BACKGROUND    a pair to judge (token path or property name); repeatable\n"
    u"  --pairs FILE              one pair a line: TEXT=BACKGROUND [SIZEpt] [bold]; lines starting with # are skipped\n"
    u"  --target AA|AAA           the level to reach (default AA)\n"
    u"  --large-text-rule jis|wcag  large text: jis 22 pt or 18 pt bold, wcag 18 pt or 14 pt bold (default jis)\n"
    u"  --size PT                 text size in points (default 12)\n"
    u"  --bold                    judge as bold text\n"
    u"  --vision p|d|t|pa|da|ta[:PERCENT]  judge the colours as that colour vision sees them\n"
    u"                            (p, d, t dichromacy; pa, da, ta anomalous trichromacy, default 50 %)\n"
    u"  --distinguish             find pairs that colour-vision deficiencies make hard to tell apart (below)\n"
    u"  --fix                     for each failing pair, the nearest passing colour by the contrast window's search\n"
    u"  --format text|json|junit  output format (default text)\n"
    u"  --lang ja|en              output language (default from the locale)\n"
    u"  --help                    this help\n"
    u"\n"
    u"Distinguishability: the OKLab difference (deltaE OK) under normal vision and under simulated\n"
    u"protanopia, deuteranopia and tritanopia (100 %); a pair below %1 is hard to tell apart. CSS Color 4\n"
    u"takes 0.02 as one just-noticeable difference in OKLab (gamut mapping); the threshold is five of them.\n"
    u"This is not a WCAG criterion.\n"
    u"\n"
    u"Exit status: 0 all pass, 1 a pair fails (or is hard to tell apart), 2 usage or input error.\n",
};

Pair textPair(CheckMessages::Text which)
{
    using T = CheckMessages::Text;
    switch (which) {
    case T::Pass: return {u"合格", u"PASS"};
    case T::Fail: return {u"不合格", u"FAIL"};
    case T::HardToTell: return {u"見分けにくい", u"HARD TO TELL APART"};
    case T::Distinct: return {u"見分けられる", u"DISTINCT"};
    case T::MeetsOnly: return {u"%1は満たす", u"meets %1"};
    case T::Needs: return {u"必要 %1 (%2)", u"needs %1 (%2)"};
    case T::Fix: return {u"修正案 %1 (%2)", u"fix %1 (%2)"};
    case T::NoFix: return {u"修正案なし", u"no fix found"};
    case T::Summary: return {u"%2 組中 %1 組が不合格", u"%1 of %2 pairs fail"};
    case T::SummaryDistinct: return {u"%2 組中 %1 組が見分けにくい", u"%1 of %2 pairs hard to tell apart"};
    case T::NormalVision: return {u"通常", u"normal"};
    case T::Protan: return {u"1型", u"P"};
    case T::Deutan: return {u"2型", u"D"};
    case T::Tritan: return {u"3型", u"T"};
    case T::LostUnder: return {u"見分けにくい色覚: %1", u"lost under: %1"};
    case T::Header: return {u"%1: 目標 %2、大きな文字 %3、色覚 %4", u"%1: target %2, large text %3, vision %4"};
    case T::NoVision: return {u"通常", u"normal"};
    case T::RuleJapanese: return {u"日本語の基準 (22pt、太字 18pt)", u"Japanese rule (22 pt, 18 pt bold)"};
    case T::RuleWcag: return {u"WCAGの基準 (18pt、太字 14pt)", u"WCAG rule (18 pt, 14 pt bold)"};
    case T::Large: return {u"大きな文字", u"large text"};
    case T::Help: return kHelp;
    }
    return {u"", u""};
}

Pair errorPair(Kind kind)
{
    switch (kind) {
    case Kind::CannotOpen: return {u"開けません (%1)", u"cannot open (%1)"};
    case Kind::TooLarge: return {u"ファイルが大きすぎます (上限 %1 バイト)", u"file too large (limit %1 bytes)"};
    case Kind::NotUtf8: return {u"UTF-8 の文字列ではありません", u"not UTF-8 text"};
    case Kind::JsonSyntax: return {u"JSON として読めません (%1)", u"not valid JSON (%1)"};
    case Kind::TooDeep: return {u"入れ子や参照が深すぎます (上限 %1)", u"nesting or references too deep (limit %1)"};
    case Kind::TooMany: return {u"項目が多すぎます (上限 %1)", u"too many entries (limit %1)"};
    case Kind::NotAColor: return {u"色ではありません: %1", u"not a colour: %1"};
    case Kind::Translucent: return {u"半透明の色は判定できません: %1", u"translucent colours cannot be judged: %1"};
    case Kind::ColorSpace: return {u"色空間 %1 は hex がないと読めません", u"colour space %1 needs a hex value"};
    case Kind::AliasCycle: return {u"参照が循環しています: %1", u"references form a cycle: %1"};
    case Kind::AliasMissing: return {u"参照先がありません: %1", u"reference to a missing name: %1"};
    case Kind::UnknownName: return {u"そのような名前はありません: %1", u"no such name: %1"};
    case Kind::UnclosedComment: return {u"コメントが閉じていません", u"comment not closed"};
    case Kind::BadPairLine: return {u"組として読めません: %1", u"not a pair: %1"};
    case Kind::NotAScheme: return {u"配色が保存されていません", u"holds no colour scheme"};
    case Kind::NoPairs: return {u"判定する組がありません (--pair か --pairs で指定してください)",
                                u"no pairs to judge (name them with --pair or --pairs)"};
    case Kind::UnknownOption: return {u"知らないオプションです: %1", u"unknown option: %1"};
    case Kind::MissingValue: return {u"%1 には値が必要です", u"%1 needs a value"};
    case Kind::BadValue: return {u"使えない値です: %1", u"invalid value: %1"};
    case Kind::NoInput: return {u"判定するファイルを指定してください (--help で使い方)", u"name a file to check (see --help)"};
    case Kind::TooManyInputs: return {u"ファイルは 1 つだけ指定できます: %1", u"only one file can be checked: %1"};
    }
    return {u"", u""};
}

} // namespace

QString CheckMessages::text(Lang lang, Text which)
{
    QString s = pick(lang, textPair(which));
    if (which == Text::Help)
        s = s.arg(QString::number(Distinguishability::kThreshold));
    return s;
}

QString CheckMessages::error(Lang lang, const InputError& e)
{
    QString message = pick(lang, errorPair(e.kind));
    if (message.contains(QLatin1String("%1")))
        message = message.arg(e.detail);
    if (e.file.isEmpty())
        return message;
    if (e.line > 0)
        return e.file + u':' + QString::number(e.line) + QStringLiteral(": ") + message;
    if (!e.jsonPath.isEmpty())
        return e.file + QStringLiteral(": ") + e.jsonPath + QStringLiteral(": ") + message;
    return e.file + QStringLiteral(": ") + message;
}

QString CheckMessages::level(Lang lang, Wcag::Level level, bool large)
{
    const QString name = level == Wcag::Level::AAA ? QStringLiteral("AAA") : QStringLiteral("AA");
    if (!large)
        return name;
    return lang == Lang::Ja ? name + u'大' : name + QStringLiteral(" large");
}

} // namespace tessary
