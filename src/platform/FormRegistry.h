// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPointer>

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
};

} // namespace tessary
