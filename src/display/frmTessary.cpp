// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"

#include "a11y/PaintedAccessible.h"
#include "cvd/VisionModeHolder.h"
#include "display/frmTessaryPrivate.h"
#include "platform/ColorValue.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"

#include <QCloseEvent>
#include <algorithm>

namespace tessary {

frmTessary::frmTessary()
    : Form(nullptr, Qt::FramelessWindowHint)
    , d(std::make_unique<Impl>(*this))
{
    setWindowTitle(QString());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    d->drawing.setBackColor(Surface::fromRgb(palette().color(QPalette::Window).rgb()));
    applyVisionMode(VisionModeHolder::instance().mode());
    connect(&VisionModeHolder::instance(), &VisionModeHolder::modeChanged, this, &frmTessary::applyVisionMode);
    connect(&Scheme::instance(), &Scheme::labelFontChanged, this, &frmTessary::followLabelFont);
    connect(&Scheme::instance(), &Scheme::styleChanged, this, &frmTessary::followStyle);
    Workspace::instance().setDisplayWindow(this);
    // The window has no title bar; this is what a screen reader calls it.
    setAccessibleName(tr("表示ウィンドウ"));
    installPaintedAccessibility(this, &d->objects);
}

frmTessary::~frmTessary() = default;

// ---- colour accessors ----

namespace {

Scheme& scheme() { return Scheme::instance(); }

} // namespace

std::int16_t frmTessary::selectObject() const { return static_cast<std::int16_t>(scheme().selectedObject()); }

void frmTessary::setSelectObject(std::int16_t index) { scheme().select(index); }

std::int32_t frmTessary::getColor() const { return scheme().color(scheme().selectedObject()); }

void frmTessary::setColor(std::int32_t c)
{
    Workspace::DisplayWrite quiet;
    scheme().setSelectedColor(c);
}

int frmTessary::red() const { return ColorValue::red(getColor()); }
int frmTessary::green() const { return ColorValue::green(getColor()); }
int frmTessary::blue() const { return ColorValue::blue(getColor()); }

// A channel outside 0..255 counts as its nearest end.
void frmTessary::setRed(int vRed)
{
    const std::int32_t c = getColor();
    setColor(ColorValue::pack(std::clamp(vRed, 0, 255), ColorValue::green(c), ColorValue::blue(c)));
}

void frmTessary::setGreen(int vGreen)
{
    const std::int32_t c = getColor();
    setColor(ColorValue::pack(ColorValue::red(c), std::clamp(vGreen, 0, 255), ColorValue::blue(c)));
}

void frmTessary::setBlue(int vBlue)
{
    const std::int32_t c = getColor();
    setColor(ColorValue::pack(ColorValue::red(c), ColorValue::green(c), std::clamp(vBlue, 0, 255)));
}

// ---- style ----

void frmTessary::setStyle(std::int16_t style)
{
    Scheme::Batch batch;
    StyleParams p = scheme().state().style;
    p.style = style;
    scheme().setStyle(p);
    tessaryRefresh();
}

void frmTessary::setStyleSquareOnSquare(std::int32_t outsideWidth)
{
    StyleParams p = scheme().state().style;
    p.outsideWidth = outsideWidth;
    scheme().setStyle(p);
}

void frmTessary::setStyleDivide(std::int32_t divideNum)
{
    StyleParams p = scheme().state().style;
    p.divideNum = divideNum;
    scheme().setStyle(p);
}

void frmTessary::setStyleLattice(std::int32_t lineWidth, std::int32_t divideNum)
{
    StyleParams p = scheme().state().style;
    p.latticeLineWidth = lineWidth;
    p.latticeDivideNum = divideNum;
    scheme().setStyle(p);
}

std::int16_t frmTessary::style() const { return static_cast<std::int16_t>(scheme().state().style.style); }

// ---- labels ----

CLabel* frmTessary::label(int index)
{
    if (index < 0 || index >= static_cast<int>(d->labels.size()))
        return nullptr;
    auto& slot = d->labels[static_cast<std::size_t>(index)];
    if (!slot) {
        slot = std::make_unique<CLabel>();
        slot->setTargetObject(this);
    }
    syncLabel(index);
    return slot.get();
}

bool frmTessary::syncLabel(int index)
{
    // The labels hold their fonts by reference, so a font object changed by its holder is
    // drawn as it is; a font the scheme got from anyone else becomes the label's own object.
    const auto k = static_cast<std::size_t>(index);
    const SchemeLabel& wanted = scheme().state().labels[k];
    CLabel& l = *d->labels[k];
    l.setText(wanted.text);
    if (wanted.font == d->fontsTaken[k])
        return false;
    d->fontsTaken[k] = wanted.font;
    l.setFont(copyFont(wanted.font));
    return true;
}

void frmTessary::setLabelText(std::int16_t index, const QString& text)
{
    scheme().setText(index, text);
}

FontRef frmTessary::getLabelFont(std::int16_t index)
{
    CLabel* l = label(index);
    return l ? l->getFont() : FontRef();
}

void frmTessary::setLabelFont(std::int16_t index, const FontRef& font)
{
    CLabel* l = label(index);
    if (!l)
        return;
    l->setFont(font);
    d->fontsTaken[static_cast<std::size_t>(index)] = *l->getFont();
    oweLabels();
    scheme().setFont(index, *l->getFont());
}

void frmTessary::labelFontEdited(std::int16_t index, const FontRef& font)
{
    CLabel* l = label(index);
    if (!l || l->getFont() != font)
        return;
    d->fontsTaken[static_cast<std::size_t>(index)] = *font;
    scheme().setFont(index, *font);
}

void frmTessary::oweLabels()
{
    if (d->owed == Impl::Owed::Nothing)
        d->owed = Impl::Owed::Labels;
    d->labelColors = scheme().state().colors;
    update();
}

void frmTessary::followStyle()
{
    // Another style is drawn at once; its parameters wait for the next refresh.
    if (isLoaded() && scheme().state().style.style != d->wholeParams.style)
        tessaryRefresh();
}

void frmTessary::followLabelFont(int index)
{
    if (d->labels[static_cast<std::size_t>(index)] && syncLabel(index))
        oweLabels();
}

// ---- life cycle ----

void frmTessary::Form_Load()
{
    // A new display window starts a new scheme, with the interface font on every label.
    SchemeState fresh;
    for (int i = 0; i < 3; ++i) {
        const FontRef font = CLabel::defaultFont();
        label(i)->setFont(font);
        d->fontsTaken[static_cast<std::size_t>(i)] = *font;
        fresh.labels[static_cast<std::size_t>(i)].font = *font;
    }
    scheme().replace(fresh);
}

void frmTessary::Form_Unload(int&)
{
    Scheme::Batch batch;
    d->owed = Impl::Owed::Nothing;
    d->drawing.clear();
    setBGIVisible(false);
    d->drag = Impl::Drag::None;
    for (auto& l : d->labels)
        l.reset();
    d->labelBoxes = {};
    d->fontsTaken = {};
    d->bgi.reset();
    delete d->mainFrame;
    scheme().replace(SchemeState{});
}

void frmTessary::closeEvent(QCloseEvent* e)
{
    // The window offers no way to close it: the main window unloads it at the end. A close
    // request from the window system (Alt+F4) would otherwise throw the scheme away.
    if (e->spontaneous()) {
        e->ignore();
        return;
    }
    Form::closeEvent(e);
}

void frmTessary::Form_Resize()
{
    tessaryRefresh();
}

} // namespace tessary
