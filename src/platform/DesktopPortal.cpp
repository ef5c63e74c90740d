// SPDX-License-Identifier: MIT
#include "platform/DesktopPortal.h"

#include "platform/PortalProtocol.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace tessary {

namespace {

const QString kService = QString::fromLatin1(PortalProtocol::service);
const QString kObject = QString::fromLatin1(PortalProtocol::objectPath);
const QString kScreenshot = QString::fromLatin1(PortalProtocol::screenshotInterface);
const QString kRequest = QString::fromLatin1(PortalProtocol::requestInterface);

DesktopPortal::Status statusOfError(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::Disconnected:
        return DesktopPortal::Status::NoService;
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownObject:
        return DesktopPortal::Status::NoMethod;
    default:
        return DesktopPortal::Status::Failed;
    }
}

DesktopPortal::Status statusOfResponse(uint code)
{
    switch (code) {
    case PortalProtocol::Success:
        return DesktopPortal::Status::Success;
    case PortalProtocol::Cancelled:
        return DesktopPortal::Status::Cancelled;
    default:
        return DesktopPortal::Status::Failed;
    }
}

} // namespace

// One request: listens for its Response, ends with exactly one result, then goes away.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    PortalRequest(const QDBusConnection& bus, DesktopPortal::Done done, int timeoutMs, QObject* parent)
        : QObject(parent)
        , m_bus(bus)
        , m_done(std::move(done))
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            // Let the portal drop its dialog too; the answer is not waited for.
            m_bus.asyncCall(QDBusMessage::createMethodCall(kService, m_path, kRequest, QStringLiteral("Close")));
            finish({DesktopPortal::Status::Failed, {}});
        });
        m_timer.start(timeoutMs);
    }

    bool listen(const QString& path)
    {
        if (path == m_path)
            return true;
        stopListening();
        m_path = path;
        return m_bus.connect(kService, m_path, kRequest, QStringLiteral("Response"), this,
                             SLOT(onResponse(uint, QVariantMap)));
    }

    void finish(const DesktopPortal::Result& result)
    {
        if (!m_done)
            return;
        stopListening();
        m_timer.stop();
        const DesktopPortal::Done done = std::move(m_done);
        m_done = nullptr;
        deleteLater();
        done(result);
    }

    void callReturned(QDBusPendingCallWatcher* watcher)
    {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            finish({statusOfError(reply.error()), {}});
            return;
        }
        // Portals older than the predictable request paths answer on the path they return.
        const QString handle = reply.value().path();
        if (m_done && !handle.isEmpty() && !listen(handle))
            finish({DesktopPortal::Status::Failed, {}});
    }

public slots:
    void onResponse(uint code, const QVariantMap& results) { finish({statusOfResponse(code), results}); }

private:
    void stopListening()
    {
        if (!m_path.isEmpty())
            m_bus.disconnect(kService, m_path, kRequest, QStringLiteral("Response"), this,
                             SLOT(onResponse(uint, QVariantMap)));
    }

    QDBusConnection m_bus;
    DesktopPortal::Done m_done;
    QString m_path;
    QTimer m_timer;
};

DesktopPortal::DesktopPortal(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
}

void DesktopPortal::deliver(Done done, const Result& result)
{
    QMetaObject::invokeMethod(this, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
}

void DesktopPortal::request(const QString& method, QVariantMap options, Done done, int timeoutMs)
{
    if (!m_bus.isConnected()) {
        deliver(std::move(done), {Status::NoService, {}});
        return;
    }
    // The answer is handed on from the event loop, never from inside the D-Bus dispatch.
    auto* pending = new PortalRequest(
        m_bus, [this, done = std::move(done)](const Result& r) { deliver(done, r); },
        timeoutMs < 0 ? m_timeoutMs : timeoutMs, this);
    const QString token = PortalProtocol::handleToken(QRandomGenerator::global()->generate());
    if (!pending->listen(PortalProtocol::requestPath(m_bus.baseService(), token))) {
        pending->finish({Status::Failed, {}});
        return;
    }
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenshot, method);
    // No parent window: there is no portable handle for one on Wayland.
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), pending);
    connect(watcher, &QDBusPendingCallWatcher::finished, pending, &PortalRequest::callReturned);
}

void DesktopPortal::screenshot(Done done)
{
    request(QStringLiteral("Screenshot"),
            {{QStringLiteral("modal"), true}, {QStringLiteral("interactive"), false}}, std::move(done));
}

void DesktopPortal::pickColor(Done done)
{
    request(QStringLiteral("PickColor"), {}, std::move(done));
}

void DesktopPortal::version(std::function<void(uint)> done) { version(std::move(done), -1); }

void DesktopPortal::version(std::function<void(uint)> done, int timeoutMs)
{
    if (!m_bus.isConnected()) {
        QMetaObject::invokeMethod(this, [done = std::move(done)] { done(0); }, Qt::QueuedConnection);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kScreenshot << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [done = std::move(done)](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        done(reply.isError() ? 0u : reply.value().variant().toUInt());
    });
}

void DesktopPortal::ask(AnswerDone done)
{
    using Answer = IScreenCapture::DesktopAnswer;
    using Kind = Answer::Kind;
    // One deadline for the whole question: a silent portal must not get the full time once
    // for the screenshot and again for its picker.
    const QDeadlineTimer deadline(m_timeoutMs);
    const auto left = [deadline] { return int(std::max<qint64>(0, deadline.remainingTime())); };
    const auto pick = [this, done, left] {
        if (left() == 0) {
            done({Kind::Unavailable, {}, 0});
            return;
        }
        version([this, done, left](uint v) {
            if (v < 2 || left() == 0) {
                done({Kind::Unavailable, {}, 0});
                return;
            }
            request(QStringLiteral("PickColor"), {}, [done](const Result& r) {
                std::int32_t colour = 0;
                if (r.status == Status::Success && pickedColour(r, colour))
                    done({Kind::Colour, {}, colour});
                else
                    done({r.status == Status::Cancelled ? Kind::Cancelled : Kind::Unavailable, {}, 0});
            }, left());
        }, left());
    };
    screenshot([done, pick](const Result& r) {
        if (r.status == Status::Cancelled) {
            done({Kind::Cancelled, {}, 0});
            return;
        }
        if (r.status == Status::NoService) {
            done({Kind::Unavailable, {}, 0});
            return;
        }
        const QImage image = screenshotImage(r);
        if (!image.isNull()) {
            done({Kind::Screenshot, image, 0});
            return;
        }
        pick();
    });
}

QImage DesktopPortal::screenshotImage(const Result& result)
{
    if (result.status != Status::Success)
        return {};
    const QUrl uri(result.results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile())
        return {};
    // The file is the portal's: where it keeps it is its own choice, so it is left alone.
    return QImage(uri.toLocalFile());
}

bool DesktopPortal::pickedColour(const Result& result, std::int32_t& colour)
{
    const QVariant value = result.results.value(QStringLiteral("color"));
    if (!value.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument arg = value.value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("(ddd)"))
        return false;
    double red = 0;
    double green = 0;
    double blue = 0;
    arg.beginStructure();
    arg >> red >> green >> blue;
    arg.endStructure();
    colour = PortalProtocol::colourValue(red, green, blue);
    return true;
}

} // namespace tessary

#include "DesktopPortal.moc"
