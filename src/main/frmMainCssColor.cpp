// SPDX-License-Identifier: MIT
// The main window's hooks for colours as CSS writes them: the behaviour is in
// ColorCodePaste, CssColorCommands and OklchPage.
#include "main/frmMain.h"

#include "main/ColorCodePaste.h"
#include "main/CssColorCommands.h"
#include "main/frmMainPrivate.h"
#include "oklch/OklchPage.h"
#include "pickers/frmDesktop.h"
#include "platform/Services.h"
#include "platform/Slider.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QProxyStyle>
#include <QTabBar>

namespace tessary {

namespace {

// The application's own style with half the space beside each tab's caption, so three tabs
// fit beside the colour-code field in the same font as two.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

} // namespace

void frmMain::createCssColorControls()
{
    d->codePaste = new ColorCodePaste(txtColorCode, [this](std::int32_t c) { setColor(c); });

    CssColorCommands::Hooks hooks;
    hooks.currentColor = [this] { return model().getColor(); };
    hooks.pasteColor = [this] { d->codePaste->take(Services::clipboard().text()); };
    hooks.startPicker = [this] {
        // As the display window's right click does: the picker copies the screen without us.
        hide();
        QCoreApplication::processEvents();
        frmDesktop::instance().showModeless();
    };
    hooks.showOklchPage = [this](bool on) { showOklchTab(on); };
    hooks.settingsChanged = [this](const CssColorSettings& s) { configManager().setCssColorSettings(s); };
    d->cssCommands = new CssColorCommands(this, mnuTool, mnuView, std::move(hooks));
}

OklchPage& frmMain::oklchPage()
{
    // Made when the user first asks for the tab: most never do.
    if (!d->oklchPage) {
        d->oklchPage = new OklchPage(RGBorHSLFrame[1]->parentWidget());
        d->oklchPage->setGeometry(RGBorHSLFrame[1]->geometry());
        for (int i = 0; i < 3; ++i)
            d->oklchPage->placeRow(i, HSLLabel[i]->geometry(), txtHSL[i]->geometry(), HSLSlider[i]->geometry(),
                                   txtHSL[i]->font());
        d->oklchPage->hide();
        connect(d->oklchPage, &OklchPage::colorChosen, this, [this](std::int32_t c) { setColor(c); });
    }
    return *d->oklchPage;
}

void frmMain::showOklchTab(bool on)
{
    const bool shown = tabSelectColorModel->count() == 3;
    if (on && !shown) {
        oklchPage();
        auto* compact = new CompactTabStyle;
        compact->setParent(tabSelectColorModel);
        tabSelectColorModel->setStyle(compact);
        tabSelectColorModel->addTab(QStringLiteral("OKLCH"));
    } else if (!on && shown) {
        if (tabSelectColorModel->currentIndex() == 2)
            tabSelectColorModel->setCurrentIndex(0);
        tabSelectColorModel->removeTab(2);
        QStyle* compact = tabSelectColorModel->style();
        tabSelectColorModel->setStyle(nullptr);
        if (compact->parent() == tabSelectColorModel)
            delete compact;
    }
}

void frmMain::applyCssColorSettings()
{
    d->cssCommands->applySettings(configManager().cssColorSettings());
}

void frmMain::refreshOklchPage()
{
    if (d->oklchPage && d->oklchPage->isVisible())
        d->oklchPage->showColor(model().getColor());
}

} // namespace tessary
