// SPDX-License-Identifier: MIT
#include "StandInPortal.h"

#include "platform/ColorValue.h"
#include "platform/DesktopPortal.h"
#include "platform/PortalProtocol.h"

#include <QDBusConnection>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace tessary;
using test::StandInPortal;
using Status = DesktopPortal::Status;
using Kind = IScreenCapture::DesktopAnswer::Kind;

namespace {

// A private message bus for the tests of this process, with no services to start on demand
// (a real portal must never answer here).
class PrivateBus {
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty() || !m_dir.isValid()) {
            m_problem = "dbus-daemon is not installed";
            return;
        }
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return;
        f.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                               "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                               "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                    .arg(m_dir.path())
                    .toUtf8());
        f.close();
        m_daemon.start(daemon, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted() && m_daemon.waitForReadyRead(10000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        if (m_address.isEmpty())
            m_problem = "dbus-daemon did not start";
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(2000);
    }
    QString address() const { return m_address; }
    const char* problem() const { return m_problem; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    const char* m_problem = nullptr;
};

class DesktopPortalTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_bus = new PrivateBus; }
    static void TearDownTestSuite()
    {
        delete s_bus;
        s_bus = nullptr;
    }

    void SetUp() override
    {
        if (s_bus->address().isEmpty())
            GTEST_SKIP() << s_bus->problem();
        ++s_connections;
        m_clientName = QStringLiteral("client%1").arg(s_connections);
        m_portalName = QStringLiteral("portal%1").arg(s_connections);
        client = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(s_bus->address(), m_clientName));
        ASSERT_TRUE(client->isConnected());
        freshStandIn();
        portal = std::make_unique<DesktopPortal>(*client);
    }

    void TearDown() override
    {
        portal.reset();
        standIn.reset();
        client.reset();
        QDBusConnection::disconnectFromBus(m_portalName);
        QDBusConnection::disconnectFromBus(m_clientName);
    }

    // A stand-in with an empty script and no calls, not yet on the bus.
    void freshStandIn()
    {
        standIn.reset();
        standIn = std::make_unique<StandInPortal>(QDBusConnection(m_portalName).isConnected()
                                                      ? QDBusConnection(m_portalName)
                                                      : QDBusConnection::connectToBus(s_bus->address(), m_portalName));
    }

    DesktopPortal::Result screenshot()
    {
        std::optional<DesktopPortal::Result> result;
        portal->screenshot([&](const DesktopPortal::Result& r) { result = r; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 5000));
        return result.value_or(DesktopPortal::Result{});
    }

    IScreenCapture::DesktopAnswer ask()
    {
        std::optional<IScreenCapture::DesktopAnswer> answer;
        portal->ask([&](const IScreenCapture::DesktopAnswer& a) { answer = a; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
        return answer.value_or(IScreenCapture::DesktopAnswer{});
    }

    QStringList methodsCalled() const
    {
        QStringList methods;
        for (const StandInPortal::Call& c : standIn->calls)
            methods << c.method;
        return methods;
    }

    std::unique_ptr<QDBusConnection> client;
    std::unique_ptr<StandInPortal> standIn;
    std::unique_ptr<DesktopPortal> portal;

private:
    static inline PrivateBus* s_bus = nullptr;
    static inline int s_connections = 0;
    QString m_clientName;
    QString m_portalName;
};

} // namespace

TEST_F(DesktopPortalTest, RequestsCarryTheirOptionsAndAnswerOnThePredictedPath)
{
    ASSERT_TRUE(standIn->start());
    standIn->script.uri = QStringLiteral("file:///nowhere.png");
    const QVariantMap screenshotOptions{{QStringLiteral("modal"), true}, {QStringLiteral("interactive"), false}};
    struct Row {
        const char* method;
        std::function<void(DesktopPortal::Done)> call;
        QVariantMap options;   // besides handle_token
    };
    const Row rows[] = {
        {"Screenshot", [&](DesktopPortal::Done d) { portal->screenshot(std::move(d)); }, screenshotOptions},
        {"PickColor", [&](DesktopPortal::Done d) { portal->pickColor(std::move(d)); }, {}},
    };
    const QRegularExpression tokenChars(QStringLiteral("^[A-Za-z0-9_]+$"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.method);
        standIn->calls.clear();
        std::optional<DesktopPortal::Result> result;
        row.call([&](const DesktopPortal::Result& r) { result = r; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 5000));
        EXPECT_EQ(result->status, Status::Success);
        ASSERT_EQ(standIn->calls.size(), 1);
        const StandInPortal::Call& call = standIn->calls[0];
        EXPECT_EQ(call.method, QLatin1String(row.method));
        EXPECT_EQ(call.parentWindow, QString());
        QVariantMap options = call.options;
        const QString token = options.take(QStringLiteral("handle_token")).toString();
        EXPECT_TRUE(tokenChars.match(token).hasMatch()) << token.toStdString();
        EXPECT_EQ(options, row.options);
        EXPECT_EQ(call.handle, PortalProtocol::requestPath(client->baseService(), token));
    }
}

