// SPDX-License-Identifier: MIT
#include "palette/PaletteStatus.h"

#include <QDir>

namespace tessary {

PaletteStatus PaletteStatus::duplicateName()
{
    return {DuplicateName, QStringLiteral("この色の名前はすでにパレットに存在します。\r\n"
                                          "別の名前で色を登録してください。")};
}

PaletteStatus PaletteStatus::unknownError() { return {UnknownError, QStringLiteral("不明なエラー")}; }

PaletteStatus PaletteStatus::readError() { return {ReadError, QStringLiteral("ファイルの読み込みエラー")}; }

PaletteStatus PaletteStatus::writeError(const QString& fileName, const QString& reason)
{
    return {WriteError, QStringLiteral("ファイルの書き込みエラー\r\n") + QDir::toNativeSeparators(fileName)
                              + (reason.isEmpty() ? QString() : QStringLiteral("\r\n") + reason)
                              + QStringLiteral("\r\nパレットは保存されていません。")};
}

PaletteStatus PaletteStatus::savedUnsynced(const QString& fileName, const QString& reason)
{
    return {SavedUnsynced, QStringLiteral("パレットは保存しましたが、ディスクへの書き込みを確かめられませんでした。"
                                          "停電などで失われるおそれがあります。\r\n")
                               + QDir::toNativeSeparators(fileName) + QStringLiteral("\r\n") + reason};
}

} // namespace tessary
