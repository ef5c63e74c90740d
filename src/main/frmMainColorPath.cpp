// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "contrast/frmContrast.h"
#include "display/frmTessary.h"
#include "main/ColorEntry.h"
#include "main/frmMainPrivate.h"
#include "oklch/OklchPage.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "platform/ColorValue.h"
#include "platform/Numeric.h"
#include "platform/OptionButton.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "scheme/Scheme.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <algorithm>
#include <array>

namespace tessary {

// ---- Public interface --------------------------------------------------------------

void frmMain::setColor(std::int32_t color)
{
    model().setColor(color);
    refreshColorControls();
}

QString frmMain::getColorCode()
{
    ColorModel& m = model();
    return code().getHexRGB(m.GetRed(), m.GetBlue(), m.GetGreen());
}

void frmMain::colorCodeRefresh()
{
    // A slider set on the way would write a passing value and take the user's selection.
    if (m_refreshingControls)
        return;
    setFieldText(txtColorCode, prefix + getColorCode());
}

// ---- The colour path ---------------------------------------------------------------

void frmMain::refreshColorControls()
{
    // Setting the three sliders writes the colour three times: it is announced once.
    Scheme::Batch batch;
    const int tab = tabSelectColorModel->currentIndex() + 1;
    m_refreshingControls = true;
    ColorModel& m = model();
    m.refreshColorModel();
    // The OKLCH page is written through the RGB sliders, which keep the colour exactly.
    if (tab != 2) {
        RGBSlider[0]->setPosition(m.GetRed());
        RGBSlider[1]->setPosition(m.GetGreen());
        RGBSlider[2]->setPosition(m.GetBlue());
        for (int i = 0; i < 3; ++i)
            setFieldText(txtRGB[i], ColorEntry::channelText(RGBSlider[i]->value()));
    } else {
        // A grey's hue of -1 lies below the slider's range; the slider shows 0.
        HSLSlider[0]->setPosition(roundHalfEven(m.getHue()));
        HSLSlider[1]->setPosition(roundHalfEven(m.getSatuation() * 255.0));
        HSLSlider[2]->setPosition(roundHalfEven(m.getLightness() * 255.0));
        for (int i = 0; i < 3; ++i)
            setFieldText(txtHSL[i], QString::number(HSLSlider[i]->value()));
    }
    m_refreshingControls = false;
    colorCodeRefresh();
    updateColorCircle();
    refreshOklchPage();
}

void frmMain::applyRGBSlider(int index)
{
    const int v = RGBSlider[index]->value();
    ColorModel& m = model();
    // Pending HSL changes are settled first, so they cannot undo this channel.
    m.refreshColorModel();
    // The slider's channel replaces that channel of the stored colour; the model takes the
    // channel as stored.
    Scheme& scheme = Scheme::instance();
    const std::int32_t stored = scheme.color(scheme.selectedObject());
    std::array<int, 3> rgb{ColorValue::red(stored), ColorValue::green(stored), ColorValue::blue(stored)};
    rgb[std::size_t(std::clamp(index, 0, 2))] = std::clamp(v, 0, 255);
    scheme.setSelectedColor(ColorValue::pack(rgb[0], rgb[1], rgb[2]));
    switch (index) {
    case 0:
        m.SetRed(rgb[0]);
        break;
    case 1:
        m.SetGreen(static_cast<std::int16_t>(rgb[1]));
        break;
    default:
        m.SetBlue(rgb[2]);
        break;
    }
    setRGBLabelColor(index, v);
    frmTessary::instance().tessaryRefresh();
    setFieldText(txtRGB[index], ColorEntry::channelText(v));
    colorCodeRefresh();
}

void frmMain::applyHSLSlider(int index)
{
    const int v = HSLSlider[index]->value();
    ColorModel& m = model();
    // Pending RGB changes are settled first, so they cannot undo this component.
    m.refreshColorModel();
    switch (index) {
    case 0:
        // The slider shows a grey's hue of -1 as 0; showing it leaves the grey without a hue.
        if (v != 0 || m.getHue() != -1.0)
            m.SetHue(v);
        break;
    case 1:
        m.SetSatuation(v / 255.0);
        break;
    default:
        m.SetLightness(v / 255.0);
        break;
    }
    Scheme::instance().setSelectedColor(m.getColor());
    frmTessary::instance().tessaryRefresh();
    setFieldText(txtHSL[index], QString::number(v));
    colorCodeRefresh();
}

void frmMain::setRGBLabelColor(int index, int value)
{
    const int r = index == 0 ? value : 0;
    const int g = index == 1 ? value : 0;
    const int b = index == 2 ? value : 0;
    QPalette pal = rgbLabel[index]->palette();
    pal.setColor(QPalette::Window, QColor(r, g, b));
    // The letter stays readable on a dark or a bright channel colour.
    const bool dark = 0.299 * r + 0.587 * g + 0.114 * b < 110.0;
    pal.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
    rgbLabel[index]->setPalette(pal);
}

void frmMain::switchColorModelPage(int tab)
{
    const bool rgb = tab == 1;
    const bool hsl = tab == 2;
    for (int i = 0; i < 3; ++i) {
        txtRGB[i]->setFocusPolicy(rgb ? Qt::StrongFocus : Qt::NoFocus);
        RGBSlider[i]->setFocusPolicy(rgb ? Qt::StrongFocus : Qt::NoFocus);
        txtHSL[i]->setFocusPolicy(hsl ? Qt::StrongFocus : Qt::NoFocus);
        HSLSlider[i]->setFocusPolicy(hsl ? Qt::StrongFocus : Qt::NoFocus);
    }
}

void frmMain::loadObjectColor(int index)
{
    Scheme& scheme = Scheme::instance();
    scheme.select(index);
    model().setColor(scheme.color(scheme.selectedObject()));
    model().refreshColorModel();
}

void frmMain::selectDisplayObject(int index)
{
    Scheme::instance().select(index);
}

void frmMain::updateColorCircle()
{
    if (frmColorCircle* circle = shownColorCircle())
        circle->update(model());
}

frmColorCircle* frmMain::shownColorCircle() const
{
    return mnuColorCircle->isChecked() ? frmColorCircle::loadedInstance() : nullptr;
}

frmContrast* frmMain::shownContrast() const
{
    return mnuContrast->isChecked() ? frmContrast::loadedInstance() : nullptr;
}

void frmMain::selectObject(int index)
{
    if (index >= 0 && index < int(optSelectObject.size()))
        optSelectObject[size_t(index)]->switchOn();
}

frmPalette* frmMain::shownPalette() const
{
    return mnuPalette->isChecked() ? frmPalette::loadedInstance() : nullptr;
}

void frmMain::optSelectObject_Click(int index)
{
    Scheme::Batch batch;
    selectDisplayObject(index);
    model().setColor(Scheme::instance().color(Scheme::instance().selectedObject()));
    refreshColorControls();
}

void frmMain::RGBSlider_Change(int index)
{
    applyRGBSlider(index);
}

void frmMain::RGBSlider_Scroll(int index)
{
    applyRGBSlider(index);
}

void frmMain::RGBSlider_MouseUp(int)
{
    updateColorCircle();
}

void frmMain::HSLSlider_Change(int index)
{
    applyHSLSlider(index);
    updateColorCircle();
}

void frmMain::HSLSlider_Scroll(int index)
{
    applyHSLSlider(index);
}

void frmMain::tabSelectColorModel_Click()
{
    const int tab = tabSelectColorModel->currentIndex() + 1;
    QFrame* front = tab == 3 ? &oklchPage() : RGBorHSLFrame[tab == 1 ? 0 : 1];
    for (QFrame* page : {RGBorHSLFrame[0], RGBorHSLFrame[1], static_cast<QFrame*>(d->oklchPage)}) {
        if (page)
            page->setVisible(page == front);
    }
    front->raise();
    switchColorModelPage(tab);
    refreshColorControls();
}

// ---- Typed entry -------------------------------------------------------------------

void frmMain::txtColorCode_KeyUp(int, int)
{
    // The field still shows the current colour as the program wrote it (a key that changed
    // no text, such as the A of Ctrl+A): taking it again could only move the colour.
    if (txtColorCode->text() == prefix + getColorCode())
        return;
    if (const auto color = ColorEntry::colorFromCodeField(txtColorCode->text(), prefix))
        setColor(*color);
}

void frmMain::txtRGB_KeyUp(int index, int, int)
{
    setFieldText(txtRGB[index], ColorEntry::keepLastTwo(txtRGB[index]->text()));
    setColor(ColorEntry::colorFromChannelFields(txtRGB[0]->text(), txtRGB[1]->text(), txtRGB[2]->text()));
}

} // namespace tessary
