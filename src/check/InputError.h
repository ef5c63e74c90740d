// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// Why an input file or an option cannot be used, as data: the checker words it in the
// language asked for. Where names the place: "line 12" is kept as a line number, a JSON
// member as its path ("$.color.text.$value").
struct InputError {
    enum class Kind {
        CannotOpen,
        TooLarge,      // detail: the limit in bytes
        NotUtf8,
        JsonSyntax,    // detail: the parser's reason
        TooDeep,       // nesting or an alias chain beyond the limit
        TooMany,       // detail: the limit
        NotAColor,     // detail: the value
        Translucent,   // detail: the value
        ColorSpace,    // detail: the colour space
        AliasCycle,    // detail: the names in the cycle
        AliasMissing,  // detail: the name referred to
        UnknownName,   // detail: the name asked for
        UnclosedComment,
        BadPairLine,   // detail: the line
        NotAScheme,
        NoPairs,
        // Options; file is empty, detail the option or its value.
        UnknownOption,
        MissingValue,
        BadValue,
        NoInput,
        TooManyInputs,
    };

    Kind kind = Kind::CannotOpen;
    QString file;
    int line = 0;     // 1-based; 0 when the place is a JSON path or the whole file
    QString jsonPath; // empty when the place is a line
    QString detail;
};

} // namespace tessary
