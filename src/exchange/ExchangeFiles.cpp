// SPDX-License-Identifier: MIT
#include "exchange/ExchangeFiles.h"

#include "check/CheckMessages.h"
#include "check/InputText.h"
#include "dialogs/CommonDialogManager.h"
#include "exchange/SchemeExport.h"
#include "exchange/SchemeImport.h"
#include "palette/DefinedColor.h"
#include "platform/AtomicFileWriter.h"
#include "platform/CommonDialog.h"
#include "platform/Services.h"
#include "scheme/Scheme.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace tessary {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// A name to propose for a new file: what the user would call it, without the characters
// no file name may hold.
QString proposedName(const QString& name, const QString& fallback, const QString& suffix)
{
    QString out;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            out += u'_';
        else
            out += c;
    }
    out = out.trimmed();
    while (out.startsWith(u'.'))
        out.remove(0, 1);
    return (out.isEmpty() ? fallback : out) + u'.' + suffix;
}

} // namespace

ColorScheme ExchangeFiles::currentScheme()
{
    const SchemeState state = Scheme::instance().state();
    ColorScheme scheme;
    scheme.colors = state.colors;
    for (int i = 0; i < ColorScheme::kTextCount; ++i)
        scheme.sampleTexts[i] = state.labels[i].text;
    return scheme;
}

bool ExchangeFiles::saveScheme(CommonDialog& dialog)
{
    // Read once the file is chosen: the scheme as it is when the user says "save".
    return save(dialog, proposedName(QString(), QStringLiteral("scheme"), QStringLiteral("css")),
                [](ExchangeFormat format) { return SchemeExport::toBytes(currentScheme(), format); });
}

bool ExchangeFiles::openScheme(CommonDialog& dialog)
{
    CommonDialogManager dialogs;
    dialogs.setCommonDialog(dialog);
    dialogs.setFilename(QStringLiteral("*.json;*.css"));
    dialogs.setFilter(QCoreApplication::translate("ExchangeFiles", "配色(*.json;*.css)|*.json;*.css|すべてのファイル(*.*)|*.*"));
    const QString path = dialogs.getFilename(false);
    if (path.isEmpty())
        return false;
    const auto bytes = InputText::readBytes(path);
    const SchemeImport::Result read = std::holds_alternative<QByteArray>(bytes)
        ? SchemeImport::read(std::get<QByteArray>(bytes), shown(path))
        : SchemeImport::Result{std::nullopt, false, CheckMessages::error(CheckOptions::Lang::Ja, std::get<InputError>(bytes))};
    if (!read.scheme) {
        MsgBox(QCoreApplication::translate("ExchangeFiles", "配色を読み込めませんでした。\r\n%1").arg(read.error), IMessageBox::OKOnly, QString(),
               IMessageBox::Exclamation);
        return false;
    }
    Scheme& scheme = Scheme::instance();
    Scheme::Batch batch(scheme);
    for (int i = 0; i < ColorScheme::kColorCount; ++i)
        scheme.setColor(i, read.scheme->colors[size_t(i)]);
    if (read.texts) {
        for (int i = 0; i < ColorScheme::kTextCount; ++i)
            scheme.setText(i, read.scheme->sampleTexts[size_t(i)]);
    }
    return true;
}

void ExchangeFiles::copyScheme()
{
    QGuiApplication::clipboard()->setText(SchemeExport::clipboardText(currentScheme()));
}

bool ExchangeFiles::savePalette(CommonDialog& dialog, const DefinedColor& palette,
                                const PaletteExport::ColorAt& colorAt)
{
    return save(dialog, proposedName(palette.paletteName(), QStringLiteral("palette"), QStringLiteral("gpl")),
                [&](ExchangeFormat format) { return PaletteExport::toBytes(palette, format, colorAt); });
}

std::optional<GplImport> ExchangeFiles::readGpl(CommonDialog& dialog)
{
    CommonDialogManager dialogs;
    dialogs.setCommonDialog(dialog);
    dialogs.setFilename(QStringLiteral("*.gpl"));
    dialogs.setFilter(ExchangeFileType::gplOpenFilter());
    const QString path = dialogs.getFilename(false);
    if (path.isEmpty())
        return std::nullopt;
    GplImport read = GplImport::read(shown(path));
    if (!read.isOk()) {
        MsgBox(read.errorMessage(), IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
        return std::nullopt;
    }
    return read;
}

bool ExchangeFiles::writeFile(const QString& path, const QByteArray& bytes)
{
    const bool existed = QFileInfo::exists(path);
    const AtomicWriteResult written = AtomicFileWriter::write(path, bytes);
    if (written)
        return true;
    QString text;
    if (written.replaced()) {
        text = QCoreApplication::translate("ExchangeFiles", "ファイルは書き込みましたが、ディスクへの書き込みを確かめられませんでした。"
                              "停電などで失われるおそれがあります。\r\n%1\r\n%2")
                   .arg(shown(path), written.reason());
    } else {
        text = QCoreApplication::translate("ExchangeFiles", "ファイルに書き込めませんでした。\r\n%1\r\n%2\r\n\r\n"
                              "書き込み先のフォルダーと空き容量を確かめてください。")
                   .arg(shown(path), written.reason());
        if (existed)
            text += QCoreApplication::translate("ExchangeFiles", "元のファイルは変更されていません。");
    }
    MsgBox(text, IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
    return written.replaced();
}

bool ExchangeFiles::save(CommonDialog& dialog, const QString& initialName, const Encoder& encode)
{
    const std::optional<ExchangeFileType::Target> target = askSaveTarget(dialog, initialName);
    return target && writeFile(target->fileName, encode(target->format));
}

std::optional<ExchangeFileType::Target> ExchangeFiles::askSaveTarget(CommonDialog& dialog, const QString& initialName)
{
    CommonDialogManager dialogs;
    dialogs.setCommonDialog(dialog);
    dialogs.setFilename(initialName);
    dialogs.setFilter(ExchangeFileType::saveFilter());
    const QString chosen = dialogs.getFilename(true);
    if (chosen.isEmpty())
        return std::nullopt;
    const auto target = ExchangeFileType::saveTarget(chosen, dialogs.filterIndex());
    if (!target) {
        MsgBox(QCoreApplication::translate("ExchangeFiles", "ファイルの種類がわかりません。\r\n%1\r\n\r\n"
                              ".css、.json、.gpl、.ase のどれかの拡張子を付けてください。")
                   .arg(shown(chosen)),
               IMessageBox::OKOnly, QString(), IMessageBox::Exclamation);
        return std::nullopt;
    }
    // The dialog asked about replacing the name the user typed, not the one the file
    // type's suffix made of it.
    if (target->fileName != chosen && QFileInfo::exists(target->fileName)) {
        const int answer = MsgBox(QCoreApplication::translate("ExchangeFiles", "%1 は既にあります。\r\n置き換えますか?").arg(shown(target->fileName)),
                                  IMessageBox::YesNo, QString(), IMessageBox::Exclamation);
        if (answer != IMessageBox::Yes)
            return std::nullopt;
    }
    return target;
}

} // namespace tessary
