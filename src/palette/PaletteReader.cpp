// SPDX-License-Identifier: MIT
#include "palette/PaletteReader.h"

#include "platform/Cp932Codec.h"

#include <cstring>

namespace tessary {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

} // namespace

PaletteReader::PaletteReader(QByteArrayView data)
    : m_data(data)
{
}

PaletteReader::Result PaletteReader::next(std::array<QString, 3>& fields)
{
    if (onlyBlanksLeft()) {
        m_pos = m_data.size();
        return Result::End;
    }
    for (QString& f : fields) {
        const Result r = readField(f);
        if (r != Result::Record)
            return r;
    }
    return Result::Record;
}

bool PaletteReader::onlyBlanksLeft() const
{
    for (qsizetype i = m_pos; i < m_data.size(); ++i) {
        const char c = m_data[i];
        if (!isBlank(c) && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

PaletteReader::Result PaletteReader::readField(QString& out)
{
    const qsizetype size = m_data.size();
    const char* bytes = m_data.data();
    while (m_pos < size && isBlank(bytes[m_pos]))
        ++m_pos;
    if (m_pos >= size)
        return Result::Truncated;

    QByteArrayView raw;
    if (bytes[m_pos] == '"') {
        ++m_pos;
        m_buffer.clear();
        for (;;) {
            const void* q = std::memchr(bytes + m_pos, '"', size_t(size - m_pos));
            if (!q)
                return Result::Truncated;
            const qsizetype end = static_cast<const char*>(q) - bytes;
            m_buffer.append(bytes + m_pos, end - m_pos);
            m_pos = end + 1;
            if (m_buffer.size() > kMaxFieldBytes)
                return Result::TooLong;
            // Two quotes are one, unless the second ends the field as earlier versions wrote it.
            if (m_pos + 1 < size && bytes[m_pos] == '"' && !isSeparator(bytes[m_pos + 1])) {
                m_buffer.append('"');
                ++m_pos;
                continue;
            }
            break;
        }
        raw = m_buffer;
        skipToSeparator();
    } else {
        const qsizetype start = m_pos;
        skipToSeparator();
        qsizetype end = m_pos;
        while (end > start && isBlank(bytes[end - 1]))
            --end;
        raw = m_data.sliced(start, end - start);
    }
    if (raw.size() > kMaxFieldBytes)
        return Result::TooLong;
    consumeSeparator();

    if (raw.contains('\0'))
        return Result::Binary;
    out = Cp932Codec::decode(raw);
    return Result::Record;
}

void PaletteReader::skipToSeparator()
{
    const qsizetype size = m_data.size();
    while (m_pos < size && !isSeparator(m_data[m_pos]))
        ++m_pos;
}

void PaletteReader::consumeSeparator()
{
    const qsizetype size = m_data.size();
    if (m_pos >= size)
        return;
    const char c = m_data[m_pos++];
    if (c == '\r' && m_pos < size && m_data[m_pos] == '\n')
        ++m_pos;
}

} // namespace tessary
