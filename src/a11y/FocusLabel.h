// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tessary {

// A label that the tab key stops at, so that a screen reader speaks it, and that shows the
// focus mark over its frame while it has the focus.
class FocusLabel : public QLabel {
    Q_OBJECT
public:
    explicit FocusLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace tessary
