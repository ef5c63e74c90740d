// SPDX-License-Identifier: MIT
#include "palette/DefinedColor.h"
#include "platform/AtomicFileWriter.h"
#include "settings/CiniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace tessary;
using Step = AtomicFileWriter::Step;

namespace {

// A full disk in the system's own error numbers, which the writer reports.
#ifdef Q_OS_WIN
constexpr int kDiskFull = ERROR_DISK_FULL;
#else
constexpr int kDiskFull = ENOSPC;
#endif

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A step fails as the system would make it fail; the steps after it never run, the
// temporary file goes, and the target keeps its bytes unless it was already replaced.
struct FaultCase {
    const char* name;
    Step failing;
    bool targetExists;
    const char* expectedTarget;   // nullptr: no file
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

const FaultCase kFaultCases[] = {
    {"Create", Step::Create, true, "old"},
    {"Write", Step::Write, true, "old"},
    {"Sync", Step::Sync, true, "old"},
    {"Close", Step::Close, true, "old"},
    {"Rename", Step::Rename, true, "old"},
    {"WriteOfANewFile", Step::Write, false, nullptr},
    {"RenameOfANewFile", Step::Rename, false, nullptr},
    // Too late to keep the old file, not too late to say the new one may not last.
    {"SyncFolder", Step::SyncFolder, true, "new"},
};

class AtomicFileWriterFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(AtomicFileWriterFault, StopsRemovesTheTemporaryFileAndReports)
{
    const FaultCase& c = GetParam();
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.ini"));
    if (c.targetExists)
        writeRaw(target, "old");
    std::vector<Step> asked;
    const AtomicFileWriter writer([&](Step s) {
        asked.push_back(s);
        return s == c.failing ? kDiskFull : 0;
    });

    const AtomicWriteResult r = writer.replace(target, "new");

    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QDir::toNativeSeparators(target))) << r.message().toStdString();
    EXPECT_TRUE(r.message().contains(qt_error_string(kDiskFull))) << r.message().toStdString();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), c.failing);
    EXPECT_EQ(asked.size(), size_t(c.failing) + 1);
    const QStringList left = entries(dir.path());
    if (!c.expectedTarget) {
        EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
        return;
    }
    EXPECT_EQ(left, QStringList{QStringLiteral("target.ini")});
    EXPECT_EQ(readAll(target), c.expectedTarget);
}

INSTANTIATE_TEST_SUITE_P(Steps, AtomicFileWriterFault, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Nothing but the target is left in the folder; an existing file keeps its permissions,
// and a link keeps pointing at the file it named, which now holds the new bytes.
TEST(AtomicFileWriter, ReplacesTheFileKeepingItsPermissionsAndLinks)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "symbolic links, permission bits and the umask are POSIX file semantics";
#endif
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.tcf"));
    const QString link = dir.filePath(QStringLiteral("link.tcf"));
    writeRaw(real, "old");
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(real, link));

    const QByteArray bytes("\"p\",\"\",\"\"\r\n\x82\xa0\r\n", 15);
    const AtomicWriteResult r = AtomicFileWriter::write(link, bytes);

    ASSERT_TRUE(r.ok()) << r.message().toStdString();
    EXPECT_EQ(readAll(real), bytes);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(modeOf(real), 0640);
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("link.tcf"), QStringLiteral("real.tcf")}));

    const QString fresh = dir.filePath(QStringLiteral("fresh.ini"));
    ASSERT_TRUE(AtomicFileWriter::write(fresh, QByteArray()).ok());
    EXPECT_EQ(readAll(fresh), QByteArray());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(fresh), 0666 & ~mask);
}

#ifdef Q_OS_LINUX

// A small file system of its own, mounted for the test and filled to the last byte.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "mounting a file system to fill needs root";
        m_point = m_dir.filePath(QStringLiteral("full"));
        ASSERT_TRUE(QDir().mkdir(m_point));
        if (::mount("tessary-test", QFile::encodeName(m_point).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=64k,mode=0700")
            != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        }
        m_mounted = true;
    }

    void TearDown() override
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_point).constData(), MNT_DETACH);
    }

    QString path(const QString& name) const { return m_point + u'/' + name; }

    // Takes every free byte with a file of its own.
    void fill() const
    {
        QFile ballast(path(QStringLiteral("ballast")));
        ASSERT_TRUE(ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (ballast.write(block) == block.size()) {
        }
        for (const char byte = 'x'; ballast.write(&byte, 1) == 1;) {
        }
    }

    QStringList files() const { return entries(m_point); }

private:
    QTemporaryDir m_dir;
    QString m_point;
    bool m_mounted = false;
};

// The settings and a palette, saved onto a full disk: each save reports failure and the
// files keep their bytes.
TEST_F(FullDisk, SavesFailAndTheFilesKeepTheirBytes)
{
    QByteArray ini;
    for (int i = 0; i < 40; ++i)
        ini += "[Section" + QByteArray::number(i) + "]\r\nKey=value\r\n";
    QByteArray tcf = "\"p\",\"\",\"palette\"\r\n";
    for (int i = 0; i < 150; ++i)
        tcf += "\"" + QByteArray::number(0x102030 + i, 16).toUpper() + "\",\"c" + QByteArray::number(i) + "\",\"\"\r\n";
    writeRaw(path(QStringLiteral("tessary.ini")), ini);
    writeRaw(path(QStringLiteral("p.tcf")), tcf);
    DefinedColor palette;
    ASSERT_TRUE(palette.loadColor(path(QStringLiteral("p.tcf"))).isEmpty());
    fill();

    CiniFile settings(path(QStringLiteral("tessary.ini")));
    settings.writeData(QStringLiteral("General"), QStringLiteral("Prefix"), QStringLiteral("#"));
    const IniStatus saved = settings.flush();
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(readAll(path(QStringLiteral("tessary.ini"))), ini);

    ASSERT_TRUE(palette.addColor(QStringLiteral("FFFFFF"), QStringLiteral("white"), QString()).isOk());
    EXPECT_EQ(palette.saveColor(path(QStringLiteral("p.tcf"))).code(), PaletteStatus::WriteError);
    EXPECT_EQ(readAll(path(QStringLiteral("p.tcf"))), tcf);

    EXPECT_EQ(files(), (QStringList{"ballast", "p.tcf", "tessary.ini"}));
}

#endif

} // namespace
