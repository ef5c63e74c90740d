// SPDX-License-Identifier: MIT
#include "palette/PaletteStatus.h"

#include <QDir>
#include <QCoreApplication>

namespace tessary {

PaletteStatus PaletteStatus::duplicateName()
{
    return {DuplicateName, QCoreApplication::translate("PaletteStatus", "この色の名前はすでにパレットに存在します。\r\n"
                                          "別の名前で色を登録してください。")};
}

PaletteStatus PaletteStatus::unknownError() { return {UnknownError, QCoreApplication::translate("PaletteStatus", "不明なエラー")}; }

PaletteStatus PaletteStatus::readError() { return {ReadError, QCoreApplication::translate("PaletteStatus", "ファイルの読み込みエラー")}; }

PaletteStatus PaletteStatus::writeError(const QString& fileName, const QString& reason)
{
    return {WriteError, QCoreApplication::translate("PaletteStatus", "ファイルの書き込みエラー\r\n") + QDir::toNativeSeparators(fileName)
                              + (reason.isEmpty() ? QString() : QStringLiteral("\r\n") + reason)
                              + QCoreApplication::translate("PaletteStatus", "\r\nパレットは保存されていません。")};
}

PaletteStatus PaletteStatus::savedUnsynced(const QString& fileName, const QString& reason)
{
    return {SavedUnsynced, QCoreApplication::translate("PaletteStatus", "パレットは保存しましたが、ディスクへの書き込みを確かめられませんでした。"
                                          "停電などで失われるおそれがあります。\r\n")
                               + QDir::toNativeSeparators(fileName) + QStringLiteral("\r\n") + reason};
}

} // namespace tessary
