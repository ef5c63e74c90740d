// SPDX-License-Identifier: MIT
#pragma once

#include "historyview/HistoryEntries.h"
#include "historyview/HistoryViewSettings.h"
#include "platform/DefaultInstance.h"
#include "platform/Form.h"

#include <memory>
#include <vector>

namespace tessary {

// The history window: the snapshots and the recent steps, each with a thumbnail of its five
// colours and its lowest text contrast. A snapshot or a step can be restored (one step of its
// own), a snapshot renamed or deleted, and two entries compared side by side.
class frmHistory : public Form, public DefaultInstance<frmHistory> {
    Q_OBJECT
public:
    frmHistory();
    ~frmHistory() override;

    // Where the window goes, with the corner brought back onto a screen if it is off all of them.
    void applySettings(const HistoryViewSettings& settings);
    // What the settings file keeps of this window now (shown or not is the caller's).
    HistoryViewSettings settings() const;

    const std::vector<HistoryEntry>& entries() const;

    void cmdRestore_Click();
    void cmdRename_Click();
    void cmdDelete_Click();
    void cmdCompare_Click();

private:
    void createControls();
    void refresh();
    void updateButtons();
    // The entries chosen in the list, in list order.
    std::vector<int> chosen() const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tessary
