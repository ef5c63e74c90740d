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

QList<FormRegistry::Kind>& kindList()
{
    static QList<FormRegistry::Kind> list;
    return list;
}
} // namespace

bool FormRegistry::addKind(const char* className, Form* (*open)())
{
    kindList().append({className, open});
    return true;
}

QList<FormRegistry::Kind> FormRegistry::kinds()
{
    return kindList();
}

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
