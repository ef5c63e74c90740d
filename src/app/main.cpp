// SPDX-License-Identifier: MIT
#include "app/AfterFirstPaint.h"
#include "app/AppIcon.h"
#include "app/OrderlyShutdown.h"
#include "language/LanguageSettings.h"
#include "language/LanguageSwitch.h"
#include "main/frmMain.h"
#include "palette/frmPalette.h"
#include "settings/CiniFile.h"
#include "settings/SettingsFolderLock.h"
#include "platform/FontMapper.h"
#include "platform/Services.h"
#include "platform/StartupProbe.h"

#include <QApplication>
#include <QBackingStore>
#include <QFileInfo>
#include <QTimer>
#include <QSessionManager>
#include <optional>

#ifdef Q_OS_UNIX
#include "app/UnixSignalPipe.h"
#include <csignal>
#endif

namespace {
constexpr int kQtTextsDelayMs = 200;
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tessary.Tessary"));
    // A desktop finds the larger installed icons through the desktop file.
    QApplication::setWindowIcon(tessary::AppIcon::icon());
    tessary::StartupProbe::installIfRequested(2);
    // The interface is Japanese whatever the system's language, unless the user chose another
    // (command line first, then the settings); Qt's own dialogs and menus speak the same. Their
    // texts are needed only once one opens, so they load after the windows are up.
    {
        tessary::CiniFile ini;
        tessary::LanguageSwitch::instance().start(tessary::UiLanguage::fromArguments(QApplication::arguments()),
                                                  tessary::LanguageSettings::read(ini));
    }
    QTimer::singleShot(kQtTextsDelayMs, &app, [] { tessary::LanguageSwitch::instance().loadQtCatalogue(); });
    tessary::FontMapper::installSubstitutions();
    tessary::Services::installReal();

    // Temporary files of a save that was killed halfway are cleared, unless another instance
    // using the same settings may be writing them now. Taking the lock waits for the disk, so
    // it is done once the main window is on the screen, or before saving if the program is
    // told to stop before then.
    std::optional<tessary::SettingsFolderLock> settingsLock;
    const auto lockSettingsFolder = [&settingsLock] {
        if (settingsLock)
            return;
        settingsLock.emplace(tessary::CiniFile::defaultPath());
        settingsLock->removeStaleTemporaries({QFileInfo(tessary::CiniFile::defaultPath()).fileName(),
                                              QFileInfo(tessary::frmPalette::recoveryFileName()).fileName()});
    };

    // Being told to stop (a signal, the session ending) closes the program as its own quit
    // command does, settings saved; set up before the first window so nothing slips by.
    tessary::OrderlyShutdown shutdown([] { QCoreApplication::quit(); });
    const auto stop = [&] {
        lockSettingsFolder();
        shutdown.request();
    };
#ifdef Q_OS_UNIX
    tessary::UnixSignalPipe signalPipe({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalPipe, &tessary::UnixSignalPipe::received, &shutdown, stop);
#endif
    // Before a logout, which the user may still cancel, the session manager asks for the data
    // to be saved; the program itself goes on until the session really ends, and then Qt
    // quits the application.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &shutdown,
        [&](QSessionManager&) {
            lockSettingsFolder();
            shutdown.saveNow();
        },
        Qt::DirectConnection);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &shutdown, stop, Qt::DirectConnection);

    tessary::frmMain& main = tessary::frmMain::instance();
    // The program ends when the main window has been unloaded.
    QObject::connect(&main, &tessary::Form::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    main.showModeless();
    tessary::AfterFirstPaint::run(main, lockSettingsFolder);
    // The main window's drawing surface is made now, while the window system is idle: made at
    // its first paint, it would wait for the window system to take in the display window's
    // picture, sent just before, which for a large display window takes it milliseconds.
    if (QBackingStore* store = main.backingStore())
        store->resize(main.size());
    return QApplication::exec();
}