TEST_F(DesktopPortalTest, AnswersOfARequest)
{
    using Answer = StandInPortal::Answer;
    struct Row {
        const char* name;
        Answer answer;
        bool before, ownPath, running;
        Status expected;
    };
    const Row rows[] = {
        {"success", Answer::Success, false, false, true, Status::Success},
        {"cancelled in the dialog (1)", Answer::Cancel, false, false, true, Status::Cancelled},
        {"ended otherwise (2)", Answer::Fail, false, false, true, Status::Failed},
        {"answer before the call returns", Answer::Success, true, false, true, Status::Success},
        {"answer on a path of the portal's own", Answer::Success, false, true, true, Status::Success},
        {"no screenshot method", Answer::NoMethod, false, false, true, Status::NoMethod},
        {"no portal on the bus", Answer::Success, false, false, false, Status::NoService},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        freshStandIn();
        standIn->script.screenshot = row.answer;
        standIn->script.uri = QStringLiteral("file:///nowhere.png");
        standIn->script.answerBeforeReturn = row.before;
        standIn->script.ownPath = row.ownPath;
        if (row.running) {
            ASSERT_TRUE(standIn->start());
        }
        const DesktopPortal::Result r = screenshot();
        EXPECT_EQ(r.status, row.expected);
        if (row.expected == Status::Success) {
            EXPECT_EQ(r.results.value(QStringLiteral("uri")).toString(), QStringLiteral("file:///nowhere.png"));
        }
    }
}

TEST_F(DesktopPortalTest, AnUnansweredRequestIsClosedAndFails)
{
    standIn->script.screenshot = StandInPortal::Answer::Silent;
    ASSERT_TRUE(standIn->start());
    portal->setResponseTimeout(100);
    EXPECT_EQ(screenshot().status, Status::Failed);
    ASSERT_EQ(standIn->calls.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !standIn->closed.isEmpty(); }, 5000));
    EXPECT_EQ(standIn->closed, QStringList{standIn->calls[0].handle});
}

// The whole question keeps to one deadline: a screenshot that used it up leaves no time
// to offer the desktop's picker as well.
TEST_F(DesktopPortalTest, OneDeadlineForTheWholeQuestion)
{
    standIn->script.screenshot = StandInPortal::Answer::Silent;
    standIn->script.pickColor = StandInPortal::Answer::Silent;
    ASSERT_TRUE(standIn->start());
    portal->setResponseTimeout(200);
    EXPECT_EQ(ask().kind, Kind::Unavailable);
    EXPECT_EQ(methodsCalled(), QStringList{QStringLiteral("Screenshot")});
}

TEST_F(DesktopPortalTest, WhatTheDesktopGives)
{
    using Answer = StandInPortal::Answer;
    QTemporaryDir dir;
    QImage desktop(40, 30, QImage::Format_RGB32);
    desktop.fill(qRgb(10, 20, 30));
    desktop.setPixel(7, 9, qRgb(1, 2, 3));
    const QString png = dir.filePath(QStringLiteral("shot.png"));
    ASSERT_TRUE(desktop.save(png));
    const QString pngUri = QUrl::fromLocalFile(png).toString();
    const QString missingUri = QUrl::fromLocalFile(dir.filePath(QStringLiteral("gone.png"))).toString();
    constexpr double kJustBelow128 = 128.0 / 255.0 - 1e-9;

    struct Row {
        const char* name;
        Answer screenshot;
        QString uri;
        uint version;
        Answer pick;
        Kind expected;
        QStringList methods;
    };
    const QStringList both{QStringLiteral("Screenshot"), QStringLiteral("PickColor")};
    const QStringList shotOnly{QStringLiteral("Screenshot")};
    const Row rows[] = {
        {"a screenshot", Answer::Success, pngUri, 2, Answer::Success, Kind::Screenshot, shotOnly},
        {"screenshot cancelled", Answer::Cancel, pngUri, 2, Answer::Success, Kind::Cancelled, shotOnly},
        {"screenshot refused, picker offered", Answer::Fail, {}, 2, Answer::Success, Kind::Colour, both},
        {"screenshot unreadable, picker offered", Answer::Success, missingUri, 2, Answer::Success, Kind::Colour, both},
        {"screenshot refused, no picker before version 2", Answer::Fail, {}, 1, Answer::Success, Kind::Unavailable,
         shotOnly},
        {"picker cancelled", Answer::Fail, {}, 2, Answer::Cancel, Kind::Cancelled, both},
        {"picker failed", Answer::Fail, {}, 2, Answer::Fail, Kind::Unavailable, both},
        {"no screenshot interface", Answer::NoMethod, {}, 0, Answer::NoMethod, Kind::Unavailable, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        freshStandIn();
        standIn->script = {row.screenshot, row.uri, row.pick, kJustBelow128, 0.25, 1.0, row.version, false, false};
        ASSERT_TRUE(standIn->start());
        const IScreenCapture::DesktopAnswer a = ask();
        EXPECT_EQ(a.kind, row.expected);
        EXPECT_EQ(methodsCalled(), row.methods);
        if (row.expected == Kind::Colour) {
            EXPECT_EQ(a.colour, ColorValue::pack(128, 64, 255)) << "fractions rounded, not cut off";
        }
        if (row.expected == Kind::Screenshot) {
            EXPECT_EQ(a.image.convertToFormat(QImage::Format_RGB32), desktop);
        }
    }
    freshStandIn();
    EXPECT_EQ(ask().kind, Kind::Unavailable) << "no portal on the bus";
}
