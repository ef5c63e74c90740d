// SPDX-License-Identifier: MIT
#pragma once

#include "check/CheckOptions.h"
#include "check/CheckRun.h"

#include <QByteArray>

namespace tessary {

// The checker's report in the format asked for, UTF-8 with LF line ends. Pairs come in the
// order given, so that a report diffs small from one run to the next.
class CheckOutput {
public:
    static QByteArray format(const CheckRun& run, const CheckOptions& options);

    static QByteArray text(const CheckRun& run, const CheckOptions& options);
    static QByteArray json(const CheckRun& run, const CheckOptions& options);
    static QByteArray junit(const CheckRun& run, const CheckOptions& options);
};

} // namespace tessary
