// SPDX-License-Identifier: MIT
#pragma once

#include "check/ColorSource.h"

#include <QByteArrayView>
#include <QHash>
#include <QJsonValue>
#include <memory>
#include <optional>
#include <variant>

namespace tessary {

// Colour tokens of a design-token file (the DTCG 2025.10 format): a token is an object with
// "$value", named by the path of group keys to it ("brand.text.primary"); "$type" is the
// token's or the nearest group's. A colour value is {"colorSpace": "srgb", "components":
// [r, g, b], "alpha": a, "hex": "#rrggbb"} (another colour space is read from its "hex"), or
// the older plain "#rrggbb" string. "{group.token}" refers to another token; a chain of such
// references that comes back on itself is refused.
//
// The whole file is checked when read: any cycle, missing reference, or colour token whose
// value is not a usable opaque colour refuses it, with the token's JSON path. So are files
// over InputText::kMaxFileBytes, text that is not UTF-8, nesting or alias chains deeper than
// kMaxDepth and more than kMaxTokens tokens.
class DesignTokenReader : public ColorSource {
public:
    static constexpr int kMaxDepth = 64;
    static constexpr int kMaxTokens = 200000;

    using Result = std::variant<std::shared_ptr<DesignTokenReader>, InputError>;

    static Result read(QByteArrayView bytes, const QString& fileName);

    Lookup color(const QString& name) const override;
    QStringList names() const override { return m_colorNames; }

private:
    struct Token {
        QJsonValue value;
        QString type;
        QString jsonPath;
        std::optional<std::int32_t> color; // set once resolved
    };

    std::optional<InputError> walk(const QJsonObject& group, const QString& name, const QString& path,
                                   const QString& type, int depth);
    std::optional<InputError> resolve(const QString& name);

    QString m_file;
    QHash<QString, Token> m_tokens;
    QStringList m_order;      // every token, in walk order
    QStringList m_colorNames; // colour tokens, in walk order
};

} // namespace tessary
