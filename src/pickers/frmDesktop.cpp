// SPDX-License-Identifier: MIT
#include "pickers/frmDesktop.h"

#include "color/colorCode.h"
#include "display/SetMostTopForm.h"
#include "display/frmTessary.h"
#include "pickers/DesktopWaitWindow.h"
#include "pickers/DropperCursor.h"
#include "pickers/LoupePainter.h"
#include "pickers/PickerOverlay.h"
#include "platform/ColorValue.h"
#include "platform/Numeric.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Surface.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"

#include <QCoreApplication>
#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace tessary {

namespace {

constexpr int kBigStep = 10;   // device pixels per Shift+arrow

const QString kNoCaptureMessage =
    QCoreApplication::translate("frmDesktop", "画面の内容を取り込めませんでした。\n"
                   "この環境では画面の取り込みが許可されていない可能性があります。");

QString codeOf(std::int32_t c)
{
    return QStringLiteral("#") +
           colorCode().getHexRGB(ColorValue::red(c), ColorValue::blue(c), ColorValue::green(c));
}

} // namespace

struct frmDesktop::Impl {
    DevicePixelMap map;
    QList<QImage> copies;   // one per pane, tagged with the pane's device-pixel ratio
    DevicePixelMap::Pixel cross;
    std::int32_t pickedColor = 0;
    std::int32_t originalColor = 0;
    std::unique_ptr<SetMostTopForm> topmostSwitch;
    bool captured = false;
    bool screenshot = false;   // the copy came from the desktop: window coordinates, full screen
    std::unique_ptr<DesktopWaitWindow> waiting;   // while the desktop is asked

    // Later, not now: the window may be in the middle of telling us its button was pressed.
    void dismissWaiting()
    {
        if (!waiting)
            return;
        waiting->hide();
        waiting.release()->deleteLater();
    }
};

frmDesktop::frmDesktop()
    : Form(nullptr, Qt::FramelessWindowHint)
    , d(std::make_unique<Impl>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(DropperCursor::make());
    setAccessibleName(QCoreApplication::translate("frmDesktop", "画面の色を拾う"));
    setAccessibleDescription(QCoreApplication::translate("frmDesktop", "クリックした点の色を取ります。Esc キーで取りやめます"));
}

frmDesktop::~frmDesktop() = default;

QImage frmDesktop::frozenCopy(int pane) const
{
    return d->copies.value(pane);
}

const DevicePixelMap& frmDesktop::pixelMap() const
{
    return d->map;
}

DevicePixelMap::Pixel frmDesktop::crossHair() const
{
    return d->cross;
}

std::int32_t frmDesktop::pickedColor() const
{
    return d->pickedColor;
}

void frmDesktop::setVisible(bool visible)
{
    // Without a copy there is nothing to pick from (yet), and an unloaded picker stays
    // hidden even when its opener shows it right after the load gave up.
    if (visible && (isUnloaded() || !d->captured))
        return;
    Form::setVisible(visible);
}

bool frmDesktop::getDesktop()
{
    const QList<IScreenCapture::Screen> shots = Services::screenCapture().grabScreens();
    QList<DevicePixelMap::Pane> panes;
    d->copies.clear();
    QRect desktop;
    for (const IScreenCapture::Screen& s : shots) {
        if (s.image.isNull() || s.dpr <= 0.0)
            continue;
        QImage copy = s.image.convertToFormat(QImage::Format_RGB32);
        copy.setDevicePixelRatio(s.dpr);
        d->copies.append(copy);
        panes.append({s.geometry, copy.size(), s.dpr, {}});
        desktop = desktop.united(s.geometry);
    }
    d->map = DevicePixelMap(panes);
    d->screenshot = false;
    d->captured = !panes.isEmpty();
    if (d->captured)
        setGeometry(desktop);
    return d->captured;
}

QPoint frmDesktop::viewOrigin() const
{
    // A grab is laid out on the virtual desktop, so the copy stays aligned wherever the
    // window system actually put the window; a screenshot fills the window.
    return d->screenshot ? QPoint() : mapToGlobal(QPoint(0, 0));
}

