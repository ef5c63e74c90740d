// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/ColorScheme.h"
#include "exchange/ExchangeFormat.h"

#include <QByteArray>
#include <QString>
#include <QCoreApplication>

namespace tessary {

// A scheme's five colours with their roles and sample texts in an exchange format.
//   CSS:     --tessary-text-1 ... --tessary-background-2 on :root, each with a comment
//            naming its role ("文字1「sample text」", "背景1").
//   JSON:    {"format": "tessary-scheme", "version": 1, "colors": {"text1": "#RRGGBB", ...,
//            "background2": ...}, "sampleTexts": {"text1": ..., "text3": ...}}.
//   Tokens:  group "tessary" with the colour tokens text-1 ... background-2.
//   GPL/ASE: a palette named "Tessary 配色" of the five colours named by their roles.
class SchemeExport {
public:
    static QByteArray toBytes(const ColorScheme& scheme, ExchangeFormat format);
    // The CSS form as text, for the clipboard.
    static QString clipboardText(const ColorScheme& scheme);
    // What the scheme's palette formats call it.
    static QString title() { return QCoreApplication::translate("SchemeExport", "Tessary 配色"); }
};

} // namespace tessary
