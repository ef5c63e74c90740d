// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>

namespace tessary {

// Offset of the first byte that does not belong to a well-formed UTF-8 sequence (no
// overlong forms, no surrogates, nothing above U+10FFFF); -1 when there is none. Every
// reader of UTF-8 files a user hands us checks its bytes with it before decoding.
qsizetype firstInvalidUtf8(QByteArrayView bytes);

} // namespace tessary
