// SPDX-License-Identifier: MIT
#include "XClient.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace xclient {

namespace {

long windowPid(Display* d, Window w)
{
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", True);
    if (pidAtom == None)
        return -1;
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &data) == Success
        && data && n == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

std::string windowTitle(Display* d, Window w)
{
    const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &n, &after, &data) == Success && data)
        title.assign(reinterpret_cast<char*>(data), n);
    if (data)
        XFree(data);
    return title;
}

void collect(Display* d, Window w, long pid, std::vector<Win>& out)
{
    Window root, parent;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n))
        return;
    for (unsigned int i = 0; i < n; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && windowPid(d, children[i]) == pid) {
            int x = 0, y = 0;
            Window child;
            XTranslateCoordinates(d, children[i], root, 0, 0, &x, &y, &child);
            out.push_back({children[i], x, y, a.width, a.height, windowTitle(d, children[i])});
        }
        collect(d, children[i], pid, out);
    }
    if (children)
        XFree(children);
}

} // namespace

std::vector<Win> windowsOf(Display* d, long pid)
{
    std::vector<Win> out;
    collect(d, DefaultRootWindow(d), pid, out);
    return out;
}

const Win* findWindow(const std::vector<Win>& wins, const std::string& title)
{
    for (const Win& w : wins) {
        if (w.title == title)
            return &w;
    }
    std::fprintf(stderr, "no window titled %s\n", title.c_str());
    return nullptr;
}

Window topLevel(Display* d, Window w)
{
    for (;;) {
        Window root, parent;
        Window* children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(d, w, &root, &parent, &children, &n))
            return w;
        if (children)
            XFree(children);
        if (parent == root || parent == None)
            return w;
        w = parent;
    }
}

bool windowManagerRuns(Display* d)
{
    // Only a running window manager holds the root window's substructure redirection; its
    // _NET_SUPPORTING_WM_CHECK property outlives it on a server that does not reset.
    XWindowAttributes a{};
    return XGetWindowAttributes(d, DefaultRootWindow(d), &a) && (a.all_event_masks & SubstructureRedirectMask);
}

bool activate(Display* d, Window w)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 2;
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    XSync(d, False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        Window focus;
        int revert;
        XGetInputFocus(d, &focus, &revert);
        if (focus == w)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::fprintf(stderr, "window did not take the focus\n");
    return false;
}

void sendKey(Display* d, Window w, KeySym sym, unsigned int state, bool sync)
{
    XEvent ev{};
    ev.xkey.display = d;
    ev.xkey.window = w;
    ev.xkey.root = DefaultRootWindow(d);
    ev.xkey.subwindow = None;
    ev.xkey.time = CurrentTime;
    ev.xkey.same_screen = True;
    ev.xkey.state = state;
    ev.xkey.keycode = XKeysymToKeycode(d, sym);
    ev.xkey.type = KeyPress;
    XSendEvent(d, w, True, KeyPressMask, &ev);
    ev.xkey.type = KeyRelease;
    XSendEvent(d, w, True, KeyReleaseMask, &ev);
    if (sync)
        XSync(d, False);
    else
        XFlush(d);
}


int ignoreVanishedWindows(Display* d, XErrorEvent* e)
{
    if (e->error_code == BadWindow || e->error_code == BadDrawable)
        return 0;
    char text[256];
    XGetErrorText(d, e->error_code, text, sizeof text);
    std::fprintf(stderr, "X error: %s (request %d)\n", text, e->request_code);
    std::exit(1);
}

} // namespace xclient
