// SPDX-License-Identifier: MIT
// Drives the real program on Windows as the window system does, for end-to-end tests: starts
// it, waits for its windows, then closes the main window or ends the session.
//
//   WinProgramDriver close  EXE FOLDER TITLE COUNT   closes window TITLE (WM_CLOSE)
//   WinProgramDriver logoff EXE FOLDER TITLE COUNT   asks whether the session may end; the
//       program must save FOLDER\tessary.ini anew and go on running; then ends the session
//
// Either way EXE starts in FOLDER, COUNT visible windows must appear, and the program must
// then leave with exit status 0. Unix paths, as CTest passes them under Wine, are drive Z:.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStartTimeoutMs = 90000;
constexpr DWORD kExitTimeoutMs = 30000;

std::wstring windowsPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/')
        path.insert(0, L"Z:");
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

struct Search {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd))
        search->windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> visibleWindows(DWORD pid)
{
    Search search{pid, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::wstring titleOf(HWND hwnd)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

int fail(const char* what, HANDLE process)
{
    std::fprintf(stderr, "%s\n", what);
    if (process)
        TerminateProcess(process, 99);
    return 1;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 6) {
        std::fprintf(stderr, "usage: WinProgramDriver close|logoff EXE FOLDER TITLE COUNT\n");
        return 2;
    }
    const std::wstring mode = argv[1];
    const std::wstring exe = windowsPath(argv[2]);
    const std::wstring folder = windowsPath(argv[3]);
    const std::wstring title = argv[4];
    const std::size_t count = std::wcstoul(argv[5], nullptr, 10);

    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi))
        return fail("the program did not start", nullptr);
    CloseHandle(pi.hThread);

    HWND main = nullptr;
    std::vector<HWND> windows;
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += 50) {
        if (WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0)
            return fail("the program ended before its windows appeared", nullptr);
        windows = visibleWindows(pi.dwProcessId);
        if (windows.size() >= count)
            break;
    }
    for (HWND w : windows) {
        std::printf("window \"%ls\"\n", titleOf(w).c_str());
        if (titleOf(w) == title)
            main = w;
    }
    if (windows.size() < count)
        return fail("the windows did not appear", pi.hProcess);
    if (!main)
        return fail("no window with the main window's title", pi.hProcess);

    if (mode == L"close") {
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else if (mode == L"logoff") {
        // The program has read its settings; whatever is there after the question, it wrote.
        const std::wstring ini = folder + L"\\tessary.ini";
        if (!DeleteFileW(ini.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
            return fail("could not clear the settings file", pi.hProcess);
        DWORD_PTR mayEnd = 0;
        if (!SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kExitTimeoutMs,
                                 &mayEnd)
            || !mayEnd)
            return fail("the program did not let the session end", pi.hProcess);
        // Only asked so far: the user may still cancel the logout, so the program goes on.
        if (WaitForSingleObject(pi.hProcess, 1000) != WAIT_TIMEOUT)
            return fail("the program ended when only asked whether the session may end", nullptr);
        if (GetFileAttributesW(ini.c_str()) == INVALID_FILE_ATTRIBUTES)
            return fail("no settings saved before the session ends", pi.hProcess);
        SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kExitTimeoutMs, nullptr);
    } else {
        return fail("unknown mode", pi.hProcess);
    }

    if (WaitForSingleObject(pi.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0)
        return fail("the program is still running", pi.hProcess);
    DWORD status = 1;
    GetExitCodeProcess(pi.hProcess, &status);
    std::printf("exit status %lu\n", status);
    return status == 0 ? 0 : 1;
}
