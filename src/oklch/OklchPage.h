// SPDX-License-Identifier: MIT
#pragma once

#include "oklch/OklchEditor.h"

#include <QFrame>
#include <array>
#include <cstdint>

class QLabel;

namespace tessary {

class Slider;
class TextBox;

// The main window's OKLCH page: L (0-100 %), C (0-0.4) and H (0-360°) as sliders and as
// fields that take typed numbers (Enter or leaving the field), and whether the colour lies
// inside sRGB. What the user sets is held while dragging; the page hands on the 8-bit colour
// the values give once gamut-mapped.
class OklchPage : public QFrame {
    Q_OBJECT
public:
    // Slider steps: L and C in thousandths, H in degrees.
    static constexpr std::array<int, 3> kSliderMaximum{1000, 400, 360};

    explicit OklchPage(QWidget* parent);

    // Lays out row i like the other pages' rows (caption, field, slider).
    void placeRow(int i, const QRect& caption, const QRect& field, const QRect& slider, const QFont& font);
    // Shows a colour set elsewhere (or this page's own, which changes nothing).
    void showColor(std::int32_t color);

    const OklchEditor& editor() const { return m_editor; }

signals:
    void colorChosen(std::int32_t color);

private:
    // Tests find them by their object names.
    std::array<QLabel*, 3> captions{};
    std::array<TextBox*, 3> fields{};
    std::array<Slider*, 3> sliders{};
    QLabel* gamutLabel = nullptr;

    void slider_Change(int i);
    void field_Commit(int i);
    void refresh();

    OklchEditor m_editor;
    bool m_refreshing = false;
};

} // namespace tessary
