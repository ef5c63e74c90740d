// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IClipboard.h"
#include "platform/IFileDialogs.h"
#include "platform/IMessageBox.h"
#include "platform/IRandom.h"
#include "platform/IScreenCapture.h"
#include "platform/IShell.h"
#include "platform/ISystemColors.h"

#include <memory>

namespace tessary {

// The outside services, chosen in one place: the real ones at program start, scripted
// doubles in tests.
class Services {
public:
    static IMessageBox& messageBox();
    static IFileDialogs& fileDialogs();
    static IScreenCapture& screenCapture();
    static ISystemColors& systemColors();
    static IRandom& random();
    static IShell& shell();
    static IClipboard& clipboard();

    static void installReal();
    static void setMessageBox(std::unique_ptr<IMessageBox> s);
    static void setFileDialogs(std::unique_ptr<IFileDialogs> s);
    static void setScreenCapture(std::unique_ptr<IScreenCapture> s);
    static void setSystemColors(std::unique_ptr<ISystemColors> s);
    static void setRandom(std::unique_ptr<IRandom> s);
    static void setShell(std::unique_ptr<IShell> s);
    static void setClipboard(std::unique_ptr<IClipboard> s);
};

// A message box with the application title "Tessary", OK only and no icon unless given.
int MsgBox(const QString& text, int buttons = IMessageBox::OKOnly, const QString& title = QString(),
           int icon = IMessageBox::NoIcon);

} // namespace tessary
