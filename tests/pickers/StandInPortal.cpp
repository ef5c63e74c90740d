// SPDX-License-Identifier: MIT
#include "StandInPortal.h"

#include "platform/PortalProtocol.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QTimer>

namespace {
struct Rgb {
    double red, green, blue;
};
} // namespace

Q_DECLARE_METATYPE(Rgb)

namespace {

QDBusArgument& operator<<(QDBusArgument& arg, const Rgb& c)
{
    arg.beginStructure();
    arg << c.red << c.green << c.blue;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, Rgb& c)
{
    arg.beginStructure();
    arg >> c.red >> c.green >> c.blue;
    arg.endStructure();
    return arg;
}

const QString kService = QString::fromLatin1(tessary::PortalProtocol::service);
const QString kObject = QString::fromLatin1(tessary::PortalProtocol::objectPath);
const QString kScreenshot = QString::fromLatin1(tessary::PortalProtocol::screenshotInterface);

} // namespace

namespace tessary::test {

StandInPortal::StandInPortal(const QDBusConnection& bus)
    : m_bus(bus)
{
    qDBusRegisterMetaType<Rgb>();
}

StandInPortal::~StandInPortal()
{
    if (m_started) {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(kObject, QDBusConnection::UnregisterTree);
    }
}

bool StandInPortal::start()
{
    m_started = m_bus.registerVirtualObject(kObject, this, QDBusConnection::SubPath) && m_bus.registerService(kService);
    return m_started;
}

QString StandInPortal::introspect(const QString&) const
{
    return {};
}

bool StandInPortal::handleMessage(const QDBusMessage& message, const QDBusConnection&)
{
    const QString member = message.member();
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") && member == QLatin1String("Get")) {
        const QVariantList args = message.arguments();
        const bool version = args.value(0).toString() == kScreenshot && args.value(1).toString() == QLatin1String("version");
        if (script.version > 0 && version)
            m_bus.send(message.createReply(QVariant::fromValue(QDBusVariant(script.version))));
        else
            m_bus.send(message.createErrorReply(QDBusError::UnknownInterface, QStringLiteral("no such interface")));
        return true;
    }
    if (member == QLatin1String("Close") && message.path() != kObject) {
        closed.append(message.path());
        m_bus.send(message.createReply());
        return true;
    }
    if (message.path() == kObject && member == QLatin1String("Screenshot")) {
        request(message, script.screenshot);
        return true;
    }
    if (message.path() == kObject && member == QLatin1String("PickColor")) {
        request(message, script.pickColor);
        return true;
    }
    m_bus.send(message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("no such method")));
    return true;
}

void StandInPortal::request(const QDBusMessage& message, Answer answer)
{
    if (answer == Answer::NoMethod) {
        m_bus.send(message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("no such method")));
        return;
    }
    const QVariantList args = message.arguments();
    Call call{message.member(), args.value(0).toString(), qdbus_cast<QVariantMap>(args.value(1)), {}};
    const QString token = call.options.value(QStringLiteral("handle_token")).toString();
    call.handle = script.ownPath ? kObject + QStringLiteral("/request/standin/r%1").arg(++m_ownPaths)
                                 : PortalProtocol::requestPath(message.service(), token);
    calls.append(call);
    if (called)
        called(call);

    const QDBusMessage reply = message.createReply(QVariant::fromValue(QDBusObjectPath(call.handle)));
    if (answer == Answer::Silent) {
        m_bus.send(reply);
        return;
    }
    QVariantMap results;
    if (answer == Answer::Success && call.method == QLatin1String("Screenshot"))
        results.insert(QStringLiteral("uri"), script.uri);
    if (answer == Answer::Success && call.method == QLatin1String("PickColor"))
        results.insert(QStringLiteral("color"), QVariant::fromValue(Rgb{script.red, script.green, script.blue}));
    const uint code = answer == Answer::Success ? 0u : answer == Answer::Cancel ? 1u : 2u;
    QDBusMessage response = QDBusMessage::createTargetedSignal(message.service(), call.handle,
                                                               QString::fromLatin1(PortalProtocol::requestInterface),
                                                               QStringLiteral("Response"));
    response << code << results;
    if (script.answerBeforeReturn) {
        m_bus.send(response);
        m_bus.send(reply);
        return;
    }
    m_bus.send(reply);
    // As a user would, the answer comes a moment after the dialog opened.
    QTimer::singleShot(20, this, [bus = m_bus, response]() mutable { bus.send(response); });
}

} // namespace tessary::test
