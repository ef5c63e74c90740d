// SPDX-License-Identifier: MIT
// A small X11 client for end-to-end tests: lists the mapped top-level windows of a
// process, waits for them, and sends the window manager's close request.
//
//   XWindowTool wait PID COUNT TIMEOUT_MS   exits 0 once PID has COUNT mapped windows
//   XWindowTool close PID TITLE             sends WM_DELETE_WINDOW to PID's window TITLE
//   XWindowTool list PID                    prints "id x y w h title" per mapped window
//   XWindowTool pixels PID TITLE X,Y ...    prints RRGGBB of each point of window TITLE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

} // namespace

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
    std::fprintf(stderr, "bad arguments\n");
    return 2;
}
