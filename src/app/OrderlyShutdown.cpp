// SPDX-License-Identifier: MIT
#include "app/OrderlyShutdown.h"

#include "history/HistoryCommands.h"
#include "main/frmMain.h"
#include "palette/frmPalette.h"
#include "platform/FormRegistry.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>

namespace tessary {

namespace {

// How long a modal window may take to close (a message box, a dialog that asks) before
// the shut-down goes on regardless: 100 x 20 ms.
constexpr int kMaxWaits = 100;
constexpr int kWaitMs = 20;

void closeModalWindow(QWidget* w)
{
    if (auto* form = qobject_cast<Form*>(w))
        form->unload();
    else if (auto* dialog = qobject_cast<QDialog*>(w))
        dialog->reject();
    else
        w->close();
}

} // namespace

OrderlyShutdown::OrderlyShutdown(std::function<void()> quit, QObject* parent)
    : QObject(parent)
    , m_quit(std::move(quit))
{
}

void OrderlyShutdown::request()
{
    if (m_requested)
        return;
    m_requested = true;
    proceed();
}

void OrderlyShutdown::saveNow()
{
    frmMain* main = frmMain::loadedInstance();
    if (m_requested || !main)
        return;
    // Saving leaves the last object selected; the program goes on, so the object being
    // edited is selected again afterwards, in the same announcement.
    Scheme& scheme = Scheme::instance();
    Scheme::Batch batch;
    const int selected = scheme.selectedObject();
    main->configManager().saveConfig();
    HistoryCommands::save(true);
    // The session may end without another word: unsaved palette changes are kept aside.
    if (const frmPalette* palette = frmPalette::loadedInstance())
        palette->writeRecovery();
    scheme.select(selected);
}

void OrderlyShutdown::proceed()
{
    // Inside a modal window's own event loop the handler that opened it is still running
    // below us; close the window and go on from the main loop, so that handler does not
    // wake up among windows that are gone.
    if (QThread::currentThread()->loopLevel() > 1 && m_waits < kMaxWaits) {
        ++m_waits;
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (QWidget* modal = QApplication::activeModalWidget())
            closeModalWindow(modal);
        QTimer::singleShot(kWaitMs, this, &OrderlyShutdown::proceed);
        return;
    }
    if (frmMain::isInstanceLoaded())
        frmMain::instance().unloadSilently();
    FormRegistry::unloadLoaded();
    if (m_quit)
        m_quit();
}

} // namespace tessary
