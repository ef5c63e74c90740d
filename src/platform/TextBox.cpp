// SPDX-License-Identifier: MIT
#include "platform/TextBox.h"

#include "platform/PictureBox.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>

namespace tessary {

int keyCodeNumber(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Shift:
        return 16;
    default:
        break;
    }
    if (qtKey >= 0x20 && qtKey <= 0x7E)
        return qtKey;
    return 0;
}

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

namespace {
bool isWindowShortcut(const QWidget& window, const QKeyEvent& e)
{
    const QKeySequence pressed(QKeyCombination(e.modifiers() & ~Qt::KeypadModifier, Qt::Key(e.key())));
    for (const QAction* a : window.findChildren<QAction*>()) {
        if (a->isEnabled() && a->shortcutContext() != Qt::WidgetShortcut && a->shortcuts().contains(pressed))
            return true;
    }
    return false;
}
} // namespace

bool TextBox::hasOwnUndo(const QKeyEvent& e) const
{
    if (isReadOnly())
        return false;
    const QKeyCombination key(e.modifiers() & ~Qt::KeypadModifier, Qt::Key(e.key()));
    const bool undo = key == QKeyCombination(Qt::CTRL | Qt::Key_Z);
    const bool redo = key == QKeyCombination(Qt::CTRL | Qt::Key_Y) || key == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    return (undo && isUndoAvailable()) || (redo && isRedoAvailable());
}

bool TextBox::event(QEvent* e)
{
    // Line editing claims some keys before the shortcuts see them (Ctrl+E goes to the end of
    // the line on X11 desktops); the window's own commands come first.
    // Undo and redo undo the field's own typing first, as long as it has some.
    if (e->type() == QEvent::ShortcutOverride && !hasOwnUndo(*static_cast<QKeyEvent*>(e))
        && isWindowShortcut(*window(), *static_cast<QKeyEvent*>(e))) {
        e->ignore();
        return true;
    }
    return QLineEdit::event(e);
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    emit KeyDown(keyCodeNumber(e->key()), shiftNumber(e->modifiers()));
    const int code = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) ? 13
        : (!e->text().isEmpty() ? e->text().at(0).unicode() : 0);
    if (code != 0)
        emit KeyPress(code);
    // Enter never inserts anything into a one-line field; let it reach default buttons
    // only when nobody handles KeyPress.
    QLineEdit::keyPressEvent(e);
}

void TextBox::keyReleaseEvent(QKeyEvent* e)
{
    QLineEdit::keyReleaseEvent(e);
    emit KeyUp(keyCodeNumber(e->key()), shiftNumber(e->modifiers()));
}

void TextBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    emit LostFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    const QPoint p = e->position().toPoint();
    emit MouseUp(mouseButtonNumber(e->button()), shiftNumber(e->modifiers()), p.x(), p.y());
}

} // namespace tessary
