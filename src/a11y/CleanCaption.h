// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessary {

// A caption as a screen reader should speak it: the access-key marks of a Japanese caption,
// "赤(&R)" or "開く(&O)...", are dropped whole, a plain "&" in front of a letter is dropped,
// "&&" becomes "&", and a trailing "..." (the sign of a dialog to follow) goes too.
QString cleanCaption(const QString& caption);

} // namespace tessary
