// SPDX-License-Identifier: MIT
// What our X11 clients (the end-to-end tests' window tool, the editing benchmark) need from the
// server: a process's mapped top-level windows, activating one, and typing keys into it.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace xclient {

struct Win {
    Window id;
    int x, y, w, h;
    std::string title;
};

// The mapped windows of process pid, with their positions on the root window.
std::vector<Win> windowsOf(Display* d, long pid);
// The window titled title, or null (and a message) when there is none.
const Win* findWindow(const std::vector<Win>& wins, const std::string& title);
// The window that the window manager put around w, or w itself when it has no frame.
Window topLevel(Display* d, Window w);
bool windowManagerRuns(Display* d);
// Makes w the active window as a pager would, and waits until it has the keyboard focus.
bool activate(Display* d, Window w);
// An X error handler: a window the program destroys while we walk the tree (a tooltip, a
// closing dialog) makes the next request about it fail; that window is simply no longer
// there, so only other errors end the client the way Xlib's default handler would.
int ignoreVanishedWindows(Display* d, XErrorEvent* e);
// Sends a press and a release of sym with the modifier state to w, and flushes them only
// (sync = false) or waits until the server has handled them.
void sendKey(Display* d, Window w, KeySym sym, unsigned int state, bool sync = true);

} // namespace xclient
