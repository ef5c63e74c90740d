// SPDX-License-Identifier: MIT
#include "check/InputText.h"

#include <QFile>

#include <algorithm>

namespace tessary {

namespace {

// Offset of the first byte outside a well-formed UTF-8 sequence (no overlong forms, no
// surrogates, nothing above U+10FFFF); -1 when there is none.
qsizetype firstInvalidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > n || p[i + 1] < low || p[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return i;
        }
        i += length;
    }
    return -1;
}

} // namespace

InputText::Result InputText::decode(QByteArrayView bytes, const QString& fileName)
{
    if (bytes.size() > kMaxFileBytes)
        return InputError{InputError::Kind::TooLarge, fileName, 0, {}, QString::number(kMaxFileBytes)};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const qsizetype bad = firstInvalidUtf8(bytes);
    if (bad >= 0)
        return InputError{InputError::Kind::NotUtf8, fileName, 1 + int(bytes.first(bad).count('\n')), {}, {}};
    return QString::fromUtf8(bytes);
}

std::variant<QByteArray, InputError> InputText::readBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return InputError{InputError::Kind::CannotOpen, fileName, 0, {}, file.errorString()};
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return InputError{InputError::Kind::TooLarge, fileName, 0, {}, QString::number(kMaxFileBytes)};
    if (file.error() != QFileDevice::NoError)
        return InputError{InputError::Kind::CannotOpen, fileName, 0, {}, file.errorString()};
    return bytes;
}

InputText::Result InputText::read(const QString& fileName)
{
    auto bytes = readBytes(fileName);
    if (auto* e = std::get_if<InputError>(&bytes))
        return *e;
    return decode(std::get<QByteArray>(bytes), fileName);
}

int InputText::lineAt(QStringView text, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, text.size());
    return 1 + int(text.first(position).count(u'\n'));
}

} // namespace tessary
