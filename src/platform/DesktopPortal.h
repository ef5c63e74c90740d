// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IScreenCapture.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>

namespace tessary {

// The desktop portal's screenshot service over D-Bus. Nothing here blocks: a request's
// answer comes as a Response signal from a request object, subscribed to before the call so
// that a quick answer cannot be missed, and every answer is handed on from the event loop.
// Requests belong to this object: destroying it drops their answers.
class DesktopPortal : public QObject {
    Q_OBJECT
public:
    enum class Status {
        Success,
        Cancelled,   // the user cancelled
        Failed,      // the portal ended the request otherwise, or gave no answer in time
        NoService,   // nobody owns the portal's name on the bus
        NoMethod,    // the portal has no screenshot service
    };
    struct Result {
        Status status = Status::Failed;
        QVariantMap results;
    };
    using Done = std::function<void(const Result&)>;
    using AnswerDone = std::function<void(const IScreenCapture::DesktopAnswer&)>;

    explicit DesktopPortal(const QDBusConnection& bus, QObject* parent = nullptr);

    // An unanswered request is closed after this many milliseconds and counts as failed, so
    // that a hung portal cannot keep the picker waiting for ever. ask() keeps to it as a
    // whole, whatever number of requests it takes.
    void setResponseTimeout(int ms) { m_timeoutMs = ms; }

    void screenshot(Done done);   // non-interactive, modal
    void pickColor(Done done);
    // The screenshot interface's version; 0 when it cannot be read.
    void version(std::function<void(uint)> done);

    // A screenshot when the portal gives one we can read; otherwise the desktop's own picker
    // where the interface offers it (version 2 and later); otherwise Unavailable. A cancel at
    // any step is the answer.
    void ask(AnswerDone done);

    // The picture a successful screenshot points at; null when there is none to read.
    static QImage screenshotImage(const Result& result);
    // The colour a successful pick gave; false when the answer holds none.
    static bool pickedColour(const Result& result, std::int32_t& colour);

private:
    // timeoutMs < 0: the response timeout.
    void request(const QString& method, QVariantMap options, Done done, int timeoutMs = -1);
    void version(std::function<void(uint)> done, int timeoutMs);
    void deliver(Done done, const Result& result);

    QDBusConnection m_bus;
    int m_timeoutMs = 120000;
};

} // namespace tessary
