// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

namespace tessary {

// A font object: shared by reference, so a change made through one holder shows in
// every holder (labels, the sample text editor, the font dialog).
class StdFont {
public:
    QString name = QStringLiteral("ＭＳ 明朝");
    double size = 12.0;     // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const StdFont&) const = default;
};

using FontRef = std::shared_ptr<StdFont>;

inline FontRef makeFont() { return std::make_shared<StdFont>(); }
inline FontRef copyFont(const StdFont& f) { return std::make_shared<StdFont>(f); }

} // namespace tessary
