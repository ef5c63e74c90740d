// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tessary {

// Writes JSON text with keys in the order given: UTF-8, two-space indentation, LF line
// ends, one line per member. A container opened as compact keeps itself and everything
// in it on one line. The caller pairs every begin with its end and gives a key before
// each member of an object.
class JsonWriter {
public:
    void beginObject(bool compact = false) { open('{', compact); }
    void endObject() { close('}'); }
    void beginArray(bool compact = false) { open('[', compact); }
    void endArray() { close(']'); }

    // Starts a member of the open object; its value comes next.
    void key(const QString& name);
    void value(const QString& text);
    void value(int number);
    // A number already in JSON form.
    void number(const QString& text);

    // The text, ending in a line end.
    QByteArray finish();

private:
    struct Frame {
        bool compact;
        int members;
    };

    void open(char bracket, bool compact);
    void close(char bracket);
    // Separator and indentation before a new value (nothing after a key).
    void beginValue();
    void newLine(qsizetype depth);
    void appendString(const QString& text);

    QByteArray m_out;
    std::vector<Frame> m_frames;
    bool m_afterKey = false;
};

} // namespace tessary
