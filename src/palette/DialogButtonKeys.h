// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace tessary {

// Default and cancel buttons for a dialog window: Enter presses the focused button, or
// the default button when the focus is elsewhere; Escape presses the cancel button.
class DialogButtonKeys : public QObject {
    Q_OBJECT
public:
    DialogButtonKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QAbstractButton* m_default;
    QAbstractButton* m_cancel;
};

} // namespace tessary
