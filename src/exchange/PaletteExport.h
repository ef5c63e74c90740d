// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/ExchangeFormat.h"

#include <QByteArray>
#include <cstdint>
#include <functional>

namespace tessary {

class DefinedColor;

// A palette in an exchange format, its colours in palette order, keeping names and
// comments where the format has room for them:
//   CSS:     --tessary-color-1 ... on :root, each commented "name: comment"; the palette's
//            name and comment go first as comments.
//   JSON:    {"format": "tessary-palette", "version": 1, "name": ..., "comment": ...,
//            "colors": [{"name": ..., "hex": "#RRGGBB", "comment": ...}, ...]}.
//   Tokens:  one group named after the palette holding a token per colour, named after it
//            ('.', '{', '}' and a leading '$' become '_'; a clash gets "-2", "-3", ...), the
//            comment as its description (after the colour's name when the token had to be
//            renamed); the palette's comment describes the group.
//   GPL:     the palette's name, its comment as '#' lines, the colours with their names.
//   ASE:     a group named after the palette holding the colours with their names.
class PaletteExport {
public:
    // The colour value (red in the low byte) of the colour at a 1-based palette position.
    using ColorAt = std::function<std::int32_t(int position)>;

    // colorAt defaults to the value of each colour's code, as the palette window shows it
    // for palettes other than the system-colour one.
    static QByteArray toBytes(const DefinedColor& palette, ExchangeFormat format, const ColorAt& colorAt = {});
};

} // namespace tessary
