// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessary {

// The languages the interface speaks. Japanese is the language the texts are written in; the
// others come from catalogues beside the program.
class UiLanguage {
public:
    enum Kind { Japanese, English };
    static constexpr int Count = 2;

    // "ja" or "en", in any case; anything else is none.
    static std::optional<Kind> fromCode(const QString& code);
    static QString code(Kind kind);
    // The program's catalogue ("tessary_en"); empty for Japanese, which needs none.
    static QString catalogueName(Kind kind);
    // Qt's own catalogue for its dialogs ("qtbase_ja").
    static QString qtCatalogueName(Kind kind);
    // The help page under doc/.
    static QString helpPage(Kind kind);
    // "--lang en" or "--lang=en" among the program's arguments; the last one counts.
    static std::optional<Kind> fromArguments(const QStringList& arguments);
};

} // namespace tessary
