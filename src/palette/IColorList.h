// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace tessary {

// The drop-down list of a palette's colour names as the palette model sees it; the
// palette window implements it over its combo box.
class IColorList {
public:
    virtual ~IColorList() = default;

    // Replaces every entry; afterwards no entry is selected.
    virtual void setEntries(const QStringList& entries) = 0;
    virtual void clear() = 0;
    virtual int count() const = 0;
    // Selects entry index (0-based) with the same effect as the user choosing it; setting
    // the entry that is selected already does nothing.
    virtual void setCurrentIndex(int index) = 0;
    virtual void refresh() {}
};

} // namespace tessary
