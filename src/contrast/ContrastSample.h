// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>

namespace tessary {

// A label that shows its text in a sample text's colour on a background colour. It paints the
// two colours itself: changing a palette on every slider step costs more than the whole table.
class ContrastSample : public QLabel {
    Q_OBJECT
public:
    explicit ContrastSample(QWidget* parent = nullptr);

    void setColors(const QColor& text, const QColor& background);
    QColor textColor() const { return m_text; }
    QColor backgroundColor() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_text = Qt::black;
    QColor m_background = Qt::white;
};

} // namespace tessary