void frmDesktop::Form_Load()
{
    if (frmTessary* display = frmTessary::loadedInstance())
        d->originalColor = display->getColor();
    IScreenCapture& capture = Services::screenCapture();
    // Copy the screen before anything changes the display window's stacking, so the copy
    // shows it as the user saw it.
    if (capture.canGrab() && getDesktop()) {
        startView(d->map.pixelAt(QCursor::pos()));
        return;
    }
    // The desktop may show a dialog of its own; the answer comes later. Meanwhile a small
    // window says so and lets the user give up waiting.
    d->waiting = std::make_unique<DesktopWaitWindow>();
    connect(d->waiting.get(), &DesktopWaitWindow::cancelled, this, [this] { unload(); });
    d->waiting->showBeside(frmTessary::loadedInstance());
    capture.askDesktop(this, [this](const IScreenCapture::DesktopAnswer& a) { takeDesktopAnswer(a); });
}

void frmDesktop::takeDesktopAnswer(const IScreenCapture::DesktopAnswer& answer)
{
    using Kind = IScreenCapture::DesktopAnswer::Kind;
    if (!isLoaded())
        return;
    d->dismissWaiting();
    if (answer.kind == Kind::Screenshot && !answer.image.isNull()) {
        QImage copy = answer.image.convertToFormat(QImage::Format_RGB32);
        copy.setDevicePixelRatio(devicePixelRatioF());
        d->copies = {copy};
        d->map = DevicePixelMap({{rect(), copy.size(), devicePixelRatioF(), {}}});
        d->screenshot = true;
        d->captured = true;
        setWindowState(windowState() | Qt::WindowFullScreen);
        fitScreenshotPane();
        startView(d->map.pixelAt(QRectF(rect()).center()));
        show();
        return;
    }
    switch (answer.kind) {
    case Kind::Colour:
        Workspace::instance().takeColor(answer.colour);
        break;
    case Kind::Cancelled:
        break;
    case Kind::Screenshot:
    case Kind::Unavailable:
        MsgBox(kNoCaptureMessage);
        break;
    }
    unload();
}

void frmDesktop::fitScreenshotPane()
{
    if (!d->screenshot || d->map.panes().isEmpty())
        return;
    DevicePixelMap::Pane pane = d->map.panes().first();
    pane.logical = rect();
    pane.dpr = devicePixelRatioF();
    d->copies.first().setDevicePixelRatio(pane.dpr);
    d->map.setPane(0, pane);
    d->map.scrollToShow(d->cross);
}

void frmDesktop::startView(DevicePixelMap::Pixel start)
{
    frmTessary* display = frmTessary::loadedInstance();
    d->topmostSwitch = std::make_unique<SetMostTopForm>();
    if (display) {
        d->topmostSwitch->SetFormTop(display, true);
        display->raise();
    }
    // A click before any movement takes the pixel under the pointer, not black; nothing is
    // previewed until the pointer or a key moves.
    if (start.isValid()) {
        d->cross = start;
        d->pickedColor = Surface::fromRgb(d->copies[start.pane].pixel(start.at));
    }
}

void frmDesktop::Form_Unload(int& cancel)
{
    (void)cancel;
    Workspace::instance().endPreview(false);
    d->dismissWaiting();
    Form* main = Workspace::instance().mainWindow();
    frmTessary* display = frmTessary::loadedInstance();
    if (d->topmostSwitch && display) {
        // Keep the display window in front only if the user asked for that in the main window.
        const bool onTop = main && Workspace::instance().keptOnTop();
        d->topmostSwitch->SetFormTop(display, onTop);
    }
    if (main)
        main->showModeless();
    if (display)
        display->tessaryRefresh();
    d->topmostSwitch.reset();
    d->copies.clear();
    d->map = DevicePixelMap();
    d->cross = {};
}

void frmDesktop::setCrossHair(const DevicePixelMap::Pixel& px)
{
    if (!px.isValid() || px.pane >= d->copies.size())
        return;   // off every copy: keep the last colour
    const auto area = [this] {
        const std::optional<PickerOverlay> o = overlay();
        return o ? o->area() : QRect();
    };
    const QRect before = area();
    d->cross = px;
    if (d->map.scrollToShow(px))
        QWidget::update();
    else
        QWidget::update(QRegion(before).united(area()));
    d->pickedColor = Surface::fromRgb(d->copies[px.pane].pixel(px.at));
    previewPixel();
}

