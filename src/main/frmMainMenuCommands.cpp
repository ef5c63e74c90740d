// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "contrast/BesidePlacement.h"
#include "contrast/frmContrast.h"
#include "cvd/VisionModeHolder.h"
#include "dialogs/CommonDialogManager.h"
#include "dialogs/frmAbout.h"
#include "display/SetMostTopForm.h"
#include "display/frmTessary.h"
#include "exchange/ExchangeFiles.h"
#include "language/LanguageSwitch.h"
#include "main/frmMainPrivate.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "platform/AppInfo.h"
#include "platform/OptionButton.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/frmConfig.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QDir>
#include <QFileInfo>

namespace tessary {

// ---- Background picture ------------------------------------------------------------

void frmMain::showBackgroundPicture()
{
    optSelectObject[3]->setEnabled(false);
    optSelectObject[4]->setEnabled(false);
    optSelectObject[0]->switchOn();
    mnuBGView->setChecked(true);
    frmTessary::instance().setBGIVisible(true);
}

void frmMain::mnuBGView_Click()
{
    Scheme::Batch batch;
    const bool shown = mnuBGView->isChecked();
    optSelectObject[3]->setEnabled(shown);
    optSelectObject[4]->setEnabled(shown);
    optSelectObject[0]->switchOn();
    mnuBGView->setChecked(!shown);
    frmTessary& display = frmTessary::instance();
    display.setBGIVisible(!shown);
    // Switching the picture off clears the window; the scheme and the texts come back now.
    display.tessaryRefresh();
}

void frmMain::mnuBGLoad_Click()
{
    CommonDialogManager manager;
    manager.setCommonDialog(CommonDialog1);
    manager.setFilename(QStringLiteral("*.gif;*.bmp;*.jpg;*.jpeg"));
    manager.setFilter(tr("画像(*.gif;*.bmp;*.jpg;*.jpeg)|*.gif;*.bmp;*.jpg;*.jpeg|GIF(*.gif)|*.gif|"
                                     "BMP(*.bmp)|*.bmp|JPEG(*.jpg;*.jpeg)|*.jpg;*.jpeg"));
    const QString fileName = manager.getFilename(false);
    if (fileName.isEmpty())
        return;
    Scheme::Batch batch;
    frmTessary& display = frmTessary::instance();
    // Loaded first: a file that is no picture leaves the window, the menu and the
    // options as they were.
    if (!display.loadBackgroundImage(fileName)) {
        MsgBox(tr("背景画像を読み込めませんでした。\r\n%1\r\n\r\n"
                              "GIF、BMP、JPEG 形式の画像ファイルを選んでください。")
                   .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    mnuBGView->setEnabled(true);
    showBackgroundPicture();
    // The sample texts are drawn over the new picture.
    display.tessaryRefresh();
}

// ---- Placement ---------------------------------------------------------------------

void frmMain::mnuSetDefaultPos_Click() { frmTessary::instance().setPosDefault(); }
void frmMain::mnuMaxWiidth_Click() { frmTessary::instance().setPosWidthMax(); }
void frmMain::mnuMaxHeight_Click() { frmTessary::instance().setPosHeightMax(); }

void frmMain::mnuFullScreen_Click()
{
    frmTessary::instance().setPosFullScreen();
    raise();
    activateWindow();
}

void frmMain::mnuManualPos_Click() { frmTessary::instance().setPosManual(); }

void frmMain::mnuOnTop_Click()
{
    const bool on = !mnuOnTop->isChecked();
    mnuOnTop->setChecked(on);
    Workspace::instance().setKeptOnTop(on);
    setAlwaysOnTop(on);
}

void frmMain::setAlwaysOnTop(bool on)
{
    SetMostTopForm top;
    top.SetFormTop(this, on);
    if (frmTessary* display = frmTessary::loadedInstance())
        top.SetFormTop(display, on);
    if (frmColorCircle* circle = shownColorCircle())
        top.SetFormTop(circle, on);
    if (frmPalette* palette = shownPalette())
        top.SetFormTop(palette, on);
    if (frmContrast* contrast = shownContrast())
        top.SetFormTop(contrast, on);
}

// ---- Styles, windows, help, quit ---------------------------------------------------

void frmMain::mnuUpDown_Click() { configManager().setTessaryStyle(0); }
void frmMain::mnuLeftRight_Click() { configManager().setTessaryStyle(1); }
void frmMain::mnuSIS_Click() { configManager().setTessaryStyle(2); }
void frmMain::mnuDivide_Click() { configManager().setTessaryStyle(3); }
void frmMain::mnuLattice_Click() { configManager().setTessaryStyle(4); }

void frmMain::mnuPalette_Click()
{
    if (mnuPalette->isChecked()) {
        // The palette window may keep itself open to keep unsaved changes.
        frmPalette::unloadInstance();
        mnuPalette->setChecked(frmPalette::isInstanceLoaded());
    } else {
        Workspace::instance().setShown(Workspace::Tool::Palette, true);
        frmPalette& palette = frmPalette::instance();
        // Open under the main window rather than wherever the window system puts it.
        palette.setLeftTw(leftTw());
        palette.setTopTw(topTw() + heightTw());
        palette.showModeless();
    }
}

void frmMain::mnuColorCircle_Click()
{
    if (mnuColorCircle->isChecked()) {
        frmColorCircle::unloadInstance();
        Workspace::instance().setShown(Workspace::Tool::ColorCircle, false);
    } else {
        frmColorCircle& circle = frmColorCircle::instance();
        circle.setCircleType(0);
        circle.setLeftTw(leftTw() + widthTw());
        circle.setTopTw(topTw() + heightTw());
        circle.showModeless();
        circle.update(model());
        Workspace::instance().setShown(Workspace::Tool::ColorCircle, true);
    }
}

void frmMain::mnuContrast_Click()
{
    if (mnuContrast->isChecked())
        frmContrast::unloadInstance();
    else
        showContrastWindow(configManager().contrastSettings());
}

void frmMain::showContrastWindow(const ContrastSettings& settings)
{
    frmContrast& contrast = frmContrast::instance();
    contrast.applySettings(settings);
    // The first time, opened beside the display window, never over it; afterwards where the
    // user left it.
    contrast.adjustSize();
    // The new window's frame is not known before it is shown: the main window's is its likeness.
    const QRect outer = frameGeometry();
    const QMargins m(geometry().left() - outer.left(), geometry().top() - outer.top(),
                     outer.right() - geometry().right(), outer.bottom() - geometry().bottom());
    const QRect own(QPoint(Twips::toPixelsX(contrast.leftTw()), Twips::toPixelsY(contrast.topTw())),
                    contrast.size().grownBy(m));
    const frmTessary* display = frmTessary::loadedInstance();
    // At start-up the display window is placed but not yet shown: its place counts already.
    // A window manager may still enlarge it a little as it maps it (openbox gives a small window
    // a wider frame): a gap keeps the two apart.
    constexpr int kGap = 32;
    const QRect anchor = (display ? display->frameGeometry() : frameGeometry()).adjusted(-kGap, 0, kGap, kGap);
    if (!settings.left || !settings.top) {
        const QScreen* screen = QGuiApplication::screenAt(anchor.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QPoint at = BesidePlacement::place(anchor, own.size(), screen ? screen->availableGeometry() : anchor);
        contrast.setLeftTw(Twips::fromPixelsX(at.x()));
        contrast.setTopTw(Twips::fromPixelsY(at.y()));
    }
    // The program's shortcuts work while the window has the focus.
    for (QAction* a : findChildren<QAction*>()) {
        if (!a->shortcuts().isEmpty())
            contrast.addAction(a);
    }
    // However the window closes, the menu follows and the settings keep what it showed.
    connect(&contrast, &Form::unloaded, this, [this, w = &contrast] {
        mnuContrast->setChecked(false);
        ContrastSettings kept = w->settings();
        kept.visible = false;
        configManager().setContrastSettings(kept);
    });
    contrast.showModeless();
    mnuContrast->setChecked(true);
}

void frmMain::mnuConfig_Click() { frmConfig::instance().showModal(); }

// ---- Colour vision -----------------------------------------------------------------

void frmMain::mnuVisionKind_Click(int kind)
{
    const VisionMode now = configManager().visionMode();
    configManager().setVisionMode(VisionMode(static_cast<VisionKind>(kind), now.strength()));
}

void frmMain::mnuVisionStrength_Click(int index)
{
    const VisionMode now = configManager().visionMode();
    configManager().setVisionMode(VisionMode(now.kind(), VisionMode::MinStrength + index * VisionMode::StrengthStep));
}

void frmMain::mnuVisionNext_Click() { configManager().setVisionMode(configManager().visionMode().cycled()); }

void frmMain::refreshVisionMenu()
{
    const VisionMode& mode = VisionModeHolder::instance().mode();
    for (int k = 0; k < static_cast<int>(mnuVisionKind.size()); ++k)
        mnuVisionKind[size_t(k)]->setChecked(k == static_cast<int>(mode.kind()));
    for (int i = 0; i < static_cast<int>(mnuVisionStrength.size()); ++i) {
        QAction* a = mnuVisionStrength[size_t(i)];
        a->setChecked(VisionMode::MinStrength + i * VisionMode::StrengthStep == mode.strength());
        // A strength means something to the anomalous kinds alone; the others keep it for later.
        a->setEnabled(mode.isAnomalous());
    }
}
void frmMain::mnuAbout_Click() { frmAbout::instance().showModal(); }

void frmMain::mnuShowHelp_Click()
{
    const QString path = LanguageSwitch::instance().helpPath();
    if (!QFileInfo(path).isFile()) {
        MsgBox(tr("ヘルプファイルが見つかりません。\r\n%1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!Services::shell().openDocument(path)) {
        MsgBox(tr("ヘルプを開けませんでした。\r\n%1\r\n\r\nこのファイルをブラウザーで開いてください。")
                   .arg(QDir::toNativeSeparators(path)));
    }
}

void frmMain::mnuQuit_Click()
{
    unload();
}

// ---- Exchange ----------------------------------------------------------------------

void frmMain::mnuExportScheme_Click() { ExchangeFiles::saveScheme(CommonDialog1); }
void frmMain::mnuCopyScheme_Click() { ExchangeFiles::copyScheme(); }

} // namespace tessary
