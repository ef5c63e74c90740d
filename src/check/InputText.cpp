// SPDX-License-Identifier: MIT
#include "check/InputText.h"

#include "exchange/FirstInvalidUtf8.h"

#include <QFile>

#include <algorithm>

namespace tessary {

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
