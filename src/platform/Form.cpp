// SPDX-License-Identifier: MIT
#include "platform/Form.h"
#include "language/Retranslator.h"

#include "platform/AccessibleNames.h"
#include "platform/MenuAccessible.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace tessary {

Form::Form(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::Window)
{
    installMenuAccessibility();
}

Form::~Form()
{
    if (m_modalLoop)
        m_modalLoop->quit();
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Form_Load();
    nameControlsFromCaptions(this);
}

void Form::unload()
{
    if (m_unloaded || m_unloading)
        return;
    m_unloading = true;
    int cancel = 0;
    Form_Unload(cancel);
    m_unloading = false;
    if (cancel != 0)
        return;
    m_unloaded = true;
    hide();
    if (m_modalLoop)
        m_modalLoop->quit();
    emit unloaded();
    deleteLater();
}

void Form::showModeless()
{
    setWindowModality(Qt::NonModal);
    show();
    raise();
}

void Form::showModal()
{
    if (m_unloaded)
        return;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    m_modalLoop = &loop;
    const QPointer<Form> self(this);
    loop.exec(QEventLoop::DialogExec);
    // The window may have been deleted while its loop ran.
    if (self)
        m_modalLoop = nullptr;
}

QRect Form::outerFrame() const
{
    // The widget's copy of the frame is refreshed only when the window moves or is resized;
    // a window manager's frame that arrives later is known to the native window at once.
    if (const QWindow* w = windowHandle(); w && w->handle())
        return w->frameGeometry();
    return frameGeometry();
}

QMargins Form::frameMargins() const
{
    if (const QWindow* w = windowHandle(); w && w->handle())
        return w->frameMargins();
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

double Form::leftTw() const { return Twips::fromPixelsX(outerFrame().x()); }
double Form::topTw() const { return Twips::fromPixelsY(outerFrame().y()); }
double Form::widthTw() const { return Twips::fromPixelsX(outerFrame().width()); }
double Form::heightTw() const { return Twips::fromPixelsY(outerFrame().height()); }

void Form::applyOuter(int leftPx, int topPx, int widthPx, int heightPx)
{
    const QMargins m = frameMargins();
    move(leftPx, topPx);
    resize(std::max(1, widthPx - m.left() - m.right()), std::max(1, heightPx - m.top() - m.bottom()));
}

void Form::setLeftTw(double v)
{
    const QRect f = outerFrame();
    applyOuter(Twips::toPixelsX(v), f.y(), f.width(), f.height());
}

void Form::setTopTw(double v)
{
    const QRect f = outerFrame();
    applyOuter(f.x(), Twips::toPixelsY(v), f.width(), f.height());
}

void Form::setWidthTw(double v)
{
    const QRect f = outerFrame();
    applyOuter(f.x(), f.y(), Twips::toPixelsX(v), f.height());
}

void Form::setHeightTw(double v)
{
    const QRect f = outerFrame();
    applyOuter(f.x(), f.y(), f.width(), Twips::toPixelsY(v));
}

void Form::moveTw(double left, double top, double width, double height)
{
    applyOuter(Twips::toPixelsX(left), Twips::toPixelsY(top), Twips::toPixelsX(width),
               Twips::toPixelsY(height));
}

void Form::setClientSizeTw(double width, double height)
{
    resize(Twips::toPixelsX(width), Twips::toPixelsY(height));
}

void Form::placeTw(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(Twips::toPixelsX(left), Twips::toPixelsY(top), Twips::toPixelsX(width),
                   Twips::toPixelsY(height));
}

Form::WindowState Form::formState() const
{
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized)
        return Minimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Maximized;
    return Normal;
}

void Form::setFormState(WindowState s)
{
    switch (s) {
    case Minimized:
        setWindowState((windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen)) | Qt::WindowMinimized);
        break;
    case Maximized:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    case Normal:
    default:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
        break;
    }
}

void Form::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = outerFrame();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form::setDialogButtons(QAbstractButton* defaultButton, QAbstractButton* cancelButton)
{
    m_defaultButton = defaultButton;
    m_cancelButton = cancelButton;
}

void Form::keyPressEvent(QKeyEvent* e)
{
    const bool plain = !(e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    if (plain && (m_defaultButton || m_cancelButton)) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
            QAbstractButton* target = focused ? focused : m_defaultButton;
            if (target && target->isEnabled())
                target->click();
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            if (m_cancelButton && m_cancelButton->isEnabled())
                m_cancelButton->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void Form::closeEvent(QCloseEvent* e)
{
    // A close request from the window system unloads the window like the code does.
    if (m_unloaded) {
        e->accept();
        return;
    }
    e->ignore();
    unload();
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (m_loaded && !m_unloaded)
        Form_Resize();
}

void Form::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && m_loaded && !m_unloaded)
        Form_Resize();
    if (e->type() == QEvent::LanguageChange && m_loaded && !m_unloaded)
        retranslate();
}

void Form::retranslate()
{
    retranslateTree(this);
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && m_loaded && !m_unloaded)
        Form_Activate();
    // Captions set or changed after loading get their spoken names before anyone hears them.
    if (e->type() == QEvent::Show)
        nameControlsFromCaptions(this);
    return QWidget::event(e);
}

} // namespace tessary
