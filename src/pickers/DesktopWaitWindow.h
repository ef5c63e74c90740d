// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tessary {

// A small window shown while the desktop is asked for the screen: it says what the program
// waits for and offers 取り消し, so the user is never left with no window to press.
class DesktopWaitWindow : public QWidget {
    Q_OBJECT
public:
    DesktopWaitWindow();

    // Shows the window beside the given one (the display window), on the same screen.
    void showBeside(const QWidget* other);

signals:
    void cancelled();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Tests find them by their object names.
    QLabel* message = nullptr;
    QPushButton* btnCancel = nullptr;
};

} // namespace tessary
