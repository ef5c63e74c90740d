// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;
class QPushButton;
class QWidget;

namespace tessary {

// What the program's small fixed dialogs share: their place on the screen and the keys
// that press their default and cancel buttons.
class DialogPlacement {
public:
    // Puts the window in the middle of the primary screen's available area.
    static void centreOnScreen(QWidget& window);
    // Enter presses the focused button, or the default button when no button has the
    // focus; Escape presses the cancel button. True when the key was used.
    static bool pressButtonForKey(QWidget& window, QKeyEvent& event, QPushButton* defaultButton,
                                  QPushButton* cancelButton);
};

} // namespace tessary
