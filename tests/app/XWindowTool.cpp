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
#include "XClient.h"

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

} // namespace

using namespace xclient;


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
