// SPDX-License-Identifier: MIT
#include "platform/AtomicFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <algorithm>
#include <string>
#include <windows.h>
#endif

namespace tessary {

namespace {

using Step = AtomicFileWriter::Step;

// Names tried for the temporary file before giving up.
constexpr int kMaxNameTries = 100;

// The operating system's side of a write; every call returns false and leaves its reason
// in error() when it fails.
#if defined(Q_OS_UNIX)

using Handle = int;
constexpr Handle kNoHandle = -1;

int error() { return errno; }

bool createNew(const QString& path, Handle& h)
{
    // 0666 under the umask, as any new file of the user's.
    h = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return h != kNoHandle;
}

bool nameTaken() { return errno == EEXIST; }

void copyPermissions(Handle h, const QString& from)
{
    // Best effort: file systems without permissions refuse, and the file is still written.
    struct stat st {};
    if (::stat(QFile::encodeName(from).constData(), &st) == 0)
        (void)::fchmod(h, st.st_mode & 07777);
}

bool writeAll(Handle h, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(h, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool syncFile(Handle h) { return ::fsync(h) == 0; }

// On Linux the descriptor is released even when close reports an error.
bool closeFile(Handle h) { return ::close(h) == 0 || errno == EINTR; }

void removeFile(const QString& path) { (void)::unlink(QFile::encodeName(path).constData()); }

bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES;   // a folder we may write but not read cannot be synced by us
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return synced;
}

#elif defined(Q_OS_WIN)

using Handle = HANDLE;
const Handle kNoHandle = INVALID_HANDLE_VALUE;

int error() { return int(GetLastError()); }

std::wstring native(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

bool createNew(const QString& path, Handle& h)
{
    h = CreateFileW(native(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h != kNoHandle;
}

bool nameTaken() { return GetLastError() == ERROR_FILE_EXISTS; }

void copyPermissions(Handle, const QString&) {}

bool writeAll(Handle h, const char* data, qint64 size)
{
    while (size > 0) {
        const DWORD chunk = DWORD(std::min<qint64>(size, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(h, data, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool syncFile(Handle h) { return FlushFileBuffers(h) != 0; }
bool closeFile(Handle h) { return CloseHandle(h) != 0; }
void removeFile(const QString& path) { DeleteFileW(native(path).c_str()); }

bool renameOver(const QString& from, const QString& to)
{
    // Write-through: the move is on the disk when the call returns, folder entry included.
    return MoveFileExW(native(from).c_str(), native(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool syncFolder(const QString&) { return true; }

#endif

QString temporaryName(const QString& folder, const QString& fileName)
{
    return QStringLiteral("%1/.%2.%3.tmp")
        .arg(folder, fileName)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

QString describe(Step step, const QString& path, int code)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString reason = qt_error_string(code);
    switch (step) {
    case Step::Create:
        return QStringLiteral("cannot create a temporary file beside %1: %2").arg(shown, reason);
    case Step::Write:
    case Step::Close:
        return QStringLiteral("cannot write %1: %2").arg(shown, reason);
    case Step::Sync:
        return QStringLiteral("cannot write %1 to the disk: %2").arg(shown, reason);
    case Step::Rename:
        return QStringLiteral("cannot replace %1: %2").arg(shown, reason);
    case Step::SyncFolder:
        return QStringLiteral("%1 was replaced, but its folder could not be synced to the disk: %2").arg(shown, reason);
    }
    return QString();
}

} // namespace

AtomicFileWriter::AtomicFileWriter(FaultInjector fault)
    : m_fault(std::move(fault))
{
}

namespace {
AtomicFileWriter::FaultInjector& faultForAllWrites()
{
    static AtomicFileWriter::FaultInjector fault;
    return fault;
}
} // namespace

void AtomicFileWriter::setFaultForAllWrites(FaultInjector fault) { faultForAllWrites() = std::move(fault); }

AtomicWriteResult AtomicFileWriter::write(const QString& path, const QByteArray& bytes)
{
    return AtomicFileWriter(faultForAllWrites()).replace(path, bytes);
}

AtomicWriteResult AtomicFileWriter::replace(const QString& path, const QByteArray& bytes) const
{
    if (path.isEmpty())
        return AtomicWriteResult::failure(QStringLiteral("no file name given"));
    QFileInfo info(path);
    if (info.isSymLink())
        info.setFile(info.symLinkTarget());
    const QString target = info.absoluteFilePath();
    if (info.exists() && !info.isFile())
        return AtomicWriteResult::failure(QStringLiteral("%1 is not a file").arg(QDir::toNativeSeparators(target)),
                                          QCoreApplication::translate("AtomicFileWriter", "通常のファイルではありません"));
    // Renaming over a read-only file would replace it; it stays as it is instead.
    if (info.exists() && !info.isWritable())
        return AtomicWriteResult::failure(QStringLiteral("%1 is read-only").arg(QDir::toNativeSeparators(target)),
                                          QCoreApplication::translate("AtomicFileWriter", "読み取り専用です"));

    Step step = Step::Create;
    int code = 0;
    // Runs one step unless the injected fault stops it; false with step and code set on failure.
    auto run = [&](Step s, auto&& action) {
        step = s;
        if (m_fault) {
            if ((code = m_fault(s)) != 0)
                return false;
        }
        if (action())
            return true;
        code = error();
        return false;
    };

    QString temporary;
    Handle handle = kNoHandle;
    const bool created = run(Step::Create, [&] {
        for (int i = 0; i < kMaxNameTries; ++i) {
            temporary = temporaryName(info.absolutePath(), info.fileName());
            if (createNew(temporary, handle))
                return true;
            if (!nameTaken())
                return false;
        }
        return false;
    });
    auto failed = [&] { return AtomicWriteResult::failure(describe(step, target, code), qt_error_string(code)); };
    if (!created)
        return failed();
    if (info.exists())
        copyPermissions(handle, target);

    bool closed = false;
    const bool written = run(Step::Write, [&] { return writeAll(handle, bytes.constData(), bytes.size()); })
        && run(Step::Sync, [&] { return syncFile(handle); })
        && run(Step::Close, [&] {
               closed = true;
               return closeFile(handle);
           });
    if (!written) {
        if (!closed)
            closeFile(handle);
        removeFile(temporary);
        return failed();
    }
    if (!run(Step::Rename, [&] { return renameOver(temporary, target); })) {
        removeFile(temporary);
        return failed();
    }
    if (!run(Step::SyncFolder, [&] { return syncFolder(info.absolutePath()); }))
        return AtomicWriteResult::failure(describe(step, target, code), qt_error_string(code), true);
    return AtomicWriteResult::success();
}

} // namespace tessary
