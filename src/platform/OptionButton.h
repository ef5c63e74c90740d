// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

namespace tessary {

// An option button. switchOn() from code raises Click as a user's click does.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption = {}, QWidget* parent = nullptr);

    void switchOn();

signals:
    void Click();
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace tessary
