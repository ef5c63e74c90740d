// SPDX-License-Identifier: MIT
#include "palette/PaletteStatus.h"

namespace tessary {

PaletteStatus PaletteStatus::duplicateName()
{
    return {DuplicateName, QStringLiteral("この色の名前はすでにパレットに存在します。\r\n"
                                          "別の名前で色を登録してください。")};
}

PaletteStatus PaletteStatus::unknownError() { return {UnknownError, QStringLiteral("不明なエラー")}; }

PaletteStatus PaletteStatus::readError() { return {ReadError, QStringLiteral("ファイルの読み込みエラー")}; }

PaletteStatus PaletteStatus::writeError(const QString& fileName)
{
    return {WriteError, QStringLiteral("ファイルの書き込みエラー\r\n") + fileName
                              + QStringLiteral("\r\nパレットは保存されていません。")};
}

} // namespace tessary
