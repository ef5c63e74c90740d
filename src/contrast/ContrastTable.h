// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastMarks.h"
#include "contrast/LargeTextRule.h"
#include "contrast/PictureContrast.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace tessary {

// The 3 x 2 contrast table as data: each sample text (objects 0..2) against each background
// colour (objects 3 and 4), with its ratio, its marks for the label's size and every text the
// window shows or speaks. Computed whole from the five colours and the labels' fonts.
class ContrastTable {
public:
    static constexpr int kTexts = 3;
    static constexpr int kBackgrounds = 2;

    struct LabelFont {
        double points = 12.0;
        bool bold = false;
    };

    struct Input {
        // Colour values of objects 0..4 (red in the low byte).
        std::array<std::int32_t, kTexts + kBackgrounds> colors{};
        std::array<LabelFont, kTexts> fonts{};
        LargeTextRule rule;
        Wcag::Level target = Wcag::Level::AA;
        // Set per label while the display window shows a picture: both of the label's cells then
        // report the pixels under its box instead of the background colours.
        std::array<std::optional<PictureContrast::Measure>, kTexts> picture{};
    };

    struct Cell {
        // Over a picture, the lowest ratio; verdicts are taken on it.
        double ratio = 1.0;
        std::optional<double> percentile5;
        ContrastMarks marks;
        bool meetsTarget = false;
        QString ratioText;
        QString percentileText; // empty without a picture
        QString marksText; // pass or fail against the target, with the marks
        QString accessibleName;
    };

    struct Row {
        bool large = false;
        bool overPicture = false;
        double targetRatio = 0.0;
        QString name;     // "文字1"
        QString sizeText; // "大きな文字" / "標準の文字"
        QString targetText;
        QString suggestButtonName;
        QString applyButtonName;
    };

    static ContrastTable compute(const Input& input);

    const Cell& cell(int text, int background) const { return m_cells[text][background]; }
    const Row& row(int text) const { return m_rows[text]; }
    // Which rule decides large text, for the window to show.
    const QString& ruleText() const { return m_ruleText; }

private:
    std::array<std::array<Cell, kBackgrounds>, kTexts> m_cells;
    std::array<Row, kTexts> m_rows;
    QString m_ruleText;
};

} // namespace tessary
