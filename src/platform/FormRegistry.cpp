// SPDX-License-Identifier: MIT
#include "platform/FormRegistry.h"

#include "platform/Form.h"

#include <QCoreApplication>

namespace tessary {

namespace {
QList<QPointer<Form>>& forms()
{
    static QList<QPointer<Form>> list;
    return list;
}
} // namespace

void FormRegistry::add(Form* form)
{
    forms().removeAll(nullptr);
    forms().append(form);
}

void FormRegistry::unloadLoaded()
{
    const QList<QPointer<Form>> copy = forms();
    for (auto it = copy.crbegin(); it != copy.crend(); ++it) {
        if (*it && (*it)->isLoaded())
            (*it)->unload();
    }
}

void FormRegistry::unloadAll()
{
    const QList<QPointer<Form>> copy = forms();
    unloadLoaded();
    for (const QPointer<Form>& f : copy) {
        if (f)
            delete f.data();
    }
    forms().clear();
}

} // namespace tessary
