// SPDX-License-Identifier: MIT
// Stops the real program with a signal and looks at what it left on disk.
#include "settings/CiniFile.h"
#include "settings/ConfigRecord.h"
#include "TempFolder.h"

#include <QFile>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary {
namespace {

using test::TempFolder;

pid_t startProgram(const QString& folder)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (chdir(folder.toLocal8Bit().constData()) != 0)
        _exit(126);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int log = open("program.log", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) {
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
    }
    execl(TESSARY_EXE, "tessary", static_cast<char*>(nullptr));
    _exit(127);
}

// True once the program handles the signal itself.
bool waitUntilCaught(pid_t pid, int sig)
{
    for (int i = 0; i < 500; ++i) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("SigCgt:")) {
                    const quint64 mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
                    if (mask & (quint64(1) << (sig - 1)))
                        return true;
                }
            }
        }
        QThread::msleep(20);
    }
    return false;
}

// The exit status, or -1 when the program had to be killed after 20 s.
int waitForExit(pid_t pid)
{
    for (int i = 0; i < 1000; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        QThread::msleep(20);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

ConfigRecord scheme()
{
    ConfigRecord r;
    r.prefix = QString();
    r.latticeLineWidth = 4;
    r.latticeDivideNum = 9;
    r.divideDivideNum = 3;
    r.sonsOutSideWidth = 17;
    r.style = 4;
    r.fonts[1].name = QStringLiteral("Arial");
    r.fonts[1].size = 15.5;
    r.fonts[1].italic = true;
    r.texts = {QString::fromUtf8("上"), QStringLiteral("middle"), QString::fromUtf8("下")};
    r.colors = {0x0000FF, 0x00FF00, 0xFF0000, 0x101010, 0xEEEEEE};
    return r;
}

struct SignalCase {
    const char* name;
    std::vector<int> signalsSent;
};

void PrintTo(const SignalCase& c, std::ostream* os) { *os << c.name; }

class ProgramSignal : public ::testing::TestWithParam<SignalCase> {};

TEST_P(ProgramSignal, LeavesCompleteSettingsAndExitsCleanly)
{
    TempFolder dir;
    const QString ini = dir.path(QStringLiteral("tessary.ini"));
    {
        CiniFile file(ini);
        scheme().write(file);
        ASSERT_TRUE(file.flush().ok());
    }
    const pid_t pid = startProgram(dir.folder());
    ASSERT_GT(pid, 0);
    const int first = GetParam().signalsSent.front();
    if (!waitUntilCaught(pid, first)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "the program never set up its signal handling: " << TempFolder::read(dir.path("program.log")).constData();
    }
    for (const int sig : GetParam().signalsSent)
        kill(pid, sig);
    EXPECT_EQ(waitForExit(pid), 0) << TempFolder::read(dir.path("program.log")).constData();

    const QByteArray bytes = TempFolder::read(ini);
    for (const char* section : {"[General]", "[WindowPosition]", "[StyleLattice]", "[StyleDivide]",
                                "[StyleSquareOnSquare]", "[Style]", "[Font 1]", "[Text]", "[Font 2]", "[Font 3]",
                                "[Color]"})
        EXPECT_TRUE(bytes.contains(QByteArray(section) + "\r\n")) << section;
    EXPECT_TRUE(bytes.endsWith("ColorObject 4=15658734\r\n")) << bytes.constData();

    CiniFile file(ini);
    ConfigRecord saved = ConfigRecord::read(file, QString());
    ConfigRecord expected = scheme();
    expected.mainWindow = saved.mainWindow;   // where the program put its windows
    expected.tessaryWindow = saved.tessaryWindow;
    EXPECT_EQ(saved, expected);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSignal,
                         ::testing::Values(SignalCase{"Terminate", {SIGTERM}}, SignalCase{"Interrupt", {SIGINT}},
                                           SignalCase{"HangUp", {SIGHUP}},
                                           SignalCase{"TerminateTwice", {SIGTERM, SIGTERM}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessary
