// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "contrast/BesidePlacement.h"
#include "display/frmTessary.h"
#include "historyview/frmHistory.h"
#include "platform/Twips.h"
#include "settings/TessaryConfig.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace tessary {

void frmMain::createHistoryViewItem()
{
    mnuView->addSeparator()->setObjectName(QStringLiteral("mnuSeparatorHistoryView"));
    mnuHistory = mnuView->addAction(tr("配色の履歴"));
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    mnuHistory->setCheckable(true);
    // The item's check follows the window, not the click.
    connect(mnuHistory, &QAction::triggered, this, [this] {
        mnuHistory->setChecked(frmHistory::isInstanceLoaded());
        mnuHistory_Click();
    });
}

void frmMain::mnuHistory_Click()
{
    if (frmHistory::isInstanceLoaded())
        frmHistory::unloadInstance();
    else
        showHistoryWindow(configManager().historyViewSettings().value_or(HistoryViewSettings{}));
}

void frmMain::showHistoryWindow(const HistoryViewSettings& settings)
{
    frmHistory& history = frmHistory::instance();
    history.applySettings(settings);
    history.adjustSize();
    if (!settings.left || !settings.top) {
        // Beside the display window, never over it: its frame taken from the main window's likeness,
        // with a gap for a window manager that widens a small window's frame as it maps it.
        const QRect outer = frameGeometry();
        const QMargins m(geometry().left() - outer.left(), geometry().top() - outer.top(),
                         outer.right() - geometry().right(), outer.bottom() - geometry().bottom());
        constexpr int kGap = 32;
        const frmTessary* display = frmTessary::loadedInstance();
        const QRect anchor = (display ? display->frameGeometry() : frameGeometry()).adjusted(-kGap, 0, kGap, kGap);
        const QScreen* screen = QGuiApplication::screenAt(anchor.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QPoint at = BesidePlacement::place(anchor, history.size().grownBy(m),
                                                 screen ? screen->availableGeometry() : anchor);
        history.setLeftTw(Twips::fromPixelsX(at.x()));
        history.setTopTw(Twips::fromPixelsY(at.y()));
    }
    // The program's shortcuts work while the window has the focus.
    for (QAction* a : findChildren<QAction*>()) {
        if (!a->shortcuts().isEmpty())
            history.addAction(a);
    }
    connect(&history, &Form::unloaded, this, [this, w = &history] {
        mnuHistory->setChecked(false);
        HistoryViewSettings kept = w->settings();
        kept.visible = false;
        configManager().setHistoryViewSettings(kept);
    });
    history.showModeless();
    mnuHistory->setChecked(true);
}

} // namespace tessary
