// SPDX-License-Identifier: MIT
#pragma once

#include "check/InputError.h"

#include <QByteArrayView>
#include <QString>
#include <variant>

namespace tessary {

// The text of an input file, refused when it is larger than a checker needs or not UTF-8.
class InputText {
public:
    static constexpr qsizetype kMaxFileBytes = 8 * 1024 * 1024;

    using Result = std::variant<QString, InputError>;

    // A byte-order mark is skipped. fileName names the file in errors.
    static Result decode(QByteArrayView bytes, const QString& fileName);
    // Opens and reads the file, then decodes it.
    static Result read(const QString& fileName);
    // Bytes of the file (at most kMaxFileBytes + 1, so a larger file is noticed).
    static std::variant<QByteArray, InputError> readBytes(const QString& fileName);

    // 1-based line of a position in the text.
    static int lineAt(QStringView text, qsizetype position);
};

} // namespace tessary
