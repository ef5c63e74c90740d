// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "Version.h"
#include "contrast/frmContrast.h"
#include "display/frmTessary.h"
#include "history/HistoryCommands.h"
#include "historyview/frmHistory.h"
#include "main/MainCaptions.h"
#include "main/frmMainPrivate.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "platform/OptionButton.h"
#include "platform/Services.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/CiniFile.h"
#include "settings/TessaryConfig.h"

#include <QAction>
#include <QDir>
#include <QTimer>
#include <QFrame>

namespace tessary {

// ---- Public interface --------------------------------------------------------------

TessaryConfig& frmMain::configManager()
{
    if (!d->config) {
        d->config = std::make_unique<TessaryConfig>();
        Workspace::instance().setSettings(d->config.get());
    }
    return *d->config;
}

ColorModel& frmMain::currentColor()
{
    return model();
}

ColorModel& frmMain::model()
{
    if (!d->model)
        d->model = std::make_unique<ColorModel>();
    return *d->model;
}

colorCode& frmMain::code()
{
    if (!d->code)
        d->code = std::make_unique<colorCode>();
    return *d->code;
}

// ---- Start-up, shut-down, minimising -----------------------------------------------

void frmMain::Form_Load()
{
    Scheme::Batch batch;
    // The display window is shown last, when its place, size, colours and texts are those
    // the settings give it: it appears once, drawn once.
    frmTessary& display = frmTessary::instance();
    display.setPosDefault();
    display.setSelectObject(3);

    setWindowTitle(MainCaptions::windowCaption(kVersionMajor, kVersionMinor));

    RGBorHSLFrame[0]->show();
    RGBorHSLFrame[0]->raise();
    RGBorHSLFrame[1]->hide();
    switchColorModelPage(1);

    mnuBGView->setEnabled(false);

    for (int i = 0; i < 3; ++i) {
        txtSampleString[i]->hide();
        setObjectCaption(optSelectObject[i], i, MainCaptions::literalCaption(txtSampleString[i]->text()));
        // The labels show the texts the captions show, also when the settings restore none.
        display.setLabelText(static_cast<std::int16_t>(i), txtSampleString[i]->text());
        txtRGB[i]->setText(QStringLiteral("0"));
        txtHSL[i]->setText(QStringLiteral("0"));
    }
    txtColorCode->setText(prefix + QStringLiteral("000000"));

    configManager().loadConfig();
    if (configManager().contrastSettings().visible)
        showContrastWindow(configManager().contrastSettings());
    if (const auto history = configManager().historyViewSettings(); history && history->visible)
        showHistoryWindow(*history);
    applyCssColorSettings();

    optSelectObject[3]->switchOn();
    display.showModeless();
    // Steps are the user's changes from here on; the last run's can be undone.
    HistoryCommands::start();
    // Offered once the windows are up, so the question has the program behind it.
    QTimer::singleShot(0, this, [] { frmPalette::offerRecovery(); });
}

void frmMain::unloadSilently()
{
    m_silentUnload = true;
    unload();
}

void frmMain::Form_Unload(int& cancel)
{
    // Unsaved palette changes are asked about first: cancelling keeps the program running.
    if (m_silentUnload) {
        if (frmPalette* palette = frmPalette::loadedInstance())
            palette->unloadToRecovery();
    } else {
        frmPalette::unloadInstance();
        if (frmPalette::isInstanceLoaded()) {
            cancel = 1;
            return;
        }
    }
    HistoryCommands::save(m_silentUnload);
    configManager().saveConfig();
    // The user closing the program hears of settings that were not saved; it ends all the same.
    if (const IniStatus& saved = configManager().lastSaveStatus(); !m_silentUnload && !saved.ok()) {
        const QString text = saved.replaced()
            ? tr("設定は保存しましたが、ディスクへの書き込みを確かめられませんでした。"
                             "停電などで失われるおそれがあります。\r\n%1\r\n%2")
            : tr("設定を保存できませんでした。\r\n%1\r\n%2");
        MsgBox(text.arg(QDir::toNativeSeparators(CiniFile::defaultPath()), saved.reason()), IMessageBox::OKOnly,
               QString(), IMessageBox::Exclamation);
    }
    frmContrast::unloadInstance();
    frmHistory::unloadInstance();
    frmTessary::unloadInstance();
    frmColorCircle::unloadInstance();
    frmPalette::unloadInstance();
    d->model.reset();
    d->code.reset();
    Workspace::instance().setSettings(nullptr);
    d->config.reset();
}

void frmMain::Form_Resize()
{
    const bool minimised = formState() == Minimized;
    auto follow = [minimised](QWidget& w) {
        if (minimised)
            w.hide();
        else
            w.show();
    };
    if (frmTessary* display = frmTessary::loadedInstance())
        follow(*display);
    if (frmColorCircle* circle = shownColorCircle())
        follow(*circle);
    if (frmPalette* palette = shownPalette())
        follow(*palette);
    if (frmContrast* contrast = shownContrast())
        follow(*contrast);
}

} // namespace tessary
