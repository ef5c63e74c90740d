// SPDX-License-Identifier: MIT
// What the parts of the painted-parts accessibility share; included by them alone.
#pragma once

#include "a11y/PaintedPart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace tessary::painted {

// The descriptions the windows handed over, by part.
inline QHash<const QObject*, PaintedPart*>& descriptions()
{
    static QHash<const QObject*, PaintedPart*> parts;
    return parts;
}

template <class Part>
inline Part* describe(const QObject* w)
{
    return w ? dynamic_cast<Part*>(descriptions().value(w)) : nullptr;
}

inline void send(QAccessibleInterface* iface, QAccessible::Event type)
{
    if (!iface)
        return;
    QAccessibleEvent ev(iface, type);
    QAccessible::updateAccessibility(&ev);
}

inline void sendValue(QAccessibleInterface* iface, const QVariant& value)
{
    if (!iface)
        return;
    QAccessibleValueChangeEvent ev(iface, value);
    QAccessible::updateAccessibility(&ev);
}

// An element that is no widget of its own: a colour object of the display window or a
// chip of the palette grid. Its parent widget owns it through the interface cache.
class ElementAccessible : public QAccessibleInterface {
public:
    explicit ElementAccessible(QWidget* owner)
        : m_owner(owner)
    {
    }
    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner ? m_owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QRect globalRect(const QRect& local) const
    {
        return m_owner ? local.translated(m_owner->mapToGlobal(QPoint(0, 0))) : QRect();
    }
    QPointer<QWidget> m_owner;
};

// The display window and its five colour objects.
QAccessibleInterface* newDisplayAccessible(QWidget* display);
bool isDisplayAccessible(QAccessibleInterface* iface);

} // namespace tessary::painted
