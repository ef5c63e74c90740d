// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace tessary {

// The forms a colour can be copied in, in menu order.
enum class CssColorForm { HexUpper, HexLower, Rgb, Hsl, Oklch };

constexpr std::array<CssColorForm, 5> kCssColorForms{CssColorForm::HexUpper, CssColorForm::HexLower,
                                                     CssColorForm::Rgb, CssColorForm::Hsl, CssColorForm::Oklch};

// The form's caption, which is also how the settings store it ("#RRGGBB", "rgb()", ...).
QString cssColorFormName(CssColorForm form);
std::optional<CssColorForm> cssColorFormFromName(QStringView name);

} // namespace tessary
