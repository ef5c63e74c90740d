// SPDX-License-Identifier: MIT
#include "platform/Services.h"

#include "platform/QtServices.h"

#include <QApplication>

namespace tessary {

namespace {
struct Holder {
    std::unique_ptr<IMessageBox> messageBox;
    std::unique_ptr<IFileDialogs> fileDialogs;
    std::unique_ptr<IScreenCapture> screenCapture;
    std::unique_ptr<ISystemColors> systemColors;
    std::unique_ptr<IRandom> random;
    std::unique_ptr<IShell> shell;
    std::unique_ptr<IClipboard> clipboard;
};

Holder& holder()
{
    static Holder h;
    return h;
}

template <class T, class Real>
T& getOrReal(std::unique_ptr<T>& slot)
{
    if (!slot)
        slot = std::make_unique<Real>();
    return *slot;
}
} // namespace

IMessageBox& Services::messageBox() { return getOrReal<IMessageBox, QtMessageBox>(holder().messageBox); }
IFileDialogs& Services::fileDialogs() { return getOrReal<IFileDialogs, QtFileDialogs>(holder().fileDialogs); }
IScreenCapture& Services::screenCapture()
{
    return getOrReal<IScreenCapture, QtScreenCapture>(holder().screenCapture);
}
ISystemColors& Services::systemColors()
{
    return getOrReal<ISystemColors, QtSystemColors>(holder().systemColors);
}
IRandom& Services::random() { return getOrReal<IRandom, ClockRandom>(holder().random); }
IShell& Services::shell() { return getOrReal<IShell, QtShell>(holder().shell); }
IClipboard& Services::clipboard() { return getOrReal<IClipboard, QtClipboard>(holder().clipboard); }

void Services::installReal()
{
    holder().messageBox = std::make_unique<QtMessageBox>();
    holder().fileDialogs = std::make_unique<QtFileDialogs>();
    holder().screenCapture = std::make_unique<QtScreenCapture>();
    holder().systemColors = std::make_unique<QtSystemColors>();
    holder().random = std::make_unique<ClockRandom>();
    holder().shell = std::make_unique<QtShell>();
    holder().clipboard = std::make_unique<QtClipboard>();
}

void Services::setMessageBox(std::unique_ptr<IMessageBox> s) { holder().messageBox = std::move(s); }
void Services::setFileDialogs(std::unique_ptr<IFileDialogs> s) { holder().fileDialogs = std::move(s); }
void Services::setScreenCapture(std::unique_ptr<IScreenCapture> s) { holder().screenCapture = std::move(s); }
void Services::setSystemColors(std::unique_ptr<ISystemColors> s) { holder().systemColors = std::move(s); }
void Services::setRandom(std::unique_ptr<IRandom> s) { holder().random = std::move(s); }
void Services::setShell(std::unique_ptr<IShell> s) { holder().shell = std::move(s); }
void Services::setClipboard(std::unique_ptr<IClipboard> s) { holder().clipboard = std::move(s); }

int MsgBox(const QString& text, int buttons, const QString& title, int icon)
{
    return Services::messageBox().show(QApplication::activeWindow(), text, buttons,
                                       title.isEmpty() ? QStringLiteral("Tessary") : title, icon);
}

} // namespace tessary
