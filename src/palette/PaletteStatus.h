// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// The outcome of a palette operation: success, or a failure with the message that the
// window shows to the user (exactly as it is to appear in the message box).
class PaletteStatus {
public:
    enum Code { Ok = 0, DuplicateName, UnknownError, ReadError, WriteError, SavedUnsynced };

    PaletteStatus() = default;
    static PaletteStatus ok() { return {}; }
    static PaletteStatus duplicateName();
    static PaletteStatus unknownError();
    static PaletteStatus readError();
    // reason: the system's words for the failure, shown after the file's name.
    static PaletteStatus writeError(const QString& fileName, const QString& reason = {});
    // The file was written, but may not survive a power loss: the palette counts as saved.
    static PaletteStatus savedUnsynced(const QString& fileName, const QString& reason);

    bool isOk() const { return m_code == Ok; }
    Code code() const { return m_code; }
    const QString& message() const { return m_message; }
    // The classic status number: 0 success, 1 refused.
    int result() const { return isOk() ? 0 : 1; }

private:
    PaletteStatus(Code code, QString message)
        : m_code(code)
        , m_message(std::move(message))
    {
    }

    Code m_code = Ok;
    QString m_message;
};

} // namespace tessary
