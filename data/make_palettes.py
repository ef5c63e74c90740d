#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the palettes shipped beside the program into data/palette/.

Colour-definition files are code page 932 with CR LF line ends and no byte-order mark;
every field is quoted. Run from anywhere: python3 data/make_palettes.py
"""
import os

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "palette")


def record(*fields):
    for f in fields:
        assert '"' not in f
    return ",".join('"' + f + '"' for f in fields).encode("cp932") + b"\r\n"


def write(name, header_name, header_comment, colours):
    keys = set()
    for code, colour_name, _ in colours:
        key = (colour_name or code).casefold()
        assert key not in keys, colour_name
        keys.add(key)
    data = record(header_name, "", header_comment) + b"".join(record(*c) for c in colours)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def hsl_to_code(h, s, l):
    # The program's own conversion: nearest whole number, halves to even.
    m2 = l * (1 + s) if l <= 0.5 else l + s - l * s
    m1 = 2 * l - m2

    def comp(hue):
        if hue > 360:
            hue -= 360
        elif hue < 0:
            hue += 360
        if hue < 60:
            v = m1 + (m2 - m1) * hue / 60
        elif hue < 180:
            v = m2
        elif hue < 240:
            v = m1 + (m2 - m1) * (240 - hue) / 60
        else:
            v = m1
        return round(255 * min(1.0, max(0.0, v)))

    return "%02X%02X%02X" % (comp(h + 120), comp(h), comp(h - 120))


def default_palette():
    hues = ["赤", "橙", "黄", "黄緑", "緑", "青緑", "水色", "空色", "青", "青紫", "紫", "赤紫"]
    tones = [
        ("鮮やかな", 1.0, 0.5),
        ("明るい", 1.0, 0.7),
        ("淡い", 0.8, 0.88),
        ("くすんだ", 0.35, 0.5),
        ("暗い", 1.0, 0.25),
    ]
    colours = []
    for tone, s, l in tones:
        for i, hue in enumerate(hues):
            h = i * 30
            colours.append((hsl_to_code(h, s, l), tone + hue,
                            "色相 %d° 彩度 %d%% 輝度 %d%%" % (h, round(s * 100), round(l * 100))))
    colours.append(("FFFFFF", "白", "輝度 100%"))
    for step in range(9, 0, -1):
        v = round(255 * step / 10)
        colours.append(("%02X%02X%02X" % (v, v, v), "灰 %d%%" % (step * 10), "無彩色 輝度 %d%%" % (step * 10)))
    colours.append(("000000", "黒", "輝度 0%"))
    write("default.tcf", "Tessary標準パレット", "Tessary標準パレット (色相12 × 5トーンと無彩色)", colours)


CSS_NAMED = """
aliceblue F0F8FF antiquewhite FAEBD7 aqua 00FFFF aquamarine 7FFFD4 azure F0FFFF beige F5F5DC
bisque FFE4C4 black 000000 blanchedalmond FFEBCD blue 0000FF blueviolet 8A2BE2 brown A52A2A
burlywood DEB887 cadetblue 5F9EA0 chartreuse 7FFF00 chocolate D2691E coral FF7F50
cornflowerblue 6495ED cornsilk FFF8DC crimson DC143C cyan 00FFFF darkblue 00008B darkcyan 008B8B
darkgoldenrod B8860B darkgray A9A9A9 darkgreen 006400 darkgrey A9A9A9 darkkhaki BDB76B
darkmagenta 8B008B darkolivegreen 556B2F darkorange FF8C00 darkorchid 9932CC darkred 8B0000
darksalmon E9967A darkseagreen 8FBC8F darkslateblue 483D8B darkslategray 2F4F4F
darkslategrey 2F4F4F darkturquoise 00CED1 darkviolet 9400D3 deeppink FF1493 deepskyblue 00BFFF
dimgray 696969 dimgrey 696969 dodgerblue 1E90FF firebrick B22222 floralwhite FFFAF0
forestgreen 228B22 fuchsia FF00FF gainsboro DCDCDC ghostwhite F8F8FF gold FFD700
goldenrod DAA520 gray 808080 green 008000 greenyellow ADFF2F grey 808080 honeydew F0FFF0
hotpink FF69B4 indianred CD5C5C indigo 4B0082 ivory FFFFF0 khaki F0E68C lavender E6E6FA
lavenderblush FFF0F5 lawngreen 7CFC00 lemonchiffon FFFACD lightblue ADD8E6 lightcoral F08080
lightcyan E0FFFF lightgoldenrodyellow FAFAD2 lightgray D3D3D3 lightgreen 90EE90 lightgrey D3D3D3
lightpink FFB6C1 lightsalmon FFA07A lightseagreen 20B2AA lightskyblue 87CEFA
lightslategray 778899 lightslategrey 778899 lightsteelblue B0C4DE lightyellow FFFFE0 lime 00FF00
limegreen 32CD32 linen FAF0E6 magenta FF00FF maroon 800000 mediumaquamarine 66CDAA
mediumblue 0000CD mediumorchid BA55D3 mediumpurple 9370DB mediumseagreen 3CB371
mediumslateblue 7B68EE mediumspringgreen 00FA9A mediumturquoise 48D1CC mediumvioletred C71585
midnightblue 191970 mintcream F5FFFA mistyrose FFE4E1 moccasin FFE4B5 navajowhite FFDEAD
navy 000080 oldlace FDF5E6 olive 808000 olivedrab 6B8E23 orange FFA500 orangered FF4500
orchid DA70D6 palegoldenrod EEE8AA palegreen 98FB98 paleturquoise AFEEEE palevioletred DB7093
papayawhip FFEFD5 peachpuff FFDAB9 peru CD853F pink FFC0CB plum DDA0DD powderblue B0E0E6
purple 800080 rebeccapurple 663399 red FF0000 rosybrown BC8F8F royalblue 4169E1
saddlebrown 8B4513 salmon FA8072 sandybrown F4A460 seagreen 2E8B57 seashell FFF5EE
sienna A0522D silver C0C0C0 skyblue 87CEEB slateblue 6A5ACD slategray 708090
slategrey 708090 snow FFFAFA springgreen 00FF7F steelblue 4682B4 tan D2B48C teal 008080
thistle D8BFD8 tomato FF6347 turquoise 40E0D0 violet EE82EE wheat F5DEB3 white FFFFFF
whitesmoke F5F5F5 yellow FFFF00 yellowgreen 9ACD32
"""


def css_named_palette():
    words = CSS_NAMED.split()
    colours = [(words[i + 1], words[i], "") for i in range(0, len(words), 2)]
    assert len(colours) == 148, len(colours)
    assert [c[1] for c in colours] == sorted(c[1] for c in colours)
    write("css-named.tcf", "CSS Named Colors", "CSS Color Module Level 4 の色名キーワード (148色)", colours)


SYSTEM = [
    ("ActiveBorder", "D4D0C8", "アクティブウィンドウの境界"),
    ("ActiveCaption", "0A246A", "アクティブウィンドウのタイトルバー"),
    ("AppWorkspace", "808080", "MDI ウィンドウの背景"),
    ("Background", "3A6EA5", "デスクトップ"),
    ("ButtonFace", "D4D0C8", "立体表示要素の表面"),
    ("ButtonHighlight", "FFFFFF", "立体表示要素の明るい縁"),
    ("ButtonShadow", "808080", "立体表示要素の影"),
    ("ButtonText", "000000", "ボタンの文字"),
    ("CaptionText", "FFFFFF", "タイトルバーの文字"),
    ("GrayText", "808080", "無効な文字"),
    ("Highlight", "0A246A", "選択された項目"),
    ("HighlightText", "FFFFFF", "選択された項目の文字"),
    ("InactiveBorder", "D4D0C8", "非アクティブウィンドウの境界"),
    ("InactiveCaption", "808080", "非アクティブウィンドウのタイトルバー"),
    ("InactiveCaptionText", "D4D0C8", "非アクティブウィンドウのタイトルバーの文字"),
    ("InfoBackground", "FFFFE1", "ツールチップの背景"),
    ("InfoText", "000000", "ツールチップの文字"),
    ("Menu", "D4D0C8", "メニューの背景"),
    ("MenuText", "000000", "メニューの文字"),
    ("Scrollbar", "D4D0C8", "スクロールバーの領域"),
    ("ThreeDDarkShadow", "404040", "立体表示要素の濃い影"),
    ("ThreeDFace", "D4D0C8", "立体表示要素の表面 (ButtonFace と同じ)"),
    ("ThreeDHighlight", "FFFFFF", "立体表示要素の明るい縁 (ButtonHighlight と同じ)"),
    ("ThreeDLightShadow", "D4D0C8", "立体表示要素の明るい影"),
    ("ThreeDShadow", "808080", "立体表示要素の影"),
    ("Window", "FFFFFF", "ウィンドウの背景"),
    ("WindowFrame", "000000", "ウィンドウの枠"),
    ("WindowText", "000000", "ウィンドウの文字"),
]


def css2_system_palette():
    assert len(SYSTEM) == 28
    colours = [(code, name, comment) for name, code, comment in SYSTEM]
    write("css2-system.tcf", "CSS2 User Defined Color", "CSS2 のシステムカラー (実行中のシステムの色で表示)", colours)


if __name__ == "__main__":
    default_palette()
    css_named_palette()
    css2_system_palette()
