// SPDX-License-Identifier: MIT
// Runs the program's windows and real services as a Wayland client and picks a colour from
// the screen as a user does: a right-button press on the display window opens the picker,
// which on Wayland asks the desktop portal. A headless compositor takes no input from
// outside, so the presses and keys are given to the windows here.
//
//   WaylandPickerDriver screenshot PICTURE   the portal gives PICTURE as the screenshot: the
//                                             picker shows it, the arrow keys move three
//                                             pixels right and ten down, Enter takes that pixel
//   WaylandPickerDriver colour RRGGBB        the desktop's picker gives the colour: taken at once
//
// Exits 0 when the main window ends up with the expected colour, 77 where no Wayland
// platform plugin is installed.
#include "color/ColorModel.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "pickers/frmDesktop.h"
#include "platform/FontMapper.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/Surface.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTest>
#include <cstdio>

using namespace tessary;

namespace {

constexpr int kWaitMs = 15000;
int g_failures = 0;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++g_failures;
    }
}

// A message here means the picker gave up; it must not wait for a click nobody gives.
class ReportingMessageBox : public IMessageBox {
public:
    int show(QWidget*, const QString& text, int, const QString&, int) override
    {
        std::fprintf(stderr, "FAIL: message shown: %s\n", qPrintable(text));
        ++g_failures;
        return OK;
    }
    bool input(QWidget*, const QString& prompt, const QString&, QString&) override
    {
        std::fprintf(stderr, "FAIL: question asked: %s\n", qPrintable(prompt));
        ++g_failures;
        return false;
    }
};

bool haveWaylandPlugin()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}).isEmpty();
}

void pickFromScreenshot(frmMain& main, const QString& picturePath)
{
    const bool shown = QTest::qWaitFor(
        [] { return frmDesktop::isInstanceLoaded() && frmDesktop::instance().isVisible(); }, kWaitMs);
    check(shown, "the picker shows the desktop's screenshot");
    if (!shown)
        return;
    frmDesktop& picker = frmDesktop::instance();
    check(QTest::qWaitForWindowExposed(&picker, kWaitMs), "the picker is on the screen");
    check(picker.windowState().testFlag(Qt::WindowFullScreen), "the picker fills the screen");
    const QImage picture = QImage(picturePath).convertToFormat(QImage::Format_RGB32);
    check(picker.frozenCopy(0).convertToFormat(QImage::Format_RGB32) == picture, "the copy is the screenshot");
    const QPoint start = picker.crossHair().at;
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&picker, Qt::Key_Right);
    QTest::keyClick(&picker, Qt::Key_Down, Qt::ShiftModifier);
    const QPoint at = start + QPoint(3, 10);
    check(picker.crossHair().at == at, "the arrow keys move the cross-hair by device pixels");
    QTest::keyClick(&picker, Qt::Key_Return);
    check(main.currentColor().getColor() == Surface::fromRgb(picture.pixel(at)), "Enter takes the pixel's colour");
}

void pickWithTheDesktopsPicker(frmMain& main, const QString& rrggbb)
{
    const bool closed = QTest::qWaitFor([] { return !frmDesktop::isInstanceLoaded(); }, kWaitMs);
    check(closed, "the picker closes after the desktop's answer");
    const QRgb expected = rrggbb.toUInt(nullptr, 16);
    check(main.currentColor().getColor() == Surface::fromRgb(expected), "the desktop's colour is taken");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    if (!haveWaylandPlugin()) {
        std::printf("no Wayland platform plugin: skipped\n");
        return 77;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fprintf(stderr, "FAIL: platform %s, not Wayland\n", qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    FontMapper::installSubstitutions();
    Services::installReal();
    Services::setMessageBox(std::make_unique<ReportingMessageBox>());

    frmMain& main = frmMain::instance();
    main.showModeless();
    frmTessary& display = frmTessary::instance();
    check(QTest::qWaitForWindowExposed(&main, kWaitMs) && QTest::qWaitForWindowExposed(&display, kWaitMs),
          "the main and display windows are on the screen");
    main.setColor(0x030201);

    QTest::mousePress(&display, Qt::RightButton, {}, display.rect().center());
    check(!main.isVisible(), "the main window hides while picking");
    const QString mode = QString::fromLocal8Bit(argv[1]);
    if (mode == QLatin1String("screenshot"))
        pickFromScreenshot(main, QString::fromLocal8Bit(argv[2]));
    else
        pickWithTheDesktopsPicker(main, QString::fromLocal8Bit(argv[2]));
    check(main.isVisible(), "the main window is back");

    FormRegistry::unloadAll();
    QCoreApplication::processEvents();
    if (g_failures == 0)
        std::printf("PASS %s\n", argv[1]);
    return g_failures == 0 ? 0 : 1;
}
