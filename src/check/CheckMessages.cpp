// SPDX-License-Identifier: MIT
#include "check/CheckMessages.h"

#include "cvd/Distinguishability.h"
#include "platform/AppInfo.h"

#include <QTranslator>

namespace tessary {

namespace {

using Lang = CheckOptions::Lang;
using Kind = InputError::Kind;

// The texts are written in Japanese; the English ones are the program's own catalogue's,
// read from beside the program once.
const QTranslator* englishCatalogue()
{
    static const QTranslator* catalogue = [] {
        auto* t = new QTranslator;
        if (!t->load(QStringLiteral("tessary_en"), AppInfo::programFolder() + QStringLiteral("/translations")))
            qWarning("tessary-check: no English catalogue beside the program; the texts stay Japanese");
        return t;
    }();
    return catalogue;
}

QString pick(Lang lang, const char* source)
{
    if (lang == Lang::En) {
        const QString english = englishCatalogue()->translate("CheckMessages", source);
        if (!english.isEmpty())
            return english;
    }
    return QString::fromUtf8(source);
}

// The help; the threshold is filled in from the computation itself.
constexpr const char* kHelp = QT_TRANSLATE_NOOP("CheckMessages",
    "使い方: tessary-check [オプション] ファイル\n"
    "\n"
    "配色の文字と背景のコントラストを WCAG 2.x の比で判定します。\n"
    "ファイル: tessary.ini、配色の JSON、デザイントークン (DTCG 2025.10)、CSS のカスタムプロパティ。\n"
    "配色ファイルでは文字1〜3と背景1・2の 3 × 2 の組を判定します。トークンと CSS では組を指定します。\n"
    "\n"
    "  --pair 文字=背景          判定する組 (トークンのパスまたはプロパティ名)。繰り返せます。\n"
    "  --pairs ファイル          1 行に 1 組: 文字=背景 [大きさpt] [bold]。# で始まる行は無視します。\n"
    "  --target AA|AAA           目標の達成基準 (既定 AA)\n"
    "  --large-text-rule jis|wcag  大きな文字の基準: jis は 22pt・太字 18pt、wcag は 18pt・太字 14pt (既定 jis)\n"
    "  --size PT                 文字の大きさ (pt、既定 12)\n"
    "  --bold                    太字として判定\n"
    "  --vision p|d|t|pa|da|ta[:割合]  その色覚で見える色で判定 (p・d・t は 2 色覚、pa・da・ta は 3 色覚、既定 50%)\n"
    "  --distinguish             色覚の違いで見分けにくい組を調べる (下記)\n"
    "  --fix                     不合格の組に、コントラスト画面の「提案」と同じ探索で最も近い合格の色を示す\n"
    "  --format text|json|junit  出力の形式 (既定 text)\n"
    "  --lang ja|en              出力の言語 (既定はロケールから)\n"
    "  --help                    この説明\n"
    "\n"
    "見分けにくさ: OKLab の色差 (ΔEOK) を通常の色覚と 1 型・2 型・3 型 2 色覚 (100%) の模擬で求め、\n"
    "%1 未満の組を「見分けにくい」とします。CSS Color 4 が色域マッピングで OKLab の丁度可知差異を\n"
    "0.02 としており、その 5 倍です。これは WCAG の達成基準ではありません。\n"
    "\n"
    "終了状態: 0 すべて合格、1 不合格 (または見分けにくい組) あり、2 使い方や入力の誤り。\n");

const char* textPair(CheckMessages::Text which)
{
    using T = CheckMessages::Text;
    switch (which) {
    case T::Pass: return QT_TRANSLATE_NOOP("CheckMessages", "合格");
    case T::Fail: return QT_TRANSLATE_NOOP("CheckMessages", "不合格");
    case T::HardToTell: return QT_TRANSLATE_NOOP("CheckMessages", "見分けにくい");
    case T::Distinct: return QT_TRANSLATE_NOOP("CheckMessages", "見分けられる");
    case T::MeetsOnly: return QT_TRANSLATE_NOOP("CheckMessages", "%1は満たす");
    case T::Needs: return QT_TRANSLATE_NOOP("CheckMessages", "必要 %1 (%2)");
    case T::Fix: return QT_TRANSLATE_NOOP("CheckMessages", "修正案 %1 (%2)");
    case T::NoFix: return QT_TRANSLATE_NOOP("CheckMessages", "修正案なし");
    case T::Summary: return QT_TRANSLATE_NOOP("CheckMessages", "%2 組中 %1 組が不合格");
    case T::SummaryDistinct: return QT_TRANSLATE_NOOP("CheckMessages", "%2 組中 %1 組が見分けにくい");
    case T::NormalVision: return QT_TRANSLATE_NOOP("CheckMessages", "通常");
    case T::Protan: return QT_TRANSLATE_NOOP("CheckMessages", "1型");
    case T::Deutan: return QT_TRANSLATE_NOOP("CheckMessages", "2型");
    case T::Tritan: return QT_TRANSLATE_NOOP("CheckMessages", "3型");
    case T::LostUnder: return QT_TRANSLATE_NOOP("CheckMessages", "見分けにくい色覚: %1");
    case T::Header: return QT_TRANSLATE_NOOP("CheckMessages", "%1: 目標 %2、大きな文字 %3、色覚 %4");
    case T::NoVision: return QT_TRANSLATE_NOOP("CheckMessages", "通常");
    case T::RuleJapanese: return QT_TRANSLATE_NOOP("CheckMessages", "日本語の基準 (22pt、太字 18pt)");
    case T::RuleWcag: return QT_TRANSLATE_NOOP("CheckMessages", "WCAGの基準 (18pt、太字 14pt)");
    case T::Large: return QT_TRANSLATE_NOOP("CheckMessages", "大きな文字");
    case T::Help: return kHelp;
    }
    return QT_TRANSLATE_NOOP("CheckMessages", "");
}

const char* errorPair(Kind kind)
{
    switch (kind) {
    case Kind::CannotOpen: return QT_TRANSLATE_NOOP("CheckMessages", "開けません (%1)");
    case Kind::TooLarge: return QT_TRANSLATE_NOOP("CheckMessages", "ファイルが大きすぎます (上限 %1 バイト)");
    case Kind::NotUtf8: return QT_TRANSLATE_NOOP("CheckMessages", "UTF-8 の文字列ではありません");
    case Kind::JsonSyntax: return QT_TRANSLATE_NOOP("CheckMessages", "JSON として読めません (%1)");
    case Kind::TooDeep: return QT_TRANSLATE_NOOP("CheckMessages", "入れ子や参照が深すぎます (上限 %1)");
    case Kind::TooMany: return QT_TRANSLATE_NOOP("CheckMessages", "項目が多すぎます (上限 %1)");
    case Kind::NotAColor: return QT_TRANSLATE_NOOP("CheckMessages", "色ではありません: %1");
    case Kind::Translucent: return QT_TRANSLATE_NOOP("CheckMessages", "半透明の色は判定できません: %1");
    case Kind::ColorSpace: return QT_TRANSLATE_NOOP("CheckMessages", "色空間 %1 は hex がないと読めません");
    case Kind::AliasCycle: return QT_TRANSLATE_NOOP("CheckMessages", "参照が循環しています: %1");
    case Kind::AliasMissing: return QT_TRANSLATE_NOOP("CheckMessages", "参照先がありません: %1");
    case Kind::UnknownName: return QT_TRANSLATE_NOOP("CheckMessages", "そのような名前はありません: %1");
    case Kind::UnclosedComment: return QT_TRANSLATE_NOOP("CheckMessages", "コメントが閉じていません");
    case Kind::BadPairLine: return QT_TRANSLATE_NOOP("CheckMessages", "組として読めません: %1");
    case Kind::NotAScheme: return QT_TRANSLATE_NOOP("CheckMessages", "配色が保存されていません");
    case Kind::NoPairs: return QT_TRANSLATE_NOOP("CheckMessages", "判定する組がありません (--pair か --pairs で指定してください)");
    case Kind::UnknownOption: return QT_TRANSLATE_NOOP("CheckMessages", "知らないオプションです: %1");
    case Kind::MissingValue: return QT_TRANSLATE_NOOP("CheckMessages", "%1 には値が必要です");
    case Kind::BadValue: return QT_TRANSLATE_NOOP("CheckMessages", "使えない値です: %1");
    case Kind::NoInput: return QT_TRANSLATE_NOOP("CheckMessages", "判定するファイルを指定してください (--help で使い方)");
    case Kind::TooManyInputs: return QT_TRANSLATE_NOOP("CheckMessages", "ファイルは 1 つだけ指定できます: %1");
    }
    return QT_TRANSLATE_NOOP("CheckMessages", "");
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
