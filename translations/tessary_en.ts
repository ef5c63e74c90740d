<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutText</name>
    <message>
        <source>version : %1.%2%3</source>
        <translation>Version %1.%2%3</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>ほかのメニュー</source>
        <translation>More menus</translation>
    </message>
</context>
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>読み取り専用です</source>
        <translation>read-only</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>使い方: tessary-check [オプション] ファイル

配色の文字と背景のコントラストを WCAG 2.x の比で判定します。
ファイル: tessary.ini、配色の JSON、デザイントークン (DTCG 2025.10)、CSS のカスタムプロパティ。
配色ファイルでは文字1〜3と背景1・2の 3 × 2 の組を判定します。トークンと CSS では組を指定します。

  --pair 文字=背景          判定する組 (トークンのパスまたはプロパティ名)。繰り返せます。
  --pairs ファイル          1 行に 1 組: 文字=背景 [大きさpt] [bold]。# で始まる行は無視します。
  --target AA|AAA           目標の達成基準 (既定 AA)
  --large-text-rule jis|wcag  大きな文字の基準: jis は 22pt・太字 18pt、wcag は 18pt・太字 14pt (既定 jis)
  --size PT                 文字の大きさ (pt、既定 12)
  --bold                    太字として判定
  --vision p|d|t|pa|da|ta[:割合]  その色覚で見える色で判定 (p・d・t は 2 色覚、pa・da・ta は 3 色覚、既定 50%)
  --distinguish             色覚の違いで見分けにくい組を調べる (下記)
  --fix                     不合格の組に、コントラスト画面の「提案」と同じ探索で最も近い合格の色を示す
  --format text|json|junit  出力の形式 (既定 text)
  --lang ja|en              出力の言語 (既定はロケールから)
  --help                    この説明

見分けにくさ: OKLab の色差 (ΔEOK) を通常の色覚と 1 型・2 型・3 型 2 色覚 (100%) の模擬で求め、
%1 未満の組を「見分けにくい」とします。CSS Color 4 が色域マッピングで OKLab の丁度可知差異を
0.02 としており、その 5 倍です。これは WCAG の達成基準ではありません。

終了状態: 0 すべて合格、1 不合格 (または見分けにくい組) あり、2 使い方や入力の誤り。
</source>
        <translation>Usage: tessary-check [OPTIONS] FILE

Judges the contrast of text and background colours as WCAG 2.x ratios.
FILE: a tessary.ini, our scheme JSON, design tokens (DTCG 2025.10) or CSS custom properties.
For a scheme file the pairs are its 3 x 2 table (text 1-3 on background 1-2); for tokens and CSS, name them.

  --pair TEXT=BACKGROUND    a pair to judge (token path or property name); repeatable
  --pairs FILE              one pair a line: TEXT=BACKGROUND [SIZEpt] [bold]; lines starting with # are skipped
  --target AA|AAA           the level to reach (default AA)
  --large-text-rule jis|wcag  large text: jis 22 pt or 18 pt bold, wcag 18 pt or 14 pt bold (default jis)
  --size PT                 text size in points (default 12)
  --bold                    judge as bold text
  --vision p|d|t|pa|da|ta[:PERCENT]  judge the colours as that colour vision sees them
                            (p, d, t dichromacy; pa, da, ta anomalous trichromacy, default 50 %)
  --distinguish             find pairs that colour-vision deficiencies make hard to tell apart (below)
  --fix                     for each failing pair, the nearest passing colour by the contrast window&apos;s search
  --format text|json|junit  output format (default text)
  --lang ja|en              output language (default from the locale)
  --help                    this help

Distinguishability: the OKLab difference (deltaE OK) under normal vision and under simulated
protanopia, deuteranopia and tritanopia (100 %); a pair below %1 is hard to tell apart. CSS Color 4
takes 0.02 as one just-noticeable difference in OKLab (gamut mapping); the threshold is five of them.
This is not a WCAG criterion.

