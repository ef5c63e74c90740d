// SPDX-License-Identifier: MIT
// The main window as a view: it follows the scheme and the workspace.
#include "main/frmMain.h"

#include "main/MainCaptions.h"
#include "main/frmMainPrivate.h"
#include "platform/OptionButton.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"

#include <QAction>

namespace tessary {

void frmMain::followScheme()
{
    Workspace& ws = Workspace::instance();
    // A new main window starts with its menu's marks off.
    ws.setKeptOnTop(false);
    ws.endPreview(false);
    ws.setCodePrefix(prefix);
    ws.setShown(Workspace::Tool::Palette, false);
    ws.setShown(Workspace::Tool::ColorCircle, false);
    ws.setMainWindow(this);
    ws.setCommonDialog(&CommonDialog1);
    connect(&ws, &Workspace::codePrefixChanged, this, [this] {
        prefix = Workspace::instance().codePrefix();
        colorCodeRefresh();
    });
    connect(&ws, &Workspace::shownChanged, this, [this](Workspace::Tool tool, bool shown) {
        (tool == Workspace::Tool::Palette ? mnuPalette : mnuColorCircle)->setChecked(shown);
    });
    // The check marks are the windows' state as the user sees it, also when set from code.
    connect(mnuPalette, &QAction::toggled, this,
            [](bool on) { Workspace::instance().setShown(Workspace::Tool::Palette, on); });
    connect(mnuColorCircle, &QAction::toggled, this,
            [](bool on) { Workspace::instance().setShown(Workspace::Tool::ColorCircle, on); });
    connect(&ws, &Workspace::editObjectRequested, this, &frmMain::selectObject);
    connect(&ws, &Workspace::takeColorRequested, this, [this](std::int32_t color) {
        Scheme::Batch batch;
        if (!isUnloaded())
            setColor(color);
    });
    connect(&ws, &Workspace::showRequested, this, [this](Workspace::Tool tool) {
        QAction* item = tool == Workspace::Tool::Palette ? mnuPalette : mnuColorCircle;
        if (!isUnloaded() && !item->isChecked())
            item->trigger();
    });
    connect(&ws, &Workspace::previewEnded, this, [this](bool taken) {
        const Scheme& scheme = Scheme::instance();
        if (taken && !isUnloaded())
            setColor(scheme.color(scheme.selectedObject()));
    });
    Scheme& scheme = Scheme::instance();
    connect(&scheme, &Scheme::colorChanged, this, &frmMain::followColor);
    connect(&scheme, &Scheme::sampleTextChanged, this, &frmMain::followSampleText);
}

void frmMain::followColor(int object)
{
    // The sliders edit the selected object; a colour they wrote themselves is there already,
    // and a picker's preview is the display window's alone.
    const Scheme& scheme = Scheme::instance();
    if (isUnloaded() || Workspace::instance().isPreviewing() || object != scheme.selectedObject()
        || model().getColor() == scheme.color(object))
        return;
    setColor(scheme.color(object));
}

void frmMain::followSampleText(int label)
{
    const QString& text = Scheme::instance().state().labels[static_cast<std::size_t>(label)].text;
    if (!isUnloaded() && txtSampleString[static_cast<std::size_t>(label)]->text() != text)
        setSampleText(static_cast<std::int16_t>(label), text);
}

} // namespace tessary
