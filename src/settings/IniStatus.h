// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// The outcome of a settings-file operation: success, or failure with a readable message.
class IniStatus {
public:
    static IniStatus success() { return IniStatus(); }
    static IniStatus failure(const QString& message, const QString& reason = {}, bool replaced = false)
    {
        IniStatus s(message);
        s.m_reason = reason.isEmpty() ? message : reason;
        s.m_replaced = replaced;
        return s;
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }
    // The system's own words for the failure.
    const QString& reason() const { return m_reason; }
    // The new file is in place, but may not survive a power loss.
    bool replaced() const { return m_replaced; }

private:
    IniStatus() = default;
    explicit IniStatus(const QString& message) : m_ok(false), m_message(message) {}

    bool m_ok = true;
    bool m_replaced = false;
    QString m_message;
    QString m_reason;
};

} // namespace tessary