Exit status: 0 all pass, 1 a pair fails (or is hard to tell apart), 2 usage or input error.
</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>見分けにくい</source>
        <translation>HARD TO TELL APART</translation>
    </message>
    <message>
        <source>見分けられる</source>
        <translation>DISTINCT</translation>
    </message>
    <message>
        <source>%1は満たす</source>
        <translation>meets %1</translation>
    </message>
    <message>
        <source>必要 %1 (%2)</source>
        <translation>needs %1 (%2)</translation>
    </message>
    <message>
        <source>修正案 %1 (%2)</source>
        <translation>fix %1 (%2)</translation>
    </message>
    <message>
        <source>修正案なし</source>
        <translation>no fix found</translation>
    </message>
    <message>
        <source>%2 組中 %1 組が不合格</source>
        <translation>%1 of %2 pairs fail</translation>
    </message>
    <message>
        <source>%2 組中 %1 組が見分けにくい</source>
        <translation>%1 of %2 pairs hard to tell apart</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>1型</source>
        <translation>P</translation>
    </message>
    <message>
        <source>2型</source>
        <translation>D</translation>
    </message>
    <message>
        <source>3型</source>
        <translation>T</translation>
    </message>
    <message>
        <source>見分けにくい色覚: %1</source>
        <translation>lost under: %1</translation>
    </message>
    <message>
        <source>%1: 目標 %2、大きな文字 %3、色覚 %4</source>
        <translation>%1: target %2, large text %3, vision %4</translation>
    </message>
    <message>
        <source>日本語の基準 (22pt、太字 18pt)</source>
        <translation>Japanese rule (22 pt, 18 pt bold)</translation>
    </message>
    <message>
        <source>WCAGの基準 (18pt、太字 14pt)</source>
        <translation>WCAG rule (18 pt, 14 pt bold)</translation>
    </message>
    <message>
        <source>大きな文字</source>
        <translation>large text</translation>
    </message>
    <message>
        <source>開けません (%1)</source>
        <translation>cannot open (%1)</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます (上限 %1 バイト)</source>
        <translation>file too large (limit %1 bytes)</translation>
    </message>
    <message>
        <source>UTF-8 の文字列ではありません</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>JSON として読めません (%1)</source>
        <translation>not valid JSON (%1)</translation>
    </message>
    <message>
        <source>入れ子や参照が深すぎます (上限 %1)</source>
        <translation>nesting or references too deep (limit %1)</translation>
    </message>
    <message>
        <source>項目が多すぎます (上限 %1)</source>
        <translation>too many entries (limit %1)</translation>
    </message>
    <message>
        <source>色ではありません: %1</source>
        <translation>not a colour: %1</translation>
    </message>
    <message>
        <source>半透明の色は判定できません: %1</source>
        <translation>translucent colours cannot be judged: %1</translation>
    </message>
    <message>
        <source>色空間 %1 は hex がないと読めません</source>
        <translation>colour space %1 needs a hex value</translation>
    </message>
    <message>
        <source>参照が循環しています: %1</source>
        <translation>references form a cycle: %1</translation>
    </message>
    <message>
        <source>参照先がありません: %1</source>
        <translation>reference to a missing name: %1</translation>
    </message>
    <message>
        <source>そのような名前はありません: %1</source>
        <translation>no such name: %1</translation>
    </message>
    <message>
        <source>コメントが閉じていません</source>
        <translation>comment not closed</translation>
    </message>
    <message>
        <source>組として読めません: %1</source>
        <translation>not a pair: %1</translation>
    </message>
    <message>
        <source>配色が保存されていません</source>
        <translation>holds no colour scheme</translation>
    </message>
    <message>
        <source>判定する組がありません (--pair か --pairs で指定してください)</source>
        <translation>no pairs to judge (name them with --pair or --pairs)</translation>
    </message>
    <message>
        <source>知らないオプションです: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>%1 には値が必要です</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>使えない値です: %1</source>
        <translation>invalid value: %1</translation>
    </message>
    <message>
        <source>判定するファイルを指定してください (--help で使い方)</source>
        <translation>name a file to check (see --help)</translation>
    </message>
    <message>
        <source>ファイルは 1 つだけ指定できます: %1</source>
        <translation>only one file can be checked: %1</translation>
    </message>
</context>
<context>
    <name>ColorCodePaste</name>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 を色として読めません: %2</source>
        <translation>Cannot read %1 as a colour: %2</translation>
    </message>
</context>
<context>
    <name>ContrastWording</name>
    <message>
        <source>AA大</source>
        <translation>AA large</translation>
    </message>
    <message>
        <source>AAA大</source>
        <translation>AAA large</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>文字1</source>
        <translation>Text 1</translation>
    </message>
    <message>
        <source>文字2</source>
        <translation>Text 2</translation>
    </message>
    <message>
        <source>文字3</source>
        <translation>Text 3</translation>
    </message>
    <message>
        <source>背景1</source>
        <translation>Background 1</translation>
    </message>
    <message>
        <source>背景2</source>
        <translation>Background 2</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>AAのみ合格</source>
        <translation>AA pass only</translation>
    </message>
    <message>
        <source>AA大のみ合格</source>
        <translation>AA large pass only</translation>
    </message>
    <message>
        <source>AAA合格</source>
        <translation>AAA pass</translation>
    </message>
    <message>
        <source>AAA大合格</source>
        <translation>AAA large pass</translation>
    </message>
    <message>
        <source>合格（AA）</source>
        <translation>Pass (AA)</translation>
    </message>
    <message>
        <source>合格（AA大）</source>
        <translation>Pass (AA large)</translation>
    </message>
    <message>
        <source>合格（AAA）</source>
        <translation>Pass (AAA)</translation>
    </message>
    <message>
        <source>合格（AAA大）</source>
        <translation>Pass (AAA large)</translation>
    </message>
    <message>
        <source>不合格（AAは満たす）</source>
        <translation>Fail (meets AA)</translation>
    </message>
    <message>
        <source>不合格（AA大は満たす）</source>
        <translation>Fail (meets AA large)</translation>
    </message>
    <message>
        <source>不合格, AAは満たす</source>
        <translation>Fail, meets AA</translation>
    </message>
    <message>
        <source>不合格, AA大は満たす</source>
        <translation>Fail, meets AA large</translation>
    </message>
    <message>
        <source>: 最低 </source>
        <translation>: minimum </translation>
    </message>
    <message>
        <source>, 5パーセンタイル </source>
        <translation>, 5th percentile </translation>
    </message>
    <message>
        <source>画像を測定</source>
        <translation>measured on the picture</translation>
    </message>
    <message>
        <source>大きな文字</source>
        <translation>Large text</translation>
    </message>
    <message>
        <source>標準の文字</source>
        <translation>Normal text</translation>
    </message>
    <message>
        <source>大きな文字: %1pt以上、太字は%2pt以上（%3）</source>
        <translation>Large text: %1 pt or more, bold %2 pt or more (%3)</translation>
    </message>
    <message>
        <source>WCAGの基準</source>
        <translation>WCAG</translation>
    </message>
    <message>
        <source>日本語の基準</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>%1の色を提案</source>
        <translation>Suggest a colour for %1</translation>
    </message>
    <message>
        <source>%1に提案の色を適用</source>
        <translation>Apply the suggested colour to %1</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>1型</source>
        <translation>protan</translation>
    </message>
    <message>
        <source>2型</source>
        <translation>deutan</translation>
    </message>
    <message>
        <source>3型</source>
        <translation>tritan</translation>
    </message>
    <message>
        <source>見分けにくい: %1 と %2（%3）</source>
        <translation>Hard to tell apart: %1 and %2 (%3)</translation>
    </message>
    <message>
        <source>見分けにくい組はありません</source>
        <translation>No pairs are hard to tell apart</translation>
    </message>
    <message>
        <source>OKLab の色差 %1 未満を見分けにくいとします（通常の色覚と1型・2型・3型2色覚の模擬）。WCAG の達成基準ではありません。</source>
        <translation>Colours less than %1 apart in OKLab count as hard to tell apart (normal vision and simulated protanopia, deuteranopia and tritanopia). This is not a WCAG criterion.</translation>
    </message>
    <message>
        <source>どの色でも背景1と背景2の両方で %1 には届きません（最高 %2）。</source>
        <translation>No colour reaches %1 on both Background 1 and Background 2 (best %2). </translation>
    </message>
    <message>
        <source>この色相と彩度では両方の背景に %1 を満たす色が見つかりません。</source>
        <translation>No colour of this hue and saturation meets %1 on both backgrounds. </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> に対して </source>
        <translation>: </translation>
    </message>
    <message>
        <source>今の色で合格（%1）</source>
        <translation>passes with the current colour (%1)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>提案なし</source>
        <translation>no suggestion</translation>
    </message>
    <message>
        <source>%1 %2、%3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>今の色 %1 で両方の背景に %2 を満たしています（%3）</source>
        <translation>The current colour %1 meets %2 on both backgrounds (%3)</translation>
    </message>
    <message>
        <source>提案 %1（%2、ΔL %3）</source>
        <translation>Suggestion %1 (%2, ΔL %3)</translation>
    </message>
    <message>
        <source>どの色でも背景1と背景2の両方で %1 には届きません（最高 %2）。提案はありません。</source>
        <translation>No colour reaches %1 on both Background 1 and Background 2 (best %2). No suggestion.</translation>
    </message>
    <message>
        <source>この色相と彩度では、保存できる色で両方の背景に %1 を満たす色が見つかりません。提案はありません。</source>
        <translation>No colour of this hue and saturation that can be stored meets %1 on both backgrounds. No suggestion.</translation>
    </message>
