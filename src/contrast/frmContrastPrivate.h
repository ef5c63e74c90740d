// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastProposal.h"
#include "contrast/ContrastSettings.h"
#include "contrast/ContrastSuggestion.h"
#include "contrast/ContrastTable.h"
#include "contrast/PictureContrast.h"
#include "contrast/frmContrast.h"
#include "cvd/VisionMode.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QTimer>
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

    // Sets a label's text and spoken name only when they change: the table is refreshed on
    // every slider step.
    static void setTexts(QLabel* l, const QString& text, const QString& name);
    static QColor qColorOf(std::int32_t value);

    ContrastSettings settings;
    VisionMode vision;
    ContrastTable table;
    ContrastTable visionTable;
    ContrastTable::Input input;
    // What the labels show now; none before the first showing or when all must be shown anew.
    std::optional<ContrastTable::Input> shown;
    std::array<QString, kTexts> sampleTexts;
    // Follows announcements once the event loop is free again: the display window paints a
    // slider step before this window relabels, and a burst of steps is followed once.
    QTimer refreshTimer;

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
        ContrastProposal result;
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

    // Per text, up to two proposed colours (for both backgrounds, or one per background):
    // a swatch, the code and a button that copies it.
    struct ProposalRow {
        QLabel* swatch = nullptr;
        QLabel* code = nullptr;
        QPushButton* copy = nullptr;
    };
    std::array<std::array<ProposalRow, 2>, kTexts> proposalRows{};

    QGroupBox* fraDistinct = nullptr;
    QLabel* lblDistinct = nullptr;
    std::array<std::int32_t, kTexts + kBackgrounds> distinctColors{};
    bool distinctShown = false;
};

} // namespace tessary
