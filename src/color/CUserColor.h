// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace tessary {

// The colour the running system currently uses for a CSS2 system colour name
// ("ActiveBorder" ... "WindowText").
class CUserColor {
public:
    // Names are compared exactly (letter case included); any other name, and the empty
    // one, gives the scroll bar colour (element 0).
    std::int32_t getUserColor(const QString& name) const;
    // The display element a name stands for, 0 for unknown names.
    static int elementIndex(const QString& name);
};

} // namespace tessary
