// SPDX-License-Identifier: MIT
#include "main/frmMain.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "support/GuiTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

using namespace tessary;

namespace {

class KeyboardReachTest : public test::GuiTest {
protected:
    // Every window class that shows, shown and active, one after the other.
    template <typename Check>
    void forEachWindow(Check check)
    {
        frmMain::instance().showModeless();
        for (const FormRegistry::Kind& kind : FormRegistry::kinds()) {
            Form* form = kind.open();
            ASSERT_NE(form, nullptr) << kind.className;
            form->show();
            // The screen picker stays hidden without a copy of the screen to pick from.
            if (!form->isVisible())
                continue;
            ASSERT_TRUE(activate(form)) << kind.className;
            check(kind.className, form);
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            form->hide();
            // Let the window that takes over the activation have it before the next one asks.
            QApplication::processEvents();
        }
    }
};

QWidget* keyTarget(QWidget* form)
{
    QWidget* f = QApplication::focusWidget();
    return f ? f : form;
}

void press(QWidget* form, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup ? popup : keyTarget(form), Qt::Key(key), modifiers);
}

// Commands a user can run: enabled, visible items, down through the submenus.
void collectCommands(const QList<QAction*>& actions, QSet<QAction*>& out)
{
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible() || !a->isEnabled())
            continue;
        out.insert(a);
        if (a->menu())
            collectCommands(a->menu()->actions(), out);
    }
}

// Goes down an open menu with the arrow keys, into each submenu and back, noting every item
// that became current.
void walkOpenMenu(QWidget* form, QMenu* menu, QSet<QAction*>& reached)
{
    QSet<QAction*> here;
    for (int step = 0; step <= menu->actions().size(); ++step) {
        QAction* current = menu->activeAction();
        if (!current || here.contains(current))
            break;
        here.insert(current);
        reached.insert(current);
        if (current->menu()) {
            press(form, Qt::Key_Right);
            if (QApplication::activePopupWidget() == current->menu()) {
                walkOpenMenu(form, current->menu(), reached);
                press(form, Qt::Key_Left);
            }
        }
        press(form, Qt::Key_Down);
    }
}

} // namespace

// Alt puts the menu bar of any window under the keyboard; the arrow keys then reach every
// command of every menu, whether its title has an access key or not. A title that has one
// opens its menu with Alt and that key.
TEST_F(KeyboardReachTest, EveryMenuCommandOfEveryWindowIsReachedFromTheKeyboard)
{
    int bars = 0;
    forEachWindow([&](const char* className, Form* form) {
        for (QMenuBar* bar : form->findChildren<QMenuBar*>()) {
            if (bar->window() != form || !bar->isVisible())
                continue;
            ++bars;
            QSet<QAction*> commands;
            collectCommands(bar->actions(), commands);
            QSet<QAction*> reached;
            press(form, Qt::Key_Alt, Qt::AltModifier);
            const QAction* first = bar->activeAction();
            ASSERT_NE(first, nullptr) << className << ": Alt does not reach the menu bar";
            for (int title = 0; title < bar->actions().size(); ++title) {
                QAction* current = bar->activeAction();
                if (!current || (title > 0 && current == first))
                    break;
                reached.insert(current);
                press(form, Qt::Key_Down);
                if (QApplication::activePopupWidget() == current->menu()) {
                    walkOpenMenu(form, current->menu(), reached);
                    press(form, Qt::Key_Escape);
                }
                press(form, Qt::Key_Right);
            }
            press(form, Qt::Key_Escape);
            for (QAction* command : std::as_const(commands))
                EXPECT_TRUE(reached.contains(command)) << className << ": " << command->text().toStdString();

            for (QAction* title : bar->actions()) {
                const QKeySequence key = QKeySequence::mnemonic(title->text());
                if (key.isEmpty() || !title->isEnabled())
                    continue;
                QTest::keyClick(keyTarget(form), key[0].key(), key[0].keyboardModifiers());
                EXPECT_EQ(QApplication::activePopupWidget(), title->menu())
                    << className << ": " << title->text().toStdString();
                while (QWidget* popup = QApplication::activePopupWidget())
                    popup->close();
            }
        }
    });
    EXPECT_GE(bars, 2);
}

// The tab key, pressed over and over, comes round to every control of every window that
// takes the focus from it, and to every group of option buttons; none is left to the mouse.
TEST_F(KeyboardReachTest, TabReachesEveryFocusableControlOfEveryWindow)
{
    int controls = 0;
    forEachWindow([&](const char* className, Form* form) {
        QList<QWidget*> expected;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (w->window() == form && w->isVisible() && w->isEnabled() && !w->focusProxy()
                && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
                expected << w;
        }
        controls += int(expected.size());
        QSet<QWidget*> reached;
        if (!QApplication::focusWidget())
            press(form, Qt::Key_Tab);
        for (int i = 0; i < 2 * expected.size() + 2; ++i) {
            reached.insert(QApplication::focusWidget());
            press(form, Qt::Key_Tab);
        }
        // Tab stops at one option button of a group; the arrow keys go on to the others.
        for (QWidget* w : QSet<QWidget*>(reached)) {
            auto* option = qobject_cast<QAbstractButton*>(w);
            if (!option || !option->autoExclusive())
                continue;
            option->setFocus();
            for (int i = 0; i < expected.size(); ++i) {
                press(form, Qt::Key_Down);
                reached.insert(QApplication::focusWidget());
            }
        }
        for (QWidget* w : std::as_const(expected)) {
            EXPECT_TRUE(reached.contains(w)) << className << ": " << w->metaObject()->className() << " "
                                             << w->objectName().toStdString();
        }
    });
    EXPECT_GT(controls, 30);
}
