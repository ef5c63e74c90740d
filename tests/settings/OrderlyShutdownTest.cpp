// SPDX-License-Identifier: MIT
#include "app/OrderlyShutdown.h"
#ifdef Q_OS_UNIX
#include "app/UnixSignalPipe.h"
#endif
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/AppInfo.h"
#include "platform/OptionButton.h"
#include "settings/frmConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <csignal>

namespace tessary {
namespace {

class OrderlyShutdownTest : public test::GuiTest {
protected:
    QString iniPath() const { return workDir() + u'/' + AppInfo::exeName() + QStringLiteral(".ini"); }

    static bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }
};

// Before a logout the session manager asks for the data to be saved; the user may still
// cancel the logout, so the program goes on with the same object selected.
TEST_F(OrderlyShutdownTest, SavingForTheSessionKeepsTheProgramRunning)
{
    frmMain& main = frmMain::instance();
    test::control<OptionButton>(main, "optSelectObject", 1)->switchOn();
    int quits = 0;
    OrderlyShutdown shutdown([&] { ++quits; });
    shutdown.saveNow();
    EXPECT_TRUE(QFileInfo::exists(iniPath()));
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(frmMain::isInstanceLoaded());
    EXPECT_EQ(frmTessary::instance().selectObject(), 1);
}

TEST_F(OrderlyShutdownTest, SignalRunsTheNormalShutDownOnce)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "POSIX signals; Windows ends the program through the session manager";
#else
    frmMain::instance();
    int quits = 0;
    OrderlyShutdown shutdown([&] { ++quits; });
    UnixSignalPipe pipe({SIGTERM, SIGINT});
    ASSERT_TRUE(pipe.isInstalled());
    QObject::connect(&pipe, &UnixSignalPipe::received, &shutdown, &OrderlyShutdown::request);

    std::raise(SIGTERM);
    ASSERT_TRUE(waitFor([&] { return quits == 1; }));
    EXPECT_FALSE(frmMain::isInstanceLoaded());
    EXPECT_FALSE(frmTessary::isInstanceLoaded());
    ASSERT_TRUE(QFileInfo::exists(iniPath())) << "the main window saved on its way out";

    // Another signal, and the session ending on top: nothing is saved a second time.
    const QByteArray marker("; left alone\r\n");
    writeFile(QFileInfo(iniPath()).fileName(), marker);
    std::raise(SIGINT);
    shutdown.request();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(frmMain::isInstanceLoaded());
    QFile ini(iniPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), marker);
#endif
}

TEST_F(OrderlyShutdownTest, ModalDialogClosesBeforeTheMainWindow)
{
    frmMain& main = frmMain::instance();
    bool quit = false;
    OrderlyShutdown shutdown([&] { quit = true; });
    QStringList order;
    QObject::connect(&main, &Form::unloaded, [&] { order << QStringLiteral("frmMain"); });

    QEventLoop program;   // stands for the main event loop
    QTimer::singleShot(0, [&] {
        frmConfig& dlg = frmConfig::instance();
        QObject::connect(&dlg, &Form::unloaded, [&] { order << QStringLiteral("frmConfig"); });
        QTimer::singleShot(20, [&] { shutdown.request(); });
        dlg.showModal();
        order << QStringLiteral("menu command returned");
        program.quit();
    });
    program.exec();
    ASSERT_TRUE(waitFor([&] { return quit; }));
    EXPECT_EQ(order, (QStringList{"frmConfig", "menu command returned", "frmMain"}));
    EXPECT_TRUE(QFileInfo::exists(iniPath()));
}

// Settings that cannot be saved (a folder stands where the file goes): the user who closes
// the program is told so and where; a shut-down from outside only logs it. The program ends
// either way.
struct ClosingCase {
    const char* name;
    bool savable;
    bool told;
    void (*close)(frmMain& main, OrderlyShutdown& shutdown);
};

void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

const ClosingCase kClosingCases[] = {
    {"QuitMenu", false, true, [](frmMain& main, OrderlyShutdown&) { test::action(main, "mnuQuit")->trigger(); }},
    {"WindowClose", false, true, [](frmMain& main, OrderlyShutdown&) { main.close(); }},
    {"ShutDownFromOutside", false, false, [](frmMain&, OrderlyShutdown& shutdown) { shutdown.request(); }},
    {"QuitMenuSaved", true, false, [](frmMain& main, OrderlyShutdown&) { test::action(main, "mnuQuit")->trigger(); }},
};

class ClosingWithUnsavedSettings : public OrderlyShutdownTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingWithUnsavedSettings, TellsTheUserOnlyWhenTheUserCloses)
{
    const ClosingCase& c = GetParam();
    if (!c.savable) {
        ASSERT_TRUE(QDir().mkdir(iniPath()));
    }
    frmMain& main = frmMain::instance();
    OrderlyShutdown shutdown({});
    c.close(main, shutdown);
    EXPECT_FALSE(frmMain::isInstanceLoaded());
    if (!c.told) {
        EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
        return;
    }
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_EQ(fakes.messageBox->calls[0].text,
              "設定を保存できませんでした。\r\n" + QDir::toNativeSeparators(iniPath()) + "\r\n通常のファイルではありません");
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWithUnsavedSettings, ::testing::ValuesIn(kClosingCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessary
