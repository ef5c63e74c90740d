// SPDX-License-Identifier: MIT
#include "pickers/frmDesktop.h"

#include "display/SetMostTopForm.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/Numeric.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Surface.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace tessary {

namespace {

constexpr int kCursorSize = 32;

// A 32 x 32 dropper pointing up-left; its tip is the top-left pixel, the hot spot.
QCursor makeDropperCursor()
{
    QImage img(kCursorSize, kCursorSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.rotate(45.0);   // draw along the diagonal: x runs from the tip towards the bulb

        QPainterPath body;
        body.addRect(QRectF(5.0, -2.5, 15.0, 5.0));                // glass tube
        body.addRect(QRectF(20.0, -5.0, 3.0, 10.0));               // collar
        body.addRoundedRect(QRectF(23.0, -4.0, 14.0, 8.0), 4, 4);  // rubber bulb

        // A white halo keeps the dropper visible on dark and light screens alike.
        p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
        p.drawLine(QPointF(0.5, 0.0), QPointF(6.0, 0.0));

        p.setPen(QPen(Qt::black, 1.0));
        p.setBrush(QColor(230, 240, 250));
        p.drawRect(QRectF(5.0, -2.5, 15.0, 5.0));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(20.0, -5.0, 3.0, 10.0));
        p.setBrush(QColor(30, 30, 30));
        p.drawRoundedRect(QRectF(23.0, -4.0, 14.0, 8.0), 4, 4);
        p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0.0, 0.0), QPointF(6.0, 0.0));
    }
    // The tip itself must be solid, so the user sees exactly which pixel is taken.
    img.setPixel(0, 0, qRgba(0, 0, 0, 255));
    img.setPixel(1, 1, qRgba(0, 0, 0, 255));
    return QCursor(QPixmap::fromImage(img), 0, 0);
}

// Top-left corner of the virtual desktop that the screen copy starts at.
QPoint virtualDesktopOrigin()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return {};
    QRect all;
    for (const QScreen* s : screens)
        all = all.united(s->geometry());
    return all.topLeft();
}

} // namespace

struct frmDesktop::Impl {
    std::int32_t pointerX = 0;
    std::int32_t pointerY = 0;
    std::int32_t pickedColor = 0;
    std::int32_t originalColor = 0;
    std::unique_ptr<SetMostTopForm> topmostSwitch;

    Surface frozen;
    QPoint desktopOrigin;
    bool captured = false;
};

frmDesktop::frmDesktop()
    : Form(nullptr, Qt::FramelessWindowHint)
    , d(std::make_unique<Impl>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(makeDropperCursor());
}

frmDesktop::~frmDesktop() = default;

const Surface& frmDesktop::surface() const
{
    return d->frozen;
}

std::int32_t frmDesktop::pickedColor() const
{
    return d->pickedColor;
}

void frmDesktop::setVisible(bool visible)
{
    // Without a screen copy there is nothing to pick from, and an unloaded picker stays
    // hidden even when its opener shows it right after the load gave up.
    if (visible && (isUnloaded() || !d->captured))
        return;
    Form::setVisible(visible);
}

bool frmDesktop::getDesktop()
{
    const QImage shot = Services::screenCapture().grabDesktop();
    d->captured = !shot.isNull();
    if (!d->captured) {
        d->frozen = Surface();
        return false;
    }
    d->frozen.image() = shot.convertToFormat(QImage::Format_RGB32);
    d->desktopOrigin = virtualDesktopOrigin();
    setGeometry(QRect(d->desktopOrigin, shot.size()));
    QWidget::update();
    return true;
}

std::int32_t frmDesktop::pixelAtClient(int x, int y) const
{
    // Through global coordinates, so the copy stays aligned wherever the window system
    // actually put the window.
    const QPoint onCopy = mapToGlobal(QPoint(x, y)) - d->desktopOrigin;
    return d->frozen.pixel(onCopy.x(), onCopy.y());
}

void frmDesktop::Form_Load()
{
    frmTessary* display = frmTessary::loadedInstance();
    if (display)
        d->originalColor = display->getColor();

    // Copy the screen before anything changes the display window's stacking, so the copy
    // shows it as the user saw it.
    if (!getDesktop()) {
        MsgBox(QStringLiteral("画面の内容を取り込めませんでした。\n"
                              "この環境では画面の取り込みが許可されていない可能性があります。"));
        unload();
        return;
    }

    d->topmostSwitch = std::make_unique<SetMostTopForm>();
    if (display) {
        d->topmostSwitch->SetFormTop(display, true);
        display->raise();
    }

    // A click before any movement takes the pixel under the pointer, not black.
    const QPoint global = QCursor::pos();
    const QPoint local = mapFromGlobal(global);
    d->pointerX = local.x();
    d->pointerY = local.y();
    const std::int32_t c = d->frozen.pixel(global.x() - d->desktopOrigin.x(), global.y() - d->desktopOrigin.y());
    if (c >= 0)
        d->pickedColor = c;
}

void frmDesktop::Form_Unload(int& cancel)
{
    (void)cancel;
    frmMain* main = frmMain::loadedInstance();
    frmTessary* display = frmTessary::loadedInstance();
    if (d->topmostSwitch && display) {
        // Keep the display window in front only if the user asked for that in the main window.
        const bool onTop = main && main->mnuOnTop->isChecked();
        d->topmostSwitch->SetFormTop(display, onTop);
    }
    if (main)
        main->showModeless();
    if (display)
        display->tessaryRefresh();
    d->topmostSwitch.reset();
    d->frozen = Surface();
}

void frmDesktop::previewPixel(int button, int x, int y)
{
    (void)button;
    const std::int32_t c = pixelAtClient(x, y);
    if (c < 0)
        return;   // off the copy: keep the last colour
    d->pickedColor = c;
    if (frmTessary* display = frmTessary::loadedInstance()) {
        display->setColor(d->pickedColor);
        display->tessaryRefresh();
    }
}

void frmDesktop::Form_MouseMove(int button, int shift, double X, double Y)
{
    if (!isLoaded())
        return;
    d->pointerX = roundHalfEven(X);
    d->pointerY = roundHalfEven(Y);
    previewPixel(button, d->pointerX, d->pointerY);
}

void frmDesktop::Form_MouseDown(int button, int shift, double X, double Y)
{
    if (!isLoaded())
        return;
    if (button == 1) {
        frmMain::instance().setColor(d->pickedColor);
    } else if (button == 2) {
        if (frmTessary* display = frmTessary::loadedInstance())
            display->setColor(d->originalColor);
    }
    unload();
}

void frmDesktop::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QPoint offset = d->desktopOrigin - mapToGlobal(QPoint(0, 0));
    const QRect onCopy = QRect(offset, d->frozen.image().size());
    if (!onCopy.contains(e->rect()))
        p.fillRect(e->rect(), Qt::black);
    if (d->captured)
        p.drawImage(offset, d->frozen.image());
}

void frmDesktop::showEvent(QShowEvent* e)
{
    Form::showEvent(e);
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

void frmDesktop::mouseMoveEvent(QMouseEvent* e)
{
    Form_MouseMove(mouseButtonsNumber(e->buttons()), shiftNumber(e->modifiers()), e->position().x(), e->position().y());
}

void frmDesktop::mousePressEvent(QMouseEvent* e)
{
    Form_MouseDown(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), e->position().x(), e->position().y());
}

void frmDesktop::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The first press already closed the picker; a second one must not act again.
    e->accept();
}

void frmDesktop::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        Form_MouseDown(2, 0, d->pointerX, d->pointerY);
        return;
    }
    Form::keyPressEvent(e);
}

} // namespace tessary
