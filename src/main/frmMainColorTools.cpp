// SPDX-License-Identifier: MIT
#include "main/frmMain.h"

#include "display/frmTessary.h"
#include "main/ColorTools.h"
#include "main/frmMainPrivate.h"
#include "platform/ColorValue.h"
#include "platform/Services.h"
#include "scheme/Scheme.h"

namespace tessary {

// ---- Colour tools ------------------------------------------------------------------

void frmMain::applyToAll(const std::function<ColorTools::Scheme(const ColorTools::Scheme&)>& tool)
{
    // The selection walks through every object and back: only the new colours are announced.
    Scheme::Batch batch;
    frmTessary& display = frmTessary::instance();
    const std::int16_t selected = display.selectObject();
    ColorTools::Scheme before{};
    for (int i = 0; i < 5; ++i) {
        loadObjectColor(i);
        before[i] = model().getColor();
    }
    const ColorTools::Scheme after = tool(before);
    for (int i = 0; i < 5; ++i) {
        display.setSelectObject(static_cast<std::int16_t>(i));
        display.setColor(after[i]);
    }
    display.tessaryRefresh();
    display.setSelectObject(selected);
    model().setColor(display.getColor());
    refreshColorControls();
}

void frmMain::unifyComponent(int component)
{
    const double value = ColorTools::component(model(), component);
    applyToAll([component, value](const ColorTools::Scheme& s) { return ColorTools::unify(s, component, value); });
}

void frmMain::averageComponent(int component)
{
    applyToAll([component](const ColorTools::Scheme& s) {
        return ColorTools::unify(s, component, ColorTools::average(s, component));
    });
}

void frmMain::randomizeAll()
{
    applyToAll([](const ColorTools::Scheme&) {
        return ColorTools::randomize([] { return Services::random().next(); });
    });
}

void frmMain::randomizeSingle()
{
    model().setColor(ColorTools::randomColor([] { return Services::random().next(); }));
    model().refreshColorModel();
    refreshColorControls();
}

void frmMain::complementAll()
{
    applyToAll(&ColorTools::complement);
}

void frmMain::complementSingle()
{
    ColorModel& m = model();
    m.refreshColorModel();
    m.SetHue(m.getComplementaryColor());
    refreshColorControls();
}

void frmMain::copyColorToAll()
{
    const int answer = MsgBox(tr("全てのオブジェクトを現在選択されている色と同じ色にします。\r\nよろしいですか？"),
                              IMessageBox::YesNoCancel, tr("全て同色"));
    if (answer != IMessageBox::Yes)
        return;
    ColorModel& m = model();
    const std::int32_t color = ColorValue::pack(m.GetRed(), m.GetGreen(), m.GetBlue());
    applyToAll([color](const ColorTools::Scheme&) {
        ColorTools::Scheme s{};
        s.fill(color);
        return s;
    });
}

void frmMain::mnuCordinateHue_Click() { unifyComponent(ColorTools::Hue); }
void frmMain::mnuCordinateSatuation_Click() { unifyComponent(ColorTools::Saturation); }
void frmMain::mnuCordinateLightness_Click() { unifyComponent(ColorTools::Lightness); }
void frmMain::mnuAveHue_Click() { averageComponent(ColorTools::Hue); }
void frmMain::mnuAveLightness_Click() { averageComponent(ColorTools::Lightness); }
void frmMain::mnuAveSatuation_Click() { averageComponent(ColorTools::Saturation); }
void frmMain::mnuRandomAll_Click() { randomizeAll(); }
void frmMain::mnuRandomSingle_Click() { randomizeSingle(); }
void frmMain::mnuComplementaryColorAll_Click() { complementAll(); }
void frmMain::mnuComplementaryColorSingle_Click() { complementSingle(); }
void frmMain::mnuCopyColorALL_Click() { copyColorToAll(); }

} // namespace tessary
