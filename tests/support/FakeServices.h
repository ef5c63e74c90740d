// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <QImage>
#include <QList>
#include <QString>
#include <deque>
#include <map>

namespace tessary::test {

// Records every message box and answers from a script; with the script empty it answers
// OK (or Cancel where there is no OK).
class FakeMessageBox : public IMessageBox {
public:
    struct Call {
        QString text;
        int buttons;
        QString title;
        int icon;
    };
    QList<Call> calls;
    std::deque<int> answers;

    // Questions asked for a line of text, with the text proposed; answers: "\x1b" cancels,
    // none left: the proposal is taken.
    QList<Call> inputs;
    std::deque<QString> inputAnswers;

    int show(QWidget*, const QString& text, int buttons, const QString& title, int icon) override;
    bool input(QWidget*, const QString& prompt, const QString& title, QString& text) override;
};

class FakeFileDialogs : public IFileDialogs {
public:
    struct Call {
        bool save;
        QString initialName;
        QString filter;
    };
    QList<Call> calls;
    std::deque<QString> answers;   // "" cancels
    std::deque<int> filterAnswers; // the filter entry a save leaves chosen; none left: 0
    int fontCalls = 0;
    std::deque<StdFont> fontAnswers; // none left: the dialog is cancelled
    QList<StdFont> fontsShown;

    QString openFile(QWidget*, const QString& initialName, const QString& filter) override;
    QString saveFile(QWidget*, const QString& initialName, const QString& filter, int* chosenFilter = nullptr) override;
    bool chooseFont(QWidget*, StdFont& font) override;
};

class FakeScreenCapture : public IScreenCapture {
public:
    QImage image;            // one screen at the desktop's origin, ratio 1; null: capture refused
    QList<Screen> screens;   // when not empty, these instead of image
    bool grabbing = true;    // false: a session where the program cannot read the screen
    int calls = 0;
    // Answers of the desktop, given on the next turn of the event loop; none left: Unavailable.
    std::deque<DesktopAnswer> desktopAnswers;
    bool desktopSilent = false;   // true: the desktop never answers
    int desktopAsks = 0;

    bool canGrab() override { return grabbing; }
    QList<Screen> grabScreens() override;
    void askDesktop(QObject* context, std::function<void(const DesktopAnswer&)> done) override;
};

class FakeSystemColors : public ISystemColors {
public:
    std::map<int, std::int32_t> colors;   // missing: 0x010101 * index
    std::int32_t sysColor(int index) override;
};

class FakeRandom : public IRandom {
public:
    std::deque<double> values;   // none left: 0.5
    double next() override;
};

class FakeShell : public IShell {
public:
    QStringList opened;
    bool result = true;
    bool openDocument(const QString& path) override;
};

class FakeClipboard : public IClipboard {
public:
    QString clipboard;
    QString selection;
    QString text(bool selectionMode) const override { return selectionMode ? selection : clipboard; }
    void setText(const QString& text) override { clipboard = text; }
};

// Installs a fresh set of doubles and returns pointers to them.
struct FakeServices {
    FakeMessageBox* messageBox = nullptr;
    FakeFileDialogs* fileDialogs = nullptr;
    FakeScreenCapture* screenCapture = nullptr;
    FakeSystemColors* systemColors = nullptr;
    FakeRandom* random = nullptr;
    FakeShell* shell = nullptr;
    FakeClipboard* clipboard = nullptr;

    static FakeServices install();
};

} // namespace tessary::test
