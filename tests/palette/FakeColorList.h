// SPDX-License-Identifier: MIT
#pragma once

#include "palette/IColorList.h"

namespace tessary::test {

// A colour list that records what the palette put in it.
class FakeColorList : public IColorList {
public:
    QStringList entries;
    int current = -1;
    int selections = 0;   // times an entry was selected from code

    void setEntries(const QStringList& e) override
    {
        entries = e;
        current = -1;
    }
    void clear() override
    {
        entries.clear();
        current = -1;
    }
    int count() const override { return int(entries.size()); }
    void setCurrentIndex(int index) override
    {
        if (index == current)
            return;
        current = index;
        ++selections;
    }
};

} // namespace tessary::test
