// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

namespace tessary {

class Form;

// Every default instance ever created, so that shut-down and tests can unload them all.
class FormRegistry {
public:
    static void add(Form* form);
    // Unloads every window still loaded, newest first; they are deleted later as usual.
    static void unloadLoaded();
    // Unloads every window still loaded, newest first, then deletes them at once.
    static void unloadAll();

    // Every window class with a default instance in the program, each with the function
    // that opens (creates and loads) its default instance; for tests that must reach every
    // window, including ones added later.
    struct Kind {
        const char* className;
        Form* (*open)();
    };
    static bool addKind(const char* className, Form* (*open)());
    static QList<Kind> kinds();
};

} // namespace tessary
