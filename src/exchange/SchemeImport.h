// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/ColorScheme.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace tessary {

// Reads back a scheme we wrote: our scheme JSON ("format": "tessary-scheme", colours and
// sample texts), design-token JSON (the five "tessary" colour tokens, as DTCG colour values
// or plain hex strings) or the CSS custom properties ("--tessary-text-1" ...). Texts come
// back from our JSON only. The limits are those of the other imports: the file's size,
// nesting and count of tokens or declarations. A file that gives no whole scheme is refused
// with a Japanese sentence naming the file and the line or JSON path.
class SchemeImport {
public:
    struct Result {
        std::optional<ColorScheme> scheme;
        // The sample texts were in the file.
        bool texts = false;
        QString error;
    };

    static Result read(QByteArrayView bytes, const QString& fileName);
};

} // namespace tessary
