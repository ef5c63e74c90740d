// SPDX-License-Identifier: MIT
#pragma once

#include "platform/CommonDialog.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>

namespace tessary {

class Form;
class TessaryConfig;

// What the windows share beside the scheme: the colour-code prefix, the settings, the
// common dialog, the two windows that place themselves by the main window, and whether the
// palette and colour-circle windows are shown. One for the whole program; the main window
// fills it in and every other window reads it here instead of reaching into the main window.
class Workspace : public QObject {
    Q_OBJECT
public:
    static Workspace& instance();

    // The windows the menus show and hide beside the main window.
    enum class Tool { Palette, ColorCircle };

    // The prefix the colour codes are written with ("#" unless the settings say otherwise).
    QString codePrefix() const { return m_prefix; }
    void setCodePrefix(const QString& prefix);

    // Null while there is no main window.
    TessaryConfig* settings() const { return m_settings; }
    void setSettings(TessaryConfig* settings) { m_settings = settings; }
    // The main window's common dialog, which keeps the last folder and font between uses;
    // one of the workspace's own while there is no main window.
    CommonDialog& commonDialog() { return m_dialog ? *m_dialog : m_ownDialog; }
    void setCommonDialog(CommonDialog* dialog) { m_dialog = dialog; }
    // The main and the display window while they are loaded, else null.
    Form* mainWindow() const;
    void setMainWindow(Form* main);
    Form* displayWindow() const;
    void setDisplayWindow(Form* display);

    // Where a window is as the settings keep it: its outer frame in twips and its state
    // (0 normal, 1 minimised, 2 maximised).
    struct Place {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
        int state = 0;
    };
    enum class Placed { Main, Display };
    // The place of the main or the display window while it is loaded.
    std::optional<Place> place(Placed window) const;
    // Puts a loaded window in the frame of a place (its state aside), as the settings restore it.
    void setFrame(Placed window, const Place& place);
    // Gives a loaded window a state and returns the state it took (0 when it is not loaded).
    int setState(Placed window, int state);
    // Before the settings are written: a window that keeps settings of its own (the contrast
    // window) hands them to the settings object on settingsWanted.
    void gatherSettings() { emit settingsWanted(); }

    // Whether the user keeps the program's windows in front of all others.
    bool keptOnTop() const { return m_onTop; }
    void setKeptOnTop(bool on) { m_onTop = on; }

    // While a picker previews colours on the display window, the main window keeps the
    // colour it edits; the picker ends the preview, taking the colour or not.
    bool isPreviewing() const { return m_previewing || m_displayWrites > 0; }
    void beginPreview() { m_previewing = true; }
    void endPreview(bool taken);
    // The display window's own colour accessors write the stored colour as a preview does:
    // the main window's model is moved by the other windows' commands, not by them.
    class DisplayWrite {
    public:
        DisplayWrite() { ++instance().m_displayWrites; }
        ~DisplayWrite() { --instance().m_displayWrites; }
        DisplayWrite(const DisplayWrite&) = delete;
        DisplayWrite& operator=(const DisplayWrite&) = delete;
    };

    // A window asks for another object to be edited, as its option button in the main
    // window would; without a main window the scheme's selection moves.
    void editObject(int object);
    // A colour taken for the selected object from a picker, the palette or a suggestion. The
    // main window stores it as its editing page would (the HSL page rounds it), so the scheme
    // announces the colour once, as stored; without a main window it is stored as it is.
    void takeColor(std::int32_t color);

    bool isShown(Tool tool) const { return m_shown[index(tool)]; }
    // Opens a tool window as its menu item in the main window does (nothing without one).
    void show(Tool tool) { emit showRequested(tool); }
    // A tool window says it opened or closed; the main window's check marks follow.
    void setShown(Tool tool, bool shown);

signals:
    void codePrefixChanged();
    void shownChanged(Workspace::Tool tool, bool shown);
    void previewEnded(bool taken);
    void showRequested(Workspace::Tool tool);
    void editObjectRequested(int object);
    void takeColorRequested(std::int32_t color);
    void settingsWanted();

private:
    static int index(Tool tool) { return tool == Tool::Palette ? 0 : 1; }

    QString m_prefix = QStringLiteral("#");
    TessaryConfig* m_settings = nullptr;
    CommonDialog* m_dialog = nullptr;
    CommonDialog m_ownDialog;
    QPointer<Form> m_main;
    QPointer<Form> m_display;
    bool m_shown[2] = {false, false};
    bool m_onTop = false;
    bool m_previewing = false;
    int m_displayWrites = 0;
};

} // namespace tessary
