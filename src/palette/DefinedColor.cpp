// SPDX-License-Identifier: MIT
#include "palette/DefinedColor.h"

#include "palette/IColorList.h"
#include "palette/PaletteReader.h"
#include "platform/AtomicFileWriter.h"
#include "platform/Cp932Codec.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace tessary {

namespace {

void appendField(QByteArray& out, const QString& text)
{
    out += '"';
    QByteArray bytes = Cp932Codec::encode(text);
    // A quote inside a field is written doubled so that it reads back intact; one right before
    // a comma or a line end does not, as the reader takes it for the end of the field.
    if (bytes.contains('"'))
        bytes.replace("\"", "\"\"");
    out += bytes;
    out += '"';
}

void appendRecord(QByteArray& out, const QString& a, const QString& b, const QString& c)
{
    appendField(out, a);
    out += ',';
    appendField(out, b);
    out += ',';
    appendField(out, c);
    out += "\r\n";
}

} // namespace

void DefinedColor::resetCollection()
{
    colorCollection = DefinedColorCollection();
}

PaletteStatus DefinedColor::addColor(const QString& code, const QString& name, const QString& comment)
{
    auto color = std::make_shared<DefinedColorModel>();
    color->setColorCode(code);
    color->setColorName(name);
    color->setComment(comment);
    const QString key = color->colorName();
    if (key.isEmpty())
        return PaletteStatus::unknownError();
    if (!colorCollection.add(color, key))
        return PaletteStatus::duplicateName();
    return PaletteStatus::ok();
}

PaletteStatus DefinedColor::renameColor(std::int32_t position, const QString& name)
{
    const auto color = colorCollection.item(position);
    if (!color)
        return PaletteStatus::unknownError();
    const QString key = name.isEmpty() ? color->colorCode() : name;
    if (key.isEmpty())
        return PaletteStatus::unknownError();
    if (!colorCollection.rekey(position, key))
        return PaletteStatus::duplicateName();
    color->setColorName(name);
    return PaletteStatus::ok();
}

void DefinedColor::removeChip(std::int32_t position)
{
    if (!colorCollection.item(position))
        return;
    colorCollection.remove(position);
    addCombo();
    selectFirstEntry();
}

void DefinedColor::addCombo()
{
    if (!m_colorListControl)
        return;
    QStringList entries;
    entries.reserve(colorCollection.count());
    for (const auto& color : colorCollection) {
        const QString name = color->colorName();
        entries.append(name.isEmpty() ? color->colorCode() : name);
    }
    m_colorListControl->setEntries(entries);
}

void DefinedColor::selectFirstEntry()
{
    if (m_colorListControl && m_colorListControl->count() > 0)
        m_colorListControl->setCurrentIndex(0);
}

QByteArray DefinedColor::toBytes() const
{
    QByteArray out;
    out.reserve(64 + qsizetype(colorCollection.count()) * 40);
    appendRecord(out, m_paletteName, QString(), m_paletteComment);
    for (const auto& color : colorCollection)
        appendRecord(out, color->colorCode(), color->colorName(), color->comment());
    return out;
}

PaletteStatus DefinedColor::saveColor(QIODevice& device) const
{
    const QByteArray bytes = toBytes();
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly))
        return PaletteStatus::writeError(QString());
    if (device.write(bytes) != bytes.size())
        return PaletteStatus::writeError(QString());
    return PaletteStatus::ok();
}

PaletteStatus DefinedColor::saveColor(const QString& fileName) const
{
    if (fileName.isEmpty() || QFileInfo(fileName).isDir())
        return PaletteStatus::writeError(fileName);
    const AtomicWriteResult written = AtomicFileWriter::write(fileName, toBytes());
    if (written.replaced())
        return PaletteStatus::savedUnsynced(fileName, written.reason());
    if (!written)
        return PaletteStatus::writeError(fileName, written.reason());
    return PaletteStatus::ok();
}

QList<PaletteStatus> DefinedColor::loadColor(const QString& fileName)
{
    // Only a regular file: a pipe or a device would keep the reader waiting.
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return {PaletteStatus::readError()};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {PaletteStatus::readError()};
    return loadColor(file);
}

QList<PaletteStatus> DefinedColor::loadColor(QIODevice& device)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return {PaletteStatus::readError()};
    if (!device.isSequential() && device.size() - device.pos() > kMaxFileBytes)
        return {PaletteStatus::readError()};
    const QByteArray bytes = device.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return {PaletteStatus::readError()};
    return loadBytes(bytes);
}

QList<PaletteStatus> DefinedColor::loadBytes(QByteArrayView bytes)
{
    QList<PaletteStatus> problems;
    if (m_colorListControl)
        m_colorListControl->clear();
    resetCollection();

    PaletteReader reader(bytes);
    std::array<QString, 3> fields;
    bool header = true;
    for (;;) {
        const PaletteReader::Result r = reader.next(fields);
        if (r == PaletteReader::Result::End)
            break;
        if (r != PaletteReader::Result::Record) {
            problems.append(PaletteStatus::readError());
            break;
        }
        if (header) {
            m_paletteName = fields[0];
            m_paletteComment = fields[2];
            header = false;
            continue;
        }
        const PaletteStatus added = addColor(fields[0], fields[1], fields[2]);
        if (!added.isOk())
            problems.append(added);
    }

    // Also after a read error: the list then shows the colours read so far.
    addCombo();
    selectFirstEntry();
    if (m_colorListControl)
        m_colorListControl->refresh();
    return problems;
}

} // namespace tessary
