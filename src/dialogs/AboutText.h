// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// The texts of the about box.
class AboutText {
public:
    // "version : " followed by major "." minor and revision with nothing between the last
    // two, all decimal: 2, 0, 1 give "version : 2.01"; 1, 2, 10 give "version : 1.210".
    static QString version(int major, int minor, int revision);
};

} // namespace tessary
