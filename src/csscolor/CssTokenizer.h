// SPDX-License-Identifier: MIT
#pragma once

#include "csscolor/CssToken.h"

#include <QString>
#include <array>

namespace tessary {

// Splits a colour text into CSS tokens: comments and whitespace are skipped, numbers read as
// CSS writes them. A colour never needs many tokens, so a text with more than kMaxTokens is
// refused without reading it further; nothing is allocated per token.
class CssTokenizer {
public:
    static constexpr int kMaxTokens = 24;

    // False with a message in Japanese when the text cannot be split (too many tokens, an
    // escape, a string).
    bool tokenize(QStringView text);

    int size() const { return m_count; }
    const CssToken& operator[](int i) const { return m_tokens[static_cast<std::size_t>(i)]; }
    const QString& error() const { return m_error; }

private:
    bool push(const CssToken& token);

    std::array<CssToken, kMaxTokens> m_tokens{};
    int m_count = 0;
    QString m_error;
};

} // namespace tessary
