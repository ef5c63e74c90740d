// SPDX-License-Identifier: MIT
#pragma once

#include <QSlider>

namespace tessary {

// A horizontal slider whose notifications follow the program's rules: Scroll while the
// thumb is dragged, Change for every other change, and setPosition from code raises
// Change exactly once, also when the position does not change.
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr);

    void setPosition(int value);

signals:
    void Change();
    void Scroll();
    void MouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_fromCode = false;
    bool m_dragMoved = false;
};

} // namespace tessary
