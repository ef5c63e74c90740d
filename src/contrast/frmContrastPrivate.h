// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastSettings.h"
#include "contrast/ContrastSuggestion.h"
#include "contrast/ContrastTable.h"
#include "contrast/PictureContrast.h"
#include "contrast/frmContrast.h"
#include "cvd/VisionMode.h"

#include <QRect>
#include <QSize>
#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessary {

class ContrastSample;

struct frmContrast::Impl {
    static constexpr int kTexts = ContrastTable::kTexts;
    static constexpr int kBackgrounds = ContrastTable::kBackgrounds;
    using CellGrid = std::array<std::array<QLabel*, kBackgrounds>, kTexts>;

    ContrastSettings settings;
    VisionMode vision;
    ContrastTable table;
    ContrastTable visionTable;
    ContrastTable::Input input;
    // What the labels show now; none before the first showing or when all must be shown anew.
    std::optional<ContrastTable::Input> shown;
    std::array<QString, kTexts> sampleTexts;

    // The picture's pixels under each label, sorted once per picture and box.
    struct PictureKey {
        qint64 picture = 0;
        std::array<QRect, kTexts> boxes;
        QSize client;
        bool operator==(const PictureKey&) const = default;
    };
    std::optional<PictureKey> pictureKey;
    std::array<PictureContrast, kTexts> pictures;

    // A search result holds while the colours and the target it was made for do.
    struct Suggestion {
        ContrastSuggestion result;
        std::int32_t background1 = 0;
        std::int32_t background2 = 0;
    };
    std::array<std::optional<Suggestion>, kTexts> suggestions;

    QLabel* lblRule = nullptr;
    QComboBox* cboRule = nullptr;
    QComboBox* cboTarget = nullptr;
    QLabel* lblPicture = nullptr;
    std::array<QLabel*, kBackgrounds> lblBackground{};
    std::array<ContrastSample*, kTexts> lblText{};
    CellGrid lblCell{};
    std::array<QPushButton*, kTexts> cmdSuggest{};
    std::array<QPushButton*, kTexts> cmdApply{};
    std::array<QLabel*, kTexts> lblSuggestion{};
    QGroupBox* fraVision = nullptr;
    CellGrid lblVisionCell{};
};

} // namespace tessary
