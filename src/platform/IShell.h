// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a document with the system's handler for its type; false when that failed.
    virtual bool openDocument(const QString& path) = 0;
};

} // namespace tessary
