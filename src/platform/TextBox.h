// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace tessary {

// A one-line text field with key, focus and mouse notifications. Change is raised for
// every change of the text, by the user or from code. A key that is a shortcut of an enabled
// action of the field's window runs that action, also where the field would edit with it;
// undo and redo keys act on the field's own typing first, while it has some.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void Change();
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void LostFocus();
    void MouseUp(int button, int shift, int x, int y);

protected:
    bool event(QEvent* e) override;
    // The key is undo or redo and the field has typing of its own to undo or redo.
    bool hasOwnUndo(const QKeyEvent& e) const;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// Key codes as handlers receive them (13 for Enter, 27 for Escape, letters upper case).
int keyCodeNumber(int qtKey);

} // namespace tessary
