// SPDX-License-Identifier: MIT
// A small X11 client for end-to-end tests: lists the mapped top-level windows of a
// process, waits for them, and sends the window manager's close request.
//
//   XWindowTool wait PID COUNT TIMEOUT_MS   exits 0 once PID has COUNT mapped windows
//   XWindowTool close PID TITLE             sends WM_DELETE_WINDOW to PID's window TITLE
//   XWindowTool list PID                    prints "id x y w h title" per mapped window
//   XWindowTool pixels PID TITLE X,Y ...    prints RRGGBB of each point of window TITLE
//   XWindowTool frame PID TITLE             prints "x y w h" of the window's outer frame
//   XWindowTool move PID TITLE X Y          asks for window TITLE to be moved to X, Y
//   XWindowTool key PID TITLE KEYSYM [MODS] activates window TITLE and types the key, with
//                                         MODS such as ctrl, shift or ctrl+shift held
//   XWindowTool keys PID TITLE KEY...       activates window TITLE and types the keys in
//                                           turn, each a keysym with optional "ctrl+",
//                                           "alt+" or "shift+" in front ("alt+i", "Return")
//   XWindowTool wm TIMEOUT_MS               exits 0 once a window manager runs
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};

struct Win {
    Window id;
    int x, y, w, h;
    std::string title;
};

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

// The window that the window manager put around w, or w itself when it has no frame.
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

// Makes w the active window as a pager would, and waits until it has the keyboard focus.
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

void sendKey(Display* d, Window w, KeySym sym, unsigned int state)
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
    XSync(d, False);
}

} // namespace

// A window the program destroys while we walk the tree (a tooltip, a closing dialog) makes the
// next request about it fail; that window is simply no longer there, so only other errors end
// the tool the way Xlib's default handler would.
int ignoreVanishedWindows(Display* d, XErrorEvent* e)
{
    if (e->error_code == BadWindow || e->error_code == BadDrawable)
        return 0;
    char text[256];
    XGetErrorText(d, e->error_code, text, sizeof text);
    std::fprintf(stderr, "X error: %s (request %d)\n", text, e->request_code);
    std::exit(1);
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s wait|close|list PID ...\n", argv[0]);
        return 2;
    }
    // Closed on every way out, so the server is never left holding a dead connection.
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    Display* d = display.get();
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 3;
    }
    XSetErrorHandler(ignoreVanishedWindows);
    const std::string cmd = argv[1];
    const long pid = std::atol(argv[2]);
    if (cmd == "list") {
        for (const Win& w : windowsOf(d, pid))
            std::printf("%lu %d %d %d %d %s\n", w.id, w.x, w.y, w.w, w.h, w.title.c_str());
        return 0;
    }
    if (cmd == "wait" && argc >= 5) {
        const std::size_t count = std::strtoul(argv[3], nullptr, 10);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atol(argv[4]));
        while (std::chrono::steady_clock::now() < deadline) {
            if (windowsOf(d, pid).size() >= count)
                return 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return 1;
    }
    if (cmd == "close" && argc >= 4) {
        const std::string title = argv[3];
        for (const Win& w : windowsOf(d, pid)) {
            if (w.title != title)
                continue;
            XEvent ev{};
            ev.xclient.type = ClientMessage;
            ev.xclient.window = w.id;
            ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
            ev.xclient.format = 32;
            ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
            ev.xclient.data.l[1] = CurrentTime;
            XSendEvent(d, w.id, False, NoEventMask, &ev);
            // Wait until the server has handled the request: a connection closed right
            // after a mere flush can lose it.
            XSync(d, False);
            return 0;
        }
        std::fprintf(stderr, "no window titled %s\n", title.c_str());
        return 1;
    }
    if (cmd == "pixels" && argc >= 4) {
        const std::string title = argv[3];
        for (const Win& w : windowsOf(d, pid)) {
            if (w.title != title)
                continue;
            XImage* img = XGetImage(d, w.id, 0, 0, w.w, w.h, AllPlanes, ZPixmap);
            if (!img)
                return 1;
            for (int i = 4; i < argc; ++i) {
                int x = 0, y = 0;
                if (std::sscanf(argv[i], "%d,%d", &x, &y) != 2 || x < 0 || y < 0 || x >= w.w || y >= w.h) {
                    std::printf("outside\n");
                    continue;
                }
                const unsigned long p = XGetPixel(img, x, y);
                std::printf("%06lX\n", p & 0xFFFFFF);
            }
            XDestroyImage(img);
            return 0;
        }
        std::fprintf(stderr, "no window titled %s\n", title.c_str());
        return 1;
    }
    if (cmd == "frame" && argc >= 4) {
        const std::vector<Win> wins = windowsOf(d, pid);
        const Win* w = findWindow(wins, argv[3]);
        if (!w)
            return 1;
        const Window top = topLevel(d, w->id);
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, top, &a))
            return 1;
        std::printf("%d %d %d %d\n", a.x, a.y, a.width + 2 * a.border_width, a.height + 2 * a.border_width);
        return 0;
    }
    if (cmd == "move" && argc >= 6) {
        const std::vector<Win> wins = windowsOf(d, pid);
        const Win* w = findWindow(wins, argv[3]);
        if (!w)
            return 1;
        XMoveWindow(d, w->id, std::atoi(argv[4]), std::atoi(argv[5]));
        XSync(d, False);
        return 0;
    }
    if (cmd == "key" && argc >= 5) {
        const std::vector<Win> wins = windowsOf(d, pid);
        const Win* w = findWindow(wins, argv[3]);
        const KeySym sym = XStringToKeysym(argv[4]);
        if (!w || sym == NoSymbol || !activate(d, w->id))
            return 1;
        const std::string mods = argc >= 6 ? argv[5] : "";
        unsigned int state = 0;
        if (mods.find("ctrl") != std::string::npos)
            state |= ControlMask;
        if (mods.find("shift") != std::string::npos)
            state |= ShiftMask;
        sendKey(d, w->id, sym, state);
        return 0;
    }
    if (cmd == "keys" && argc >= 5) {
        const std::vector<Win> wins = windowsOf(d, pid);
        const Win* w = findWindow(wins, argv[3]);
        if (!w || !activate(d, w->id))
            return 1;
        for (int i = 4; i < argc; ++i) {
            std::string key = argv[i];
            unsigned int state = 0;
            for (;;) {
                if (key.rfind("ctrl+", 0) == 0) {
                    state |= ControlMask;
                    key.erase(0, 5);
                } else if (key.rfind("alt+", 0) == 0) {
                    state |= Mod1Mask;
                    key.erase(0, 4);
                } else if (key.rfind("shift+", 0) == 0) {
                    state |= ShiftMask;
                    key.erase(0, 6);
                } else {
                    break;
                }
            }
            const KeySym sym = XStringToKeysym(key.c_str());
            if (sym == NoSymbol) {
                std::fprintf(stderr, "no key %s\n", argv[i]);
                return 1;
            }
            sendKey(d, w->id, sym, state);
            // Time for the program to open what the key opens before the next one comes.
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        }
        return 0;
    }
    if (cmd == "wm") {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atol(argv[2]));
        while (!windowManagerRuns(d)) {
            if (std::chrono::steady_clock::now() >= deadline)
                return 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return 0;
    }
    std::fprintf(stderr, "bad arguments\n");
    return 2;
}
