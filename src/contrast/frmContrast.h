// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/ContrastSettings.h"
#include "contrast/ContrastTable.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace tessary {

struct SchemeState;
class VisionMode;

// The contrast window: each sample text against each background as a WCAG ratio with the
// marks it earns, following every change of the scheme; per text, the nearest colour that
// meets the chosen target, applied as a typed colour is.
class frmContrast : public Form, public DefaultInstance<frmContrast> {
    Q_OBJECT
public:
    frmContrast();
    ~frmContrast() override;

    // Target and large-text rule from the settings; where the window goes, with the corner
    // brought back onto a screen if it is off all of them.
    void applySettings(const ContrastSettings& settings);
    // What the settings file keeps of this window now (shown or not is the caller's).
    ContrastSettings settings() const;

    // Adds a second table for the colours as seen with this colour vision, labelled with its
    // name; none hides it.
    void setVisionMode(const VisionMode& mode);

    const ContrastTable& table() const;
    // The table on simulated colours; meaningful while a vision mode other than none is set.
    const ContrastTable& visionTable() const;

    // Text 0..2: search for the nearest passing colour, and apply what it proposed.
    void cmdSuggest_Click(int text);
    void cmdApply_Click(int text);
    // Copies the code of a proposal (0: for both backgrounds or background 1, 1: background 2).
    void cmdCopy_Click(int text, int proposal);

    // How many times any contrast window has computed its table, for tests of how often
    // a change is followed.
    static int tableComputations();

protected:
    void Form_Load() override;

private:
    void createControls();
    void refresh();
    void showTable(const std::array<bool, ContrastTable::kTexts>& changed);
    void showVisionTable();
    void showDistinguishability();
    void showProposals(int text);
    void stopFollowing();
    QString prefix() const;
    std::array<std::optional<std::int32_t>, 2> proposedColors(int text) const;
    void clearSuggestions();
    void cboTarget_Click();
    void cboRule_Click();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
