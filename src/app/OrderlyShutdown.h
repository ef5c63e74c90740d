// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

namespace tessary {

// The program's normal shut-down, asked for from outside (a signal, the end of the
// desktop session): the main window is unloaded, which saves the settings before it closes
// the other windows (a failed save is only logged: nobody may be there to read a message);
// whatever is still open follows; then quit runs. Asking again, or after the main window
// has gone, saves nothing a second time.
class OrderlyShutdown : public QObject {
    Q_OBJECT
public:
    explicit OrderlyShutdown(std::function<void()> quit, QObject* parent = nullptr);

    void request();
    bool isRequested() const { return m_requested; }

    // Saves the settings and the scheme now while the program goes on (the session manager
    // asks for this before a logout that the user may still cancel).
    void saveNow();

private:
    void proceed();

    std::function<void()> m_quit;
    bool m_requested = false;
    int m_waits = 0;
};

} // namespace tessary