</context>
<context>
    <name>CssColorArguments</name>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>color() の初めに色空間の名前がありません</source>
        <translation>color() does not start with the name of a colour space</translation>
    </message>
    <message>
        <source>%1 の前に値がありません</source>
        <translation>There is no value before %1</translation>
    </message>
    <message>
        <source>単位 %1 は色の値に使えません</source>
        <translation>The unit %1 cannot be used in a colour value</translation>
    </message>
    <message>
        <source>ほかの色から作る書き方（from）は読めません</source>
        <translation>Relative colours (from) cannot be read</translation>
    </message>
    <message>
        <source>%1 は値として読めません</source>
        <translation>%1 cannot be read as a value</translation>
    </message>
    <message>
        <source>値の中の %1 は読めません（計算や入れ子の関数は使えません）</source>
        <translation>Cannot read %1 in a value (calculations and nested functions are not supported)</translation>
    </message>
    <message>
        <source>%1 は色の書き方にありません</source>
        <translation>%1 is not part of the colour syntax</translation>
    </message>
    <message>
        <source>値が多すぎます（%1 から後）</source>
        <translation>Too many values (from %1 on)</translation>
    </message>
    <message>
        <source>「)」の後に余分な %1 があります</source>
        <translation>Extra %1 after &quot;)&quot;</translation>
    </message>
    <message>
        <source>「%1」の後に値がありません</source>
        <translation>No value after &quot;%1&quot;</translation>
    </message>
    <message>
        <source>コンマで区切るなら、値のすべてをコンマで区切ります</source>
        <translation>If commas separate the values, every value must be separated by a comma</translation>
    </message>
    <message>
        <source>空白で区切る値の間にコンマは置けません</source>
        <translation>Values separated by spaces cannot have commas between them</translation>
    </message>
    <message>
        <source>「/」は 3 つの値の後、不透明度の前に置きます</source>
        <translation>&quot;/&quot; goes after the three values, before the opacity</translation>
    </message>
    <message>
        <source>値が 3 つ必要です（%1 つしかありません）</source>
        <translation>Three values are needed (there are only %1)</translation>
    </message>
    <message>
        <source>4 つ目の値（不透明度）の前には「/」を置きます</source>
        <translation>Put &quot;/&quot; before the fourth value (the opacity)</translation>
    </message>
    <message>
        <source>コンマで区切る書き方では none は使えません</source>
        <translation>none cannot be used when the values are separated by commas</translation>
    </message>
</context>
<context>
    <name>CssColorReader</name>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 は 16 進数の数字ではありません</source>
        <translation>%1 is not a hexadecimal digit</translation>
    </message>
    <message>
        <source>「#」の後の桁数は 3、4、6、8 のどれかです（%1 桁あります）</source>
        <translation>&quot;#&quot; is followed by 3, 4, 6 or 8 digits (there are %1)</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>an angle</translation>
    </message>
    <message>
        <source>百分率</source>
        <translation>a percentage</translation>
    </message>
    <message>
        <source>数</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>%1() の %2 は%3で、ここには書けません</source>
        <translation>In %1(), %2 is %3 and cannot be used here</translation>
    </message>
    <message>
        <source>%1 という色の関数はありません</source>
        <translation>There is no colour function named %1</translation>
    </message>
    <message>
        <source>%1() の値はコンマで区切れません</source>
        <translation>The values of %1() cannot be separated by commas</translation>
    </message>
    <message>
        <source>%1 という色空間は color() にありません</source>
        <translation>color() has no colour space named %1</translation>
    </message>
    <message>
        <source>コンマで区切る rgb() では、数と百分率を混ぜられません</source>
        <translation>rgb() with commas cannot mix numbers and percentages</translation>
    </message>
    <message>
        <source>色域外 → %1</source>
        <translation>out of gamut → %1</translation>
    </message>
    <message>
        <source>不透明度 %1% は使いません（配色は不透明です）</source>
        <translation>opacity %1% is not used (schemes are opaque)</translation>
    </message>
    <message>
        <source>。</source>
        <translation>. </translation>
    </message>
    <message>
        <source>色が書かれていません</source>
        <translation>No colour is given</translation>
    </message>
    <message>
        <source>色が書かれていません（注釈だけです）</source>
        <translation>No colour is given (only a comment)</translation>
    </message>
    <message>
        <source>%1 の後に余分な %2 があります</source>
        <translation>Extra %2 after %1</translation>
    </message>
    <message>
        <source>%1 は色として読めません</source>
        <translation>%1 cannot be read as a colour</translation>
    </message>
    <message>
        <source>currentcolor は書かれた場所で決まる色なので、ここでは読めません</source>
        <translation>currentcolor depends on where it is written, so it cannot be read here</translation>
    </message>
    <message>
        <source>%1 という色の名前はありません</source>
        <translation>There is no colour named %1</translation>
    </message>
