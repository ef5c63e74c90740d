// SPDX-License-Identifier: MIT
// What the contrast window costs while a user edits: the real program on an X server, a key
// press sent to the focused R slider, and the time until the display window's pixels show
// the new colour. Runs alternate between the contrast window closed and open (Ctrl+K), the
// order swapped every round, and the medians of both and their ratio are reported.
//
//   SliderToPixelsBench PATH_TO_TESSARY [ROUNDS [PRESSES]]   (on an X server, such as xvfb-run)
//
// The program starts in an empty folder, so it opens with its first settings: the RGB page,
// the focus on the page tabs and three Tabs from the R slider.
#include "XClient.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string kMainTitle = "Tessary Ver.2.0";
const std::string kContrastTitle = "コントラスト";

struct Point {
    int x, y;
};

std::optional<xclient::Win> window(Display* d, long pid, const std::string& title)
{
    for (const xclient::Win& w : xclient::windowsOf(d, pid)) {
        if (w.title == title)
            return w;
    }
    return std::nullopt;
}

bool waitFor(Display* d, long pid, const std::string& title, bool shown)
{
    const auto deadline = Clock::now() + 10s;
    while (Clock::now() < deadline) {
        if (window(d, pid, title).has_value() == shown)
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

// Gives the main window the keyboard as a user would: through the window manager when one
// runs, directly otherwise.
bool focusMain(Display* d, const xclient::Win& main)
{
    if (xclient::windowManagerRuns(d))
        return xclient::activate(d, main.id);
    XSetInputFocus(d, main.id, RevertToParent, CurrentTime);
    XSync(d, False);
    return true;
}

unsigned long pixelAt(Display* d, Window w, Point p)
{
    XImage* img = XGetImage(d, w, p.x, p.y, 1, 1, AllPlanes, ZPixmap);
    if (!img)
        return ~0UL;
    const unsigned long value = XGetPixel(img, 0, 0) & 0xFFFFFF;
    XDestroyImage(img);
    return value;
}

// The first pixel of the display window that a slider step changes.
std::optional<Point> changingPixel(Display* d, const xclient::Win& main, const xclient::Win& display)
{
    XImage* before = XGetImage(d, display.id, 0, 0, unsigned(display.w), unsigned(display.h), AllPlanes, ZPixmap);
    xclient::sendKey(d, main.id, XK_Right, 0);
    std::this_thread::sleep_for(500ms);
    XImage* after = XGetImage(d, display.id, 0, 0, unsigned(display.w), unsigned(display.h), AllPlanes, ZPixmap);
    std::optional<Point> found;
    for (int y = 0; before && after && y < display.h && !found; ++y) {
        for (int x = 0; x < display.w; ++x) {
            if (XGetPixel(before, x, y) != XGetPixel(after, x, y)) {
                found = Point{x, y};
                break;
            }
        }
    }
    if (before)
        XDestroyImage(before);
    if (after)
        XDestroyImage(after);
    xclient::sendKey(d, main.id, XK_Left, 0);
    std::this_thread::sleep_for(500ms);
    return found;
}

// Milliseconds from sending the key to the pixel's change, or nothing after a second.
std::optional<double> keyToPixels(Display* d, Window main, Window display, Point p, KeySym key)
{
    const unsigned long was = pixelAt(d, display, p);
    const auto t0 = Clock::now();
    xclient::sendKey(d, main, key, 0, false);
    while (Clock::now() - t0 < 1s) {
        if (pixelAt(d, display, p) != was)
            return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    }
    return std::nullopt;
}

double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

pid_t start(const std::string& exe, const std::filesystem::path& dir)
{
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    std::filesystem::current_path(dir);
    std::string arg0 = exe;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&fa);
    return spawned == 0 ? pid : -1;
}

int measure(Display* d, pid_t pid, int rounds, int presses)
{
    if (!waitFor(d, pid, kMainTitle, true)) {
        std::fprintf(stderr, "the main window did not appear\n");
        return 1;
    }
    std::this_thread::sleep_for(1s);
    std::optional<xclient::Win> main = window(d, pid, kMainTitle);
    std::optional<xclient::Win> display;
    for (const xclient::Win& w : xclient::windowsOf(d, pid)) {
        if (w.title != kMainTitle && w.title != kContrastTitle)
            display = w;
    }
    if (!main || !display || !focusMain(d, *main)) {
        std::fprintf(stderr, "no display window, or the main window did not take the focus\n");
        return 1;
    }
    for (int i = 0; i < 3; ++i) {
        xclient::sendKey(d, main->id, XK_Tab, 0);
        std::this_thread::sleep_for(150ms);
    }
    const std::optional<Point> p = changingPixel(d, *main, *display);
    if (!p) {
        std::fprintf(stderr, "a step of the R slider changed no pixel of the display window\n");
        return 1;
    }

    std::vector<double> closed, open;
    bool isOpen = false;
    for (int r = 0; r < rounds; ++r) {
        for (int k = 0; k < 2; ++k) {
            const bool wantOpen = (k == 0) == (r % 2 == 1);
            if (wantOpen != isOpen) {
                xclient::sendKey(d, main->id, XK_k, ControlMask);
                if (!waitFor(d, pid, kContrastTitle, wantOpen)) {
                    std::fprintf(stderr, "Ctrl+K did not %s the contrast window\n", wantOpen ? "open" : "close");
                    return 1;
                }
                isOpen = wantOpen;
                std::this_thread::sleep_for(300ms);
                if (!focusMain(d, *main))
                    return 1;
            }
            for (int i = 0; i < presses; ++i) {
                const auto ms = keyToPixels(d, main->id, display->id, *p, i % 2 == 0 ? XK_Right : XK_Left);
                if (!ms) {
                    std::fprintf(stderr, "a key press changed no pixel within a second\n");
                    return 1;
                }
                (isOpen ? open : closed).push_back(*ms);
                // A user's key repeat: the program is idle again before the next step.
                std::this_thread::sleep_for(40ms);
            }
        }
    }
    std::printf("key press to changed pixels, %zu presses each\n", closed.size());
    std::printf("  contrast window closed: median %.3f ms (p25 %.3f, p75 %.3f)\n", quantile(closed, 0.5),
                quantile(closed, 0.25), quantile(closed, 0.75));
    std::printf("  contrast window open:   median %.3f ms (p25 %.3f, p75 %.3f)\n", quantile(open, 0.5),
                quantile(open, 0.25), quantile(open, 0.75));
    std::printf("  ratio open / closed: %.3f\n", quantile(open, 0.5) / std::max(1e-6, quantile(closed, 0.5)));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TESSARY [ROUNDS [PRESSES]]\n", argv[0]);
        return 2;
    }
    const std::string exe = std::filesystem::absolute(argv[1]).string();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const int presses = argc > 3 ? std::max(2, std::atoi(argv[3])) : 20;
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(xclient::ignoreVanishedWindows);
    const auto dir = std::filesystem::temp_directory_path() / ("tessary-slider-bench-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const pid_t pid = start(exe, dir);
    const int status = pid > 0 ? measure(d, pid, rounds, presses) : 1;
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(d);
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
    return status;
}
