// SPDX-License-Identifier: MIT
#pragma once

#include "palette/IColorList.h"

#include <functional>

class QComboBox;

namespace tessary {

// The palette's colour list over a combo box. Entries set by the program raise the
// click handler once when the selection changes, as a user's choice does.
class ComboColorList : public IColorList {
public:
    ComboColorList(QComboBox* combo, std::function<void()> onClick);

    void setEntries(const QStringList& entries) override;
    void clear() override;
    int count() const override;
    void setCurrentIndex(int index) override;
    void refresh() override;

private:
    QComboBox* m_combo;
    std::function<void()> m_onClick;
};

} // namespace tessary