void frmDesktop::previewPixel()
{
    if (frmTessary* display = frmTessary::loadedInstance()) {
        Workspace::instance().beginPreview();
        display->setColor(d->pickedColor);
        display->tessaryRefresh();
    }
}

void frmDesktop::Form_MouseMove(int button, int shift, double X, double Y)
{
    if (!isLoaded())
        return;
    setCrossHair(d->map.pixelAt(QPointF(viewOrigin()) + QPointF(X, Y)));
}

void frmDesktop::moveCrossHair(int dx, int dy)
{
    if (isLoaded())
        setCrossHair(d->map.stepped(d->cross, dx, dy));
}

void frmDesktop::Form_MouseDown(int button, int shift, double X, double Y)
{
    if (!isLoaded())
        return;
    if (button == 1) {
        // The main window stores the colour taken as its page would, in the same announcement.
        Scheme::Batch batch;
        Scheme::instance().setSelectedColor(d->pickedColor);
        Workspace::instance().endPreview(true);
    } else if (button == 2) {
        if (frmTessary* display = frmTessary::loadedInstance())
            display->setColor(d->originalColor);
    }
    unload();
}

std::optional<PickerOverlay> frmDesktop::overlay() const
{
    if (!d->cross.isValid() || d->cross.pane >= d->map.panes().size())
        return std::nullopt;
    const DevicePixelMap::Pane& pane = d->map.panes()[d->cross.pane];
    return PickerOverlay(QPointF(pane.logical.topLeft() - viewOrigin()), pane.dpr, d->map.visiblePosition(d->cross),
                         d->map.visibleSize(d->cross.pane));
}

void frmDesktop::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QPoint origin = viewOrigin();
    QRegion uncovered(e->rect());
    for (int i = 0; i < d->map.panes().size(); ++i) {
        const DevicePixelMap::Pane& pane = d->map.panes()[i];
        const QRect shown = pane.logical.translated(-origin);
        uncovered -= shown;
        if (!shown.intersects(e->rect()))
            continue;
        // Drawn at its own ratio the copy lands 1:1 on the device pixels.
        p.setClipRect(shown);
        p.drawImage(QPointF(shown.topLeft()) - QPointF(pane.scroll) / pane.dpr, d->copies[i]);
    }
    p.setClipping(false);
    for (const QRect& r : uncovered)
        p.fillRect(r, Qt::black);

    if (const std::optional<PickerOverlay> o = overlay()) {
        const QImage& copy = d->copies[d->cross.pane];
        p.drawImage(o->crossHairAt(), LoupePainter::crossHair(o->dpr()));
        p.drawImage(o->loupeAt(), LoupePainter::loupe(copy, d->cross.at, o->loupe(), codeOf(d->pickedColor), o->dpr()));
    }
}

void frmDesktop::showEvent(QShowEvent* e)
{
    Form::showEvent(e);
    fitScreenshotPane();
    activateWindow();
    setFocus();
    // The display window stays in front of the copy, also once the window system has
    // finished stacking the picker.
    auto keepDisplayInFront = [] {
        if (frmTessary* display = frmTessary::loadedInstance())
            display->raise();
    };
    keepDisplayInFront();
    QTimer::singleShot(0, this, keepDisplayInFront);
}

void frmDesktop::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    fitScreenshotPane();
}

void frmDesktop::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF at = e->position();
    Form_MouseMove(mouseButtonsNumber(e->buttons()), shiftNumber(e->modifiers()), at.x(), at.y());
}

void frmDesktop::mousePressEvent(QMouseEvent* e)
{
    const QPointF at = e->position();
    Form_MouseDown(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), at.x(), at.y());
}

void frmDesktop::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The first press already closed the picker; a second one must not act again.
    e->accept();
}

void frmDesktop::keyPressEvent(QKeyEvent* e)
{
    const int step = e->modifiers().testFlag(Qt::ShiftModifier) ? kBigStep : 1;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        moveCrossHair(e->key() == Qt::Key_Left ? -step : step, 0);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveCrossHair(0, e->key() == Qt::Key_Up ? -step : step);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Form_MouseDown(1, 0, 0, 0);
        return;
    case Qt::Key_Escape:
        Form_MouseDown(2, 0, 0, 0);
        return;
    default:
        Form::keyPressEvent(e);
    }
}

} // namespace tessary
