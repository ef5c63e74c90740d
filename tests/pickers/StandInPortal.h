// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <functional>

namespace tessary::test {

// A scripted desktop portal: owns the portal's bus name and answers the screenshot
// interface's calls as its script says, recording each one.
class StandInPortal : public QDBusVirtualObject {
    Q_OBJECT
public:
    enum class Answer {
        Success,
        Cancel,     // response 1
        Fail,       // response 2
        NoMethod,   // the call is answered with an UnknownMethod error
        Silent,     // the call returns, the response never comes
    };
    struct Script {
        Answer screenshot = Answer::Success;
        QString uri;   // of the screenshot
        Answer pickColor = Answer::Success;
        double red = 0.0, green = 0.0, blue = 0.0;
        uint version = 2;                 // 0: the interface is missing
        bool answerBeforeReturn = false;  // the response overtakes the call's return
        bool ownPath = false;             // answers on a path of its own, as old portals did
    };
    struct Call {
        QString method;
        QString parentWindow;
        QVariantMap options;
        QString handle;
    };

    explicit StandInPortal(const QDBusConnection& bus);
    ~StandInPortal() override;

    // Registers the portal object and takes the portal's name.
    bool start();

    Script script;
    QList<Call> calls;
    QStringList closed;   // request paths the caller closed
    std::function<void(const Call&)> called;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    void request(const QDBusMessage& message, Answer answer);

    QDBusConnection m_bus;
    bool m_started = false;
    int m_ownPaths = 0;
};

} // namespace tessary::test
