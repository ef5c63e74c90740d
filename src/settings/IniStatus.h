// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// The outcome of a settings-file operation: success, or failure with a readable message.
class IniStatus {
public:
    static IniStatus success() { return IniStatus(); }
    static IniStatus failure(const QString& message) { return IniStatus(message); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }

private:
    IniStatus() = default;
    explicit IniStatus(const QString& message) : m_ok(false), m_message(message) {}

    bool m_ok = true;
    QString m_message;
};

} // namespace tessary
