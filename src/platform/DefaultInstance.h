// SPDX-License-Identifier: MIT
#pragma once

#include "platform/FormRegistry.h"

#include <QPointer>

namespace tessary {

// One default instance per window class, reachable by class name. instance() creates (and
// loads) the window when there is none, so it belongs where a window is opened or acted
// on: frmPalette::instance().showModeless(). A caller that only asks about a window, or acts on
// it if it is there, uses loadedInstance(), which creates nothing.
template <class T>
class DefaultInstance {
public:
    static T& instance()
    {
        (void)s_kindAdded;
        if (!s_instance || s_instance->isUnloaded()) {
            T* form = new T();
            s_instance = form;
            FormRegistry::add(form);
            form->load();
        }
        return *s_instance;
    }
    // True while the default instance exists and has not been unloaded.
    static bool isInstanceLoaded() { return s_instance && !s_instance->isUnloaded(); }
    // The default instance while it is loaded, else null; creates nothing. For callers that
    // only ask about a window or act on it if it is there.
    static T* loadedInstance() { return isInstanceLoaded() ? s_instance.data() : nullptr; }
    // Unloads the default instance if there is one; creates nothing.
    static void unloadInstance()
    {
        if (isInstanceLoaded())
            s_instance->unload();
    }

private:
    static inline QPointer<T> s_instance;
    // Lists the class among the program's windows before main() runs.
    static inline const bool s_kindAdded
        = FormRegistry::addKind(T::staticMetaObject.className(), [] { return static_cast<Form*>(&instance()); });
};

} // namespace tessary