</context>
<context>
    <name>CssTokenizer</name>
    <message>
        <source>色として読むには長すぎます（値が多すぎます）</source>
        <translation>Too long to read as a colour (too many values)</translation>
    </message>
    <message>
        <source>色の書き方に「%1」は使えません</source>
        <translation>&quot;%1&quot; cannot be used in a colour</translation>
    </message>
</context>
<context>
    <name>DisplayAccessible</name>
    <message>
        <source>上下</source>
        <translation>Top and bottom</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Left and right</translation>
    </message>
    <message>
        <source>四角の中に四角</source>
        <translation>Square in square</translation>
    </message>
    <message>
        <source>チェック</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>格子</source>
        <translation>Lattice</translation>
    </message>
    <message>
        <source>文字の色。見本の文: </source>
        <translation>Text colour. Sample text: </translation>
    </message>
    <message>
        <source>背景の色 1</source>
        <translation>Background colour 1</translation>
    </message>
    <message>
        <source>背景の色 2</source>
        <translation>Background colour 2</translation>
    </message>
    <message>
        <source>背景に画像</source>
        <translation>Picture as background</translation>
    </message>
    <message>
        <source>スタイル: </source>
        <translation>Style: </translation>
    </message>
</context>
<context>
    <name>ExchangeFileType</name>
    <message>
        <source>CSS カスタムプロパティ (*.css)</source>
        <translation>CSS custom properties (*.css)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>デザイントークン JSON (*.tokens.json;*.json)</source>
        <translation>Design tokens JSON (*.tokens.json;*.json)</translation>
    </message>
    <message>
        <source>GIMP パレット (*.gpl)</source>
        <translation>GIMP palette (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe スウォッチ交換ファイル (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>ファイルは書き込みましたが、ディスクへの書き込みを確かめられませんでした。停電などで失われるおそれがあります。<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>The file was written, but writing it to the disk could not be confirmed. It may be lost in a power failure.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ファイルに書き込めませんでした。<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
書き込み先のフォルダーと空き容量を確かめてください。</source>
        <translation>Could not write the file.<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Check the folder and the free disk space.</translation>
    </message>
    <message>
        <source>元のファイルは変更されていません。</source>
        <translation>The original file is unchanged.</translation>
    </message>
    <message>
        <source>ファイルの種類がわかりません。<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
.css、.json、.gpl、.ase のどれかの拡張子を付けてください。</source>
        <translation>Unknown file type.<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Use one of the extensions .css, .json, .gpl or .ase.</translation>
    </message>
    <message>
        <source>%1 は既にあります。<byte value="xd"/>
置き換えますか?</source>
        <translation>%1 already exists.<byte value="xd"/>
Do you want to replace it?</translation>
    </message>
    <message>
        <source>配色(*.json;*.css)|*.json;*.css|すべてのファイル(*.*)|*.*</source>
        <translation>Schemes (*.json;*.css)|*.json;*.css|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>配色を読み込めませんでした。<byte value="xd"/>
%1</source>
        <translation>Could not read the scheme.<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>GplImport</name>
    <message>
        <source>ファイルが大きすぎます（%1 MB まで）。</source>
        <translation>The file is too large (up to %1 MB).</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます。</source>
        <translation>Line %1: the name is too long.</translation>
    </message>
    <message>
        <source>GIMP パレットの読み込みエラー<byte value="xd"/>
</source>
        <translation>Error reading the GIMP palette<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>テキストファイルではありません。</source>
        <translation>Not a text file.</translation>
    </message>
    <message>
        <source>%1 行目に UTF-8 でない文字があります。</source>
        <translation>Line %1 has characters that are not UTF-8.</translation>
    </message>
    <message>
        <source>GIMP パレットではありません（1 行目が「GIMP Palette」ではありません）。</source>
        <translation>Not a GIMP palette (the first line is not &quot;GIMP Palette&quot;).</translation>
    </message>
    <message>
        <source>%1 行目: 色の値が正しくありません（0 から 255 までの整数 3 つ）。</source>
        <translation>Line %1: invalid colour values (three whole numbers from 0 to 255).</translation>
    </message>
    <message>
        <source>色が多すぎます（%1 色まで）。</source>
        <translation>Too many colours (up to %1).</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>Not a regular file.</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>標本文字列の入力</source>
        <translation>Typing a sample text</translation>
    </message>
    <message>
        <source>色の入力</source>
        <translation>Typing a colour</translation>
    </message>
    <message>
        <source>%1の変更</source>
        <translation>Change of %1</translation>
    </message>
    <message>
        <source>元に戻す: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>配色を保存…</source>
        <translation>Save Scheme…</translation>
    </message>
    <message>
        <source>この配色の名前:</source>
        <translation>Name of this scheme:</translation>
    </message>
    <message>
        <source>配色を保存</source>
        <translation>Save Scheme</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>%1 行目</source>
        <translation>line %1</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
ファイルを別名で残せなかったため、この履歴ファイルには書き込みません。<byte value="xd"/>
%3</source>
        <translation>%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file could not be kept under another name, so this history file will not be written.<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
元のファイルは %3 として残しました。</source>
        <translation>%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The original file was kept as %3.</translation>
    </message>
    <message>
        <source>履歴ファイルを読めませんでした。このファイルには書き込みません。<byte value="xd"/>
%1</source>
        <translation>Could not read the history file. It will not be written.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>履歴ファイルを読めませんでした。<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
元のファイルは %2 として残しました。</source>
        <translation>Could not read the history file.<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The original file was kept as %2.</translation>
    </message>
    <message>
        <source>履歴ファイルは新しい版の Tessary で書かれているため、読み込めませんでした。</source>
        <translation>The history file was written by a newer version of Tessary and could not be read.</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>履歴ファイルが壊れているため、読み込めませんでした%1。</source>
        <translation>The history file is damaged and could not be read%1.</translation>
    </message>
    <message>
        <source>履歴を保存しませんでした。読めなかった履歴ファイルを残すためです。<byte value="xd"/>
%1</source>
        <translation>The history was not saved, to keep the history file that could not be read.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>別の Tessary が履歴ファイルを書き換えていました。</source>
        <translation>Another Tessary had changed the history file.</translation>
    </message>
    <message>
        <source>履歴を保存できませんでした。前の履歴ファイルはそのまま残っています。<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Could not save the history. The previous history file is unchanged.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>IniDocument</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>PaintedAccessible</name>
    <message>
        <source>%1度</source>
        <translation>%1 degrees</translation>
    </message>
</context>
<context>
    <name>PaletteStatus</name>
    <message>
        <source>この色の名前はすでにパレットに存在します。<byte value="xd"/>
別の名前で色を登録してください。</source>
        <translation>The palette already has a colour of this name.<byte value="xd"/>
Add the colour under another name.</translation>
    </message>
    <message>
        <source>不明なエラー</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>ファイルの読み込みエラー</source>
        <translation>Error reading the file</translation>
    </message>
    <message>
        <source>ファイルの書き込みエラー<byte value="xd"/>
</source>
        <translation>Error writing the file<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
パレットは保存されていません。</source>
        <translation><byte value="xd"/>
The palette was not saved.</translation>
    </message>
    <message>
        <source>パレットは保存しましたが、ディスクへの書き込みを確かめられませんでした。停電などで失われるおそれがあります。<byte value="xd"/>
</source>
        <translation>The palette was saved, but writing it to the disk could not be confirmed. It may be lost in a power failure.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtMessageBox</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>SchemeExport</name>
    <message>
        <source>Tessary 配色</source>
        <translation>Tessary scheme</translation>
    </message>
    <message>
        <source>文字1</source>
        <translation>Text 1</translation>
    </message>
    <message>
        <source>文字2</source>
        <translation>Text 2</translation>
    </message>
    <message>
        <source>文字3</source>
        <translation>Text 3</translation>
    </message>
    <message>
        <source>背景1</source>
        <translation>Background 1</translation>
    </message>
    <message>
        <source>背景2</source>
        <translation>Background 2</translation>
    </message>
</context>
<context>
    <name>SchemeImport</name>
    <message>
        <source>新しい版の Tessary で書かれた配色です</source>
        <translation>the scheme was written by a newer version of Tessary</translation>
    </message>
    <message>
        <source>版が正しくありません</source>
        <translation>invalid version</translation>
    </message>
    <message>
        <source>#RRGGBB の形の色がありません</source>
        <translation>no colour in the form #RRGGBB</translation>
    </message>
    <message>
        <source>標本文字列がありません</source>
        <translation>no sample texts</translation>
    </message>
</context>
<context>
    <name>VisionMode</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>1型2色覚</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>2型2色覚</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>3型2色覚</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <source>1型3色覚</source>
        <translation>Protanomaly</translation>
    </message>
    <message>
        <source>2型3色覚</source>
        <translation>Deuteranomaly</translation>
    </message>
    <message>
        <source>3型3色覚</source>
        <translation>Tritanomaly</translation>
    </message>
</context>
<context>
    <name>frmContrast</name>
    <message>
        <source>最低 %1
5%: %2
%3</source>
        <translation>Minimum %1
5%: %2
%3</translation>
    </message>
    <message>
        <source>コントラスト</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>見え方: %1</source>
        <translation>Seen as: %1</translation>
    </message>
    <message>
        <source>%1 に対して %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>提案 %1</source>
        <translation>Suggestion %1</translation>
    </message>
    <message>
        <source>提案の色の見本 %1</source>
        <translation>Sample of the suggested colour %1</translation>
    </message>
    <message>
        <source>%1の提案 %2 をコピー</source>
        <translation>Copy the suggestion %2 for %1</translation>
    </message>
</context>
<context>
    <name>frmDesktop</name>
    <message>
        <source>画面の内容を取り込めませんでした。
この環境では画面の取り込みが許可されていない可能性があります。</source>
        <translation>Could not capture the screen.
This environment may not allow screen capture.</translation>
    </message>
    <message>
        <source>画面の色を拾う</source>
        <translation>Pick a colour from the screen</translation>
    </message>
    <message>
        <source>クリックした点の色を取ります。Esc キーで取りやめます</source>
        <translation>Click a point to take its colour; Esc cancels</translation>
    </message>
</context>
<context>
    <name>frmPalette</name>
    <message>
        <source>新規パレット</source>
        <translation>New palette</translation>
    </message>
    <message>
        <source>Tessary色定義ファイル (*.tcf)|*.tcf</source>
        <translation>Tessary colour definition files (*.tcf)|*.tcf</translation>
    </message>
</context>
<context>
    <name>frmPaletteUnsaved</name>
    <message>
        <source>新規パレット</source>
        <translation>New palette</translation>
    </message>
    <message>
        <source>パレット「%1」は変更されています。<byte value="xd"/>
変更を保存しますか?</source>
        <translation>The palette &quot;%1&quot; has been changed.<byte value="xd"/>
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>前回の終了時に保存されていなかったパレット「%1」の変更 (%2 色) が残っています。<byte value="xd"/>
開きますか?<byte value="xd"/>
<byte value="xd"/>
「いいえ」を選ぶと、この変更は破棄されます。</source>
        <translation>Unsaved changes to the palette &quot;%1&quot; (%2 colours) remain from the last session.<byte value="xd"/>
Do you want to open them?<byte value="xd"/>
<byte value="xd"/>
Choosing &quot;No&quot; discards these changes.</translation>
    </message>
    <message>
        <source>パレットの復元</source>
        <translation>Restore palette</translation>
    </message>
</context>
<context>
    <name>tessary::CssColorCommands</name>
    <message>
        <source>色を貼り付け</source>
        <translation>Paste colour</translation>
    </message>
    <message>
        <source>クリップボードの色（CSS の書き方）を変更対象の色にします</source>
        <translation>Sets the colour on the clipboard (in CSS syntax) as the target colour</translation>
    </message>
    <message>
        <source>色をコピー</source>
        <translation>Copy colour</translation>
    </message>
    <message>
        <source>変更対象の色を %1 の形でコピーします</source>
        <translation>Copies the target colour as %1</translation>
    </message>
    <message>
        <source>スポイト</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>画面の好きな点の色を取ります</source>
        <translation>Takes the colour of any point on the screen</translation>
    </message>
    <message>
        <source>OKLCH で編集</source>
        <translation>Edit in OKLCH</translation>
    </message>
    <message>
        <source>RGB と HSL の横に OKLCH のページを出します</source>
        <translation>Shows an OKLCH page beside RGB and HSL</translation>
    </message>
</context>
<context>
    <name>tessary::DesktopWaitWindow</name>
    <message>
        <source>画面の色を拾う</source>
        <translation>Pick a colour from the screen</translation>
    </message>
    <message>
        <source>デスクトップの応答を待っています…
デスクトップが画面の取り込みや色の選択を尋ねていれば、そちらで答えてください。</source>
        <translation>Waiting for the desktop…
If the desktop asks about capturing the screen or picking a colour, answer there.</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tessary::History</name>
    <message>
        <source>色の変更</source>
        <translation>Colour change</translation>
    </message>
    <message>
        <source>標本文字列の変更</source>
        <translation>Sample text change</translation>
    </message>
    <message>
        <source>フォントの変更</source>
        <translation>Font change</translation>
    </message>
    <message>
        <source>スタイルの変更</source>
        <translation>Style change</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>配色の変更</source>
        <translation>Scheme change</translation>
    </message>
</context>
<context>
    <name>tessary::LanguageMenu</name>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語 (Japanese)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>tessary::OklchPage</name>
    <message>
        <source>OKLCH の明度</source>
        <translation>OKLCH lightness</translation>
    </message>
    <message>
        <source>OKLCH の彩度</source>
        <translation>OKLCH chroma</translation>
    </message>
    <message>
        <source>OKLCH の色相</source>
        <translation>OKLCH hue</translation>
    </message>
    <message>
        <source>0 から 100 (%)</source>
        <translation>0 to 100 (%)</translation>
    </message>
    <message>
        <source>0 から 0.4</source>
        <translation>0 to 0.4</translation>
    </message>
    <message>
        <source>0 から 360 (度)</source>
        <translation>0 to 360 (degrees)</translation>
    </message>
    <message>
        <source>sRGB の色域</source>
        <translation>sRGB gamut</translation>
    </message>
    <message>
        <source>色域外</source>
        <translation>Out of gamut</translation>
    </message>
    <message>
        <source>色域内</source>
        <translation>In gamut</translation>
    </message>
    <message>
        <source>この色は sRGB の中にあります</source>
        <translation>This colour is inside sRGB</translation>
    </message>
    <message>
        <source>sRGB の外にあるので、いちばん近い sRGB の色 (%1) にしています</source>
        <translation>Outside sRGB, so the nearest sRGB colour (%1) is used</translation>
    </message>
    <message>
        <source>%1の値</source>
        <translation>%1 value</translation>
    </message>
    <message>
        <source>%1。数を入力して Enter キー</source>
        <translation>%1. Type a number and press Enter</translation>
    </message>
</context>
<context>
    <name>tessary::SchemeCompare</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>比較する配色 1</source>
        <translation>Compared scheme 1</translation>
    </message>
    <message>
        <source>比較する配色 2</source>
        <translation>Compared scheme 2</translation>
    </message>
</context>
<context>
    <name>tessary::frmAbout</name>
    <message>
        <source>Tessaryについて</source>
        <translation>About Tessary</translation>
    </message>
    <message>
        <source>文字色と背景色の配色を確かめるための道具</source>
        <translation>A tool for checking text and background colour schemes</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tessary::frmColorCircle</name>
    <message>
        <source>色環</source>
        <translation>Colour wheel</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>左右の矢印キーで1度、Page Up と Page Down で15度回します</source>
        <translation>Left and Right turn by 1 degree, Page Up and Page Down by 15 degrees</translation>
    </message>
</context>
<context>
    <name>tessary::frmColorProperty</name>
    <message>
        <source>カラーコード</source>
        <translation>Colour code</translation>
    </message>
    <message>
        <source>色の名前</source>
        <translation>Colour name</translation>
    </message>
    <message>
        <source>色の説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>色のプロパティ</source>
        <translation>Colour properties</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tessary::frmConfig</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>カラーコードの前に’#’をつける</source>
        <translation>Put &quot;#&quot; before colour codes</translation>
    </message>
    <message>
        <source>色と標本文字列を復元する</source>
        <translation>Restore colours and sample texts</translation>
    </message>
    <message>
        <source>前回の位置とサイズを復元する</source>
        <translation>Restore the last position and size</translation>
    </message>
    <message>
        <source>格子</source>
        <translation>Lattice</translation>
    </message>
    <message>
        <source>分割数</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>線の幅</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>チェック</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>四角の中に四角</source>
        <translation>Square in square</translation>
    </message>
    <message>
        <source>外側の幅（%）</source>
        <translation>Outer width (%)</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessary::frmContrast</name>
    <message>
        <source>目標(&amp;G):</source>
        <translation>&amp;Goal:</translation>
    </message>
    <message>
        <source>目標の達成基準</source>
        <translation>Target conformance level</translation>
    </message>
    <message>
        <source>大きな文字(&amp;L):</source>
        <translation>&amp;Large text:</translation>
    </message>
    <message>
        <source>大きな文字の規則</source>
        <translation>Large text rule</translation>
    </message>
    <message>
        <source>提案</source>
        <translation>Suggest</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>見分けやすさ（色覚）</source>
        <translation>Distinguishability (colour vision)</translation>
    </message>
    <message>
        <source>%1の提案の色</source>
        <translation>Suggested colour for %1</translation>
    </message>
    <message>
        <source>%1の提案をコピー</source>
        <translation>Copy the suggestion for %1</translation>
    </message>
</context>
<context>
    <name>tessary::frmEditSampleText</name>
    <message>
        <source>標本文字列の変更</source>
        <translation>Change sample text</translation>
    </message>
    <message>
        <source>標本文字列</source>
        <translation>Sample text</translation>
    </message>
    <message>
        <source>フォント変更</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessary::frmHistory</name>
    <message>
        <source>配色の履歴</source>
        <translation>Scheme History</translation>
    </message>
    <message>
        <source>保存した配色と最近の手順</source>
        <translation>Saved schemes and recent steps</translation>
    </message>
    <message>
        <source>復元(&amp;R)</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>名前の変更(&amp;N)…</source>
        <translation>Re&amp;name…</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>比較(&amp;C)</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>手順</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>最低 %3  %1: %2</source>
        <translation>lowest %3  %1: %2</translation>
    </message>
    <message>
        <source>%1 %2、最低コントラスト %3</source>
        <translation>%1 %2, lowest contrast %3</translation>
    </message>
    <message>
        <source>配色の復元: %1</source>
        <translation>Restore scheme: %1</translation>
    </message>
    <message>
        <source>新しい名前:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>名前の変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>保存した配色「%1」を削除しますか?</source>
        <translation>Delete the saved scheme “%1”?</translation>
    </message>
    <message>
        <source>履歴のスクロール</source>
        <translation>History scrolling</translation>
    </message>
    <message>
        <source>履歴の横スクロール</source>
        <translation>History horizontal scrolling</translation>
    </message>
</context>
<context>
    <name>tessary::frmMain</name>
    <message>
        <source>設定は保存しましたが、ディスクへの書き込みを確かめられませんでした。停電などで失われるおそれがあります。<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>The settings were saved, but writing them to the disk could not be confirmed. They may be lost in a power failure.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Could not save the settings.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>全てのオブジェクトを現在選択されている色と同じ色にします。<byte value="xd"/>
よろしいですか？</source>
        <translation>All objects will get the colour of the selected one.<byte value="xd"/>
Do you want to continue?</translation>
    </message>
    <message>
        <source>全て同色</source>
        <translation>Same colour for all</translation>
    </message>
    <message>
        <source>変更対象</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>色の指定方法</source>
        <translation>Colour model</translation>
    </message>
    <message>
        <source>色コード</source>
        <translation>Colour code</translation>
    </message>
    <message>
        <source>#RRGGBB の形で入力して Enter キー</source>
        <translation>Type #RRGGBB and press Enter</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>彩度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>輝度</source>
        <translation>Luminance</translation>
    </message>
    <message>
        <source>画像(*.gif;*.bmp;*.jpg;*.jpeg)|*.gif;*.bmp;*.jpg;*.jpeg|GIF(*.gif)|*.gif|BMP(*.bmp)|*.bmp|JPEG(*.jpg;*.jpeg)|*.jpg;*.jpeg</source>
        <translation>Pictures (*.gif;*.bmp;*.jpg;*.jpeg)|*.gif;*.bmp;*.jpg;*.jpeg|GIF (*.gif)|*.gif|BMP (*.bmp)|*.bmp|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg</translation>
    </message>
    <message>
        <source>背景画像を読み込めませんでした。<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
GIF、BMP、JPEG 形式の画像ファイルを選んでください。</source>
        <translation>Could not load the background picture.<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Choose a GIF, BMP or JPEG file.</translation>
    </message>
    <message>
        <source>ヘルプファイルが見つかりません。<byte value="xd"/>
%1</source>
        <translation>The help file was not found.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
このファイルをブラウザーで開いてください。</source>
        <translation>Could not open the help.<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Open this file in a web browser.</translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>背景画像の表示</source>
        <translation>Show background picture</translation>
    </message>
    <message>
        <source>背景画像の読み込み</source>
        <translation>Load background picture</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>初期位置</source>
        <translation>Default position</translation>
    </message>
    <message>
        <source>横最大</source>
        <translation>Full width</translation>
    </message>
    <message>
        <source>縦最大</source>
        <translation>Full height</translation>
    </message>
    <message>
        <source>全画面</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>指定位置</source>
        <translation>Set position</translation>
    </message>
    <message>
        <source>スタイル</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Top and bottom</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Left and right</translation>
    </message>
    <message>
        <source>四角の中に四角</source>
        <translation>Square in square</translation>
    </message>
    <message>
        <source>チェック</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>格子</source>
        <translation>Lattice</translation>
    </message>
    <message>
        <source>標本文字列</source>
        <translation>Sample texts</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>フォント変更</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>配色を書き出す…</source>
        <translation>Export scheme…</translation>
    </message>
    <message>
        <source>配色をコピー</source>
        <translation>Copy scheme</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>色環</source>
        <translation>Colour wheel</translation>
    </message>
    <message>
        <source>常に手前に表示</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>コントラスト</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>色覚シミュレーション</source>
        <translation>Colour vision simulation</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>統一</source>
        <translation>Unify</translation>
    </message>
    <message>
        <source>明度</source>
        <translation>Lightness</translation>
    </message>
    <message>
        <source>平均化</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>ランダム(ALL)</source>
        <translation>Random (all)</translation>
    </message>
    <message>
        <source>ランダム(Single)</source>
        <translation>Random (single)</translation>
    </message>
    <message>
        <source>補色</source>
        <translation>Complement</translation>
    </message>
    <message>
        <source>補色(ALL)</source>
        <translation>Complement (all)</translation>
    </message>
    <message>
        <source>補色(Single)</source>
        <translation>Complement (single)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tessaryについて</source>
        <translation>About Tessary</translation>
    </message>
    <message>
        <source>表示ウィンドウに本当の色を表示します</source>
        <translation>Shows the true colours in the display window</translation>
    </message>
    <message>
        <source>表示ウィンドウの色を%1の見え方で表示します</source>
        <translation>Shows the display window as seen with %1</translation>
    </message>
    <message>
        <source>1型・2型・3型3色覚の強さを%1にします</source>
        <translation>Sets the severity of protanomaly, deuteranomaly and tritanomaly to %1</translation>
    </message>
    <message>
        <source>次の色覚に切り替え</source>
        <translation>Next colour vision</translation>
    </message>
    <message>
        <source>なし、1型2色覚、2型2色覚、3型2色覚の順に切り替えます</source>
        <translation>Switches through none, protanopia, deuteranopia and tritanopia</translation>
    </message>
    <message>
        <source>sample1</source>
        <translation>Sample 1</translation>
    </message>
    <message>
        <source>sample2</source>
        <translation>Sample 2</translation>
    </message>
    <message>
        <source>sample3</source>
        <translation>Sample 3</translation>
    </message>
    <message>
        <source>Shape1</source>
        <translation>Shape 1</translation>
    </message>
    <message>
        <source>Shape2</source>
        <translation>Shape 2</translation>
    </message>
    <message>
        <source>Tessary(&amp;I)</source>
        <translation>Tessary(&amp;I)</translation>
    </message>
    <message>
        <source>%1の値</source>
        <translation>%1 value</translation>
    </message>
    <message>
        <source>%1の見本の文</source>
        <translation>Sample text of %1</translation>
    </message>
    <message>
        <source>配色を読み込む…</source>
        <translation>Open scheme…</translation>
    </message>
    <message>
        <source>配色の履歴</source>
        <translation>Scheme History</translation>
    </message>
</context>
<context>
    <name>tessary::frmPalette</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>パレットを閉じる</source>
        <translation>Close palette</translation>
    </message>
    <message>
        <source>エクスポート…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>GIMP パレットを読み込む…</source>
        <translation>Import GIMP palette…</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>現在の色を追加</source>
        <translation>Add current colour</translation>
    </message>
    <message>
        <source>色のプロパティ</source>
        <translation>Colour properties</translation>
    </message>
    <message>
        <source>パレットのプロパティ</source>
        <translation>Palette properties</translation>
    </message>
    <message>
        <source>色のコードをコピー</source>
        <translation>Copy colour code</translation>
    </message>
    <message>
        <source>パレットのスクロール</source>
        <translation>Palette scroll bar</translation>
    </message>
    <message>
        <source>パレットの色</source>
        <translation>Palette colours</translation>
    </message>
    <message>
        <source>矢印キーで色を選び、Enter キーで現在の色にします</source>
        <translation>Arrow keys choose a colour; Enter makes it the current colour</translation>
    </message>
    <message>
        <source>ほかに %1 色を登録できませんでした。</source>
        <translation>%1 more colours could not be added.</translation>
    </message>
    <message>
        <source>通常のファイルではないため開けません。<byte value="xd"/>
%1</source>
        <translation>Cannot open this, as it is not a regular file.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>色の削除</source>
        <translation>Delete colour</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>名前が重複している %1 色は読み込みませんでした:<byte value="xd"/>
%2%3</source>
        <translation>%1 colours with duplicate names were not read:<byte value="xd"/>
%2%3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> ほか</source>
        <translation> and others</translation>
    </message>
    <message>
        <source>%1 個の名前または注釈に、パレットファイルに保存できない文字があります。パレットファイルに保存すると、その文字は「?」になります。</source>
        <translation>%1 names or comments have characters that a palette file cannot hold. Saved to a palette file, they become &quot;?&quot;.</translation>
    </message>
    <message>
        <source>ColorName :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>ColorName</source>
        <translation>Colour name</translation>
    </message>
    <message>
        <source>Palette : </source>
        <translation>Palette: </translation>
    </message>
    <message>
        <source>カラーコード:%1<byte value="xd"/>
名前：%2<byte value="xd"/>
を削除します。<byte value="xd"/>
よろしいですか?</source>
        <translation>Colour code: %1<byte value="xd"/>
Name: %2<byte value="xd"/>
will be deleted.<byte value="xd"/>
Do you want to continue?</translation>
    </message>
    <message>
        <source>ColorCode  :</source>
        <translation>Colour code:</translation>
    </message>
    <message>
        <source>Comment   :</source>
        <translation>Comment:</translation>
    </message>
</context>
<context>
    <name>tessary::frmPaletteProperty</name>
    <message>
        <source>パレットのプロパティ</source>
        <translation>Palette properties</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>色数</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessary::frmSetPos</name>
    <message>
        <source>位置の指定</source>
        <translation>Set position</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>X座標</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y座標</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>%1の単位</source>
        <translation>Unit of %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessary::frmTessary</name>
    <message>
        <source>表示ウィンドウ</source>
        <translation>Display window</translation>
    </message>
</context>
</TS>
