// SPDX-License-Identifier: MIT
#include "exchange/JsonWriter.h"

namespace tessary {

void JsonWriter::key(const QString& name)
{
    beginValue();
    appendString(name);
    m_out += ": ";
    m_afterKey = true;
}

void JsonWriter::value(const QString& text)
{
    beginValue();
    appendString(text);
}

void JsonWriter::value(int number) { this->number(QString::number(number)); }

void JsonWriter::number(const QString& text)
{
    beginValue();
    m_out += text.toLatin1();
}

QByteArray JsonWriter::finish()
{
    m_out += '\n';
    return std::move(m_out);
}

void JsonWriter::open(char bracket, bool compact)
{
    beginValue();
    m_out += bracket;
    const bool inCompact = !m_frames.empty() && m_frames.back().compact;
    m_frames.push_back({compact || inCompact, 0});
}

void JsonWriter::close(char bracket)
{
    const Frame frame = m_frames.back();
    m_frames.pop_back();
    if (frame.members > 0 && !frame.compact)
        newLine(qsizetype(m_frames.size()));
    m_out += bracket;
}

void JsonWriter::beginValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_frames.empty())
        return;
    Frame& frame = m_frames.back();
    if (frame.members++ > 0)
        m_out += frame.compact ? ", " : ",";
    if (!frame.compact)
        newLine(qsizetype(m_frames.size()));
}

void JsonWriter::newLine(qsizetype depth)
{
    m_out += '\n';
    m_out.append(depth * 2, ' ');
}

void JsonWriter::appendString(const QString& text)
{
    static constexpr char digits[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    m_out += '"';
    qsizetype plain = 0; // start of the bytes not yet copied
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto u = static_cast<unsigned char>(utf8[i]);
        if (u >= 0x20 && u != '"' && u != '\\')
            continue;
        m_out.append(utf8.constData() + plain, i - plain);
        plain = i + 1;
        switch (u) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case '\t':
            m_out += "\\t";
            break;
        default:
            m_out += "\\u00";
            m_out += digits[u >> 4];
            m_out += digits[u & 0xF];
        }
    }
    m_out.append(utf8.constData() + plain, utf8.size() - plain);
    m_out += '"';
}

} // namespace tessary
