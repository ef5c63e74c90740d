// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the INI engine as a file, then reads and writes it the way the
// settings do, and checks what must always hold.
#include "settings/IniDocument.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

using tessary::IniDocument;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniDocument doc = IniDocument::fromBytes(bytes);
    // Nothing is lost or changed by reading.
    check(doc.toBytes() == bytes);

    // Names taken from the input itself reach sections and keys that exist.
    const QString text = QString::fromLatin1(bytes.left(64));
    const QString section = text.section(u']', 0, 0).remove(u'[').trimmed();
    const QString key = text.section(u'=', 0, 0).trimmed();
    (void)doc.read(section, key, QStringLiteral("d"));
    (void)doc.read(QStringLiteral("General"), QStringLiteral("Prefix"), QStringLiteral("#"));

    // A write is read back as written, and survives a trip through the bytes.
    const QString value = QStringLiteral("v%1").arg(size);
    doc.write(QStringLiteral("General"), QStringLiteral("Prefix"), value);
    doc.write(section, QStringLiteral("k"), value);
    check(doc.read(QStringLiteral("general"), QStringLiteral("prefix"), QString()) == value);
    const IniDocument again = IniDocument::fromBytes(doc.toBytes());
    check(again.read(QStringLiteral("GENERAL"), QStringLiteral("PREFIX"), QString()) == value);
    check(again.toBytes() == doc.toBytes());
    return 0;
}
