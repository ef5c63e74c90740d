// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tessary {

// The outcome of a file write: success, or a failure with a readable message (English,
// naming the file and the system's reason) for logs; windows show their own words.
class AtomicWriteResult {
public:
    static AtomicWriteResult success() { return AtomicWriteResult(); }
    static AtomicWriteResult failure(const QString& message, const QString& reason = {}, bool replaced = false)
    {
        AtomicWriteResult r;
        r.m_ok = false;
        r.m_message = message;
        r.m_reason = reason.isEmpty() ? message : reason;
        r.m_replaced = replaced;
        return r;
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }
    // The system's own words for what went wrong (disk full, permission denied...).
    const QString& reason() const { return m_reason; }
    // The new contents are in place; only making sure they reach the disk failed.
    bool replaced() const { return m_replaced; }

private:
    AtomicWriteResult() = default;

    bool m_ok = true;
    bool m_replaced = false;
    QString m_message;
    QString m_reason;
};

// Replaces a file as a whole: a full disk, a crash or a power cut leaves either the old file
// or the new one, never an empty or a half-written one. Every file the program writes goes
// through here:
//
//     const AtomicWriteResult r = AtomicFileWriter::write(path, bytes);
//     if (!r) ... r.message() ...
//
// The bytes go to a temporary file in the target's folder; every step's result is checked
// (each write, the sync of the file to the disk, its close, the rename over the target,
// the sync of the folder). Until the rename, any failure removes the temporary file and
// leaves the target untouched. A target that exists must be a writable regular file; it
// keeps its permissions. A symbolic link is followed: the file it names is replaced.
// Only a failure to sync the folder comes after the target was replaced; it is reported
// all the same, as the new file may not survive a power cut.
class AtomicFileWriter {
public:
    // The steps of a write, in order. There is no buffer of our own: Write hands every byte
    // to the system and checks the count, Sync waits until the disk has them (where a full
    // disk often shows only now), Close reports what the system found out later still.
    enum class Step { Create, Write, Sync, Close, Rename, SyncFolder };
    // Asked before each step. A non-zero system error number (errno, or GetLastError() on
    // Windows) makes the step fail with it instead of running; zero lets it run.
    using FaultInjector = std::function<int(Step)>;

    // Writes bytes to path as described above.
    static AtomicWriteResult write(const QString& path, const QByteArray& bytes);
    // Makes every write() ask fault first, until it is set empty again: how tests make the
    // program's own saves fail at a step.
    static void setFaultForAllWrites(FaultInjector fault);

    // A writer whose steps ask fault first: the seam through which tests make a step fail.
    explicit AtomicFileWriter(FaultInjector fault = {});
    AtomicWriteResult replace(const QString& path, const QByteArray& bytes) const;

private:
    FaultInjector m_fault;
};

} // namespace tessary
