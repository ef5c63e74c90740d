// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace tessary {

// The history as the windows offer it: 元に戻す and やり直し at the end of a menu, their
// shortcuts working from every window of the program, the names of the steps the windows
// make, and the history file read at start and written at close.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    // Adds the items to the end of menu, after a separator; window owns them.
    static void addTo(QWidget* window, QMenu* menu);
    // Reads the history file beside the settings, says once what was wrong with it, and
    // starts taking steps from the scheme as it is now.
    static void start();
    // Writes the history file; a problem is told unless silent.
    static void save(bool silent);

    // The name of a menu command as a step: its caption, after its submenu's where the
    // caption alone says too little ("統一(色相)").
    static QString commandName(const QAction* action);

    static HistoryCommands& instance();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HistoryCommands();
    void refresh();

    QPointer<QAction> m_undo;
    QPointer<QAction> m_redo;
    // The widget the mouse button went down on, until just after it comes up again.
    QPointer<QWidget> m_pressed;
    quint64 m_pressSerial = 0;
    // A command's shortcut that was just pressed.
    QPointer<QAction> m_shortcut;
};

} // namespace tessary
