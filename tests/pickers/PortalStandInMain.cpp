// SPDX-License-Identifier: MIT
// A scripted desktop portal on the session bus, for end-to-end tests.
//
//   PortalStandIn [--screenshot=PICTURE|cancel|fail|nomethod] [--pick=R,G,B|cancel|fail] [--version=N]
//
// With --screenshot=PICTURE it writes a test picture to PICTURE and hands out its address.
// Prints "ready" once it owns the portal's name, then a line per call:
//   METHOD handle=PATH options=KEY,KEY,...
#include "StandInPortal.h"

#include <QCoreApplication>
#include <QImage>
#include <QUrl>
#include <cstdio>

using tessary::test::StandInPortal;

namespace {

StandInPortal::Answer answerOf(const QString& value)
{
    if (value == QLatin1String("cancel"))
        return StandInPortal::Answer::Cancel;
    if (value == QLatin1String("fail"))
        return StandInPortal::Answer::Fail;
    if (value == QLatin1String("nomethod"))
        return StandInPortal::Answer::NoMethod;
    if (value == QLatin1String("silent"))
        return StandInPortal::Answer::Silent;
    return StandInPortal::Answer::Success;
}

// Every pixel of the picture tells its position.
bool writePicture(const QString& path)
{
    QImage img(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256) * 16));
    return img.save(path);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StandInPortal portal(QDBusConnection::sessionBus());
    for (const QString& arg : app.arguments().mid(1)) {
        const QString value = arg.section(u'=', 1);
        if (arg.startsWith(QLatin1String("--screenshot="))) {
            portal.script.screenshot = answerOf(value);
            if (portal.script.screenshot == StandInPortal::Answer::Success) {
                if (!writePicture(value)) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(value));
                    return 1;
                }
                portal.script.uri = QUrl::fromLocalFile(value).toString();
            }
        } else if (arg.startsWith(QLatin1String("--pick="))) {
            portal.script.pickColor = answerOf(value);
            const QStringList rgb = value.split(u',');
            if (rgb.size() == 3) {
                portal.script.red = rgb[0].toDouble();
                portal.script.green = rgb[1].toDouble();
                portal.script.blue = rgb[2].toDouble();
            }
        } else if (arg.startsWith(QLatin1String("--version="))) {
            portal.script.version = value.toUInt();
        }
    }
    portal.called = [](const StandInPortal::Call& call) {
        std::printf("%s handle=%s options=%s\n", qPrintable(call.method), qPrintable(call.handle),
                    qPrintable(QStringList(call.options.keys()).join(u',')));
        std::fflush(stdout);
    };
    if (!portal.start()) {
        std::fprintf(stderr, "cannot take the portal's name on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
