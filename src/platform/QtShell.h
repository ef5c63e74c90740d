// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IShell.h"

namespace tessary {

class QtShell : public IShell {
public:
    bool openDocument(const QString& path) override;
};

} // namespace tessary
