// SPDX-License-Identifier: MIT
#include "platform/MenuAccessible.h"

#include "a11y/CleanCaption.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>

namespace tessary {

namespace {

// A menu keeps its items as actions, and asks the accessibility layer for an action's own
// interface before making its stock one, whose name keeps the "(V)" of "表示(&V)". This
// item reads like the stock one in everything else.
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QWidget* owner, QAction* action)
        : m_owner(owner)
        , m_action(action)
    {
    }

    bool isValid() const override { return m_owner && m_action; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override { return m_owner ? m_owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner.data()); }
    int childCount() const override { return m_action && m_action->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(m_action->menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        return c && childCount() == 1 && c->object() == m_action->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* c = child(0);
        return c && c->rect().contains(x, y) ? c : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!m_action || m_action->isSeparator())
            return {};
        // A caption may carry its shortcut after a tab, as the toolkit's own edit menus do.
        const QString caption = m_action->text().section(u'\t', 0, 0);
        switch (t) {
        case QAccessible::Name:
            return cleanCaption(caption);
        case QAccessible::Accelerator: {
            const QKeySequence key =
                m_action->shortcut().isEmpty() ? QKeySequence::mnemonic(caption) : m_action->shortcut();
            return key.toString(QKeySequence::NativeText);
        }
        case QAccessible::Description:
            return m_action->statusTip();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override
    {
        return m_action && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.invisible = !m_owner->isVisible() || !m_action->isVisible();
        QAction* active = nullptr;
        if (auto* menu = qobject_cast<QMenu*>(m_owner.data()))
            active = menu->activeAction();
        else if (auto* bar = qobject_cast<QMenuBar*>(m_owner.data()))
            active = bar->activeAction();
        s.focused = active == m_action;
        s.hotTracked = m_owner->style()->styleHint(QStyle::SH_Menu_MouseTracking, nullptr, m_owner);
        s.disabled = m_action->isSeparator() || !m_action->isEnabled();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        s.hasPopup = m_action->menu() != nullptr;
        return s;
    }
    QRect rect() const override
    {
        QRect r;
        if (auto* bar = qobject_cast<QMenuBar*>(m_owner.data()))
            r = bar->actionGeometry(m_action);
        else if (auto* menu = qobject_cast<QMenu*>(m_owner.data()))
            r = menu->actionGeometry(m_action);
        return m_owner ? r.translated(m_owner->mapToGlobal(QPoint(0, 0))) : QRect();
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override
    {
        if (!m_action || m_action->isSeparator())
            return {};
        return {m_action->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override
    {
        if (!isValid() || !m_action->isEnabled())
            return;
        if (name == pressAction()) {
            m_action->trigger();
        } else if (name == showMenuAction() && m_action->menu()) {
            if (m_action->menu()->isVisible())
                m_action->menu()->hide();
            else if (auto* bar = qobject_cast<QMenuBar*>(m_owner.data()))
                bar->setActiveAction(m_action);
            else if (auto* menu = qobject_cast<QMenu*>(m_owner.data()))
                menu->setActiveAction(m_action);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        const QString key = text(QAccessible::Accelerator);
        return name == pressAction() && !key.isEmpty() ? QStringList{key} : QStringList{};
    }

private:
    QPointer<QWidget> m_owner;
    QPointer<QAction> m_action;
};

QAccessibleInterface* menuItemFactory(const QString& key, QObject* object)
{
    if (key != QLatin1String("QAction"))
        return nullptr;
    auto* action = qobject_cast<QAction*>(object);
    if (!action)
        return nullptr;
    for (QObject* o : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(o) || qobject_cast<QMenuBar*>(o))
            return new MenuItemAccessible(static_cast<QWidget*>(o), action);
    }
    return nullptr;
}

} // namespace

void installMenuAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(menuItemFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessary
