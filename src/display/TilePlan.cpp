// SPDX-License-Identifier: MIT
#include "display/TilePlan.h"

#include <algorithm>

namespace tessary {

namespace {
int copiesAlong(int tile, int area)
{
    // x = 0, tile, 2 * tile, ... while x < area, and always the first.
    return std::max(1, area / tile + (area % tile != 0 ? 1 : 0));
}
} // namespace

TilePlan::TilePlan(int tileWidth, int tileHeight, int areaWidth, int areaHeight)
    : m_tileWidth(std::max(1, tileWidth))
    , m_tileHeight(std::max(1, tileHeight))
    , m_columns(copiesAlong(m_tileWidth, std::max(0, areaWidth)))
    , m_rows(copiesAlong(m_tileHeight, std::max(0, areaHeight)))
{
}

std::vector<QPoint> TilePlan::positions() const
{
    std::vector<QPoint> out;
    out.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        out.push_back(at(i));
    return out;
}

} // namespace tessary
