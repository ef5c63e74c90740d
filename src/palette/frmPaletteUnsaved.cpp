// SPDX-License-Identifier: MIT
// The palette window's care for changes not yet saved: the question before they would be
// dropped, and the recovery file for a program ended without a chance to ask.
#include "palette/frmPalette.h"

#include "platform/Workspace.h"
#include "palette/DefinedColor.h"
#include "platform/AppInfo.h"
#include "platform/Services.h"
#include "settings/CiniFile.h"

#include <QCoreApplication>
#include <QAction>
#include <QFile>
#include <QFileInfo>

namespace tessary {

namespace {

QString shownName(const DefinedColor& palette, const QString& fileName)
{
    if (!palette.paletteName().isEmpty())
        return palette.paletteName();
    if (!fileName.isEmpty())
        return QFileInfo(fileName).fileName();
    return QCoreApplication::translate("frmPaletteUnsaved", "新規パレット");
}

} // namespace

void frmPalette::markSaved()
{
    m_savedBytes = palette ? palette->toBytes() : QByteArray();
    m_neverSaved = false;
}

bool frmPalette::hasUnsavedChanges() const
{
    if (!palette)
        return false;
    return m_neverSaved || palette->toBytes() != m_savedBytes;
}

bool frmPalette::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    const QString text = QCoreApplication::translate("frmPaletteUnsaved", "パレット「%1」は変更されています。\r\n変更を保存しますか?")
                             .arg(shownName(*palette, currentFileName));
    const int answer = MsgBox(text, IMessageBox::YesNoCancel, QCoreApplication::translate("frmPaletteUnsaved", "パレット"), IMessageBox::Exclamation);
    if (answer == IMessageBox::No)
        return true;
    if (answer != IMessageBox::Yes)
        return false;
    QString name = currentFileName;
    if (name.isEmpty())
        name = askFileName(true, QStringLiteral("*.tcf"));
    return !name.isEmpty() && savePaletteFile(name);
}

QString frmPalette::recoveryFileName()
{
    const QFileInfo settings(CiniFile::defaultPath());
    return settings.absolutePath() + u'/' + AppInfo::exeName() + QStringLiteral("-palette-recovery.tcf");
}

bool frmPalette::writeRecovery() const
{
    if (!hasUnsavedChanges())
        return true;
    const PaletteStatus saved = palette->saveColor(recoveryFileName());
    return saved.isOk() || saved.code() == PaletteStatus::SavedUnsynced;
}

void frmPalette::unloadToRecovery()
{
    writeRecovery();
    m_askOnUnload = false;
    unload();
}

void frmPalette::offerRecovery()
{
    const QString fileName = recoveryFileName();
    if (!QFileInfo(fileName).isFile())
        return;
    auto recovered = std::make_shared<DefinedColor>();
    const QList<PaletteStatus> problems = recovered->loadColor(fileName);
    if (!problems.isEmpty() && recovered->count() == 0 && recovered->paletteName().isEmpty()) {
        // Nothing of it could be read: there is nothing to offer.
        QFile::remove(fileName);
        return;
    }
    const QString text = QCoreApplication::translate("frmPaletteUnsaved", "前回の終了時に保存されていなかったパレット「%1」の変更 (%2 色) が残っています。\r\n"
                                        "開きますか?\r\n\r\n「いいえ」を選ぶと、この変更は破棄されます。")
                             .arg(shownName(*recovered, QString()))
                             .arg(recovered->count());
    if (MsgBox(text, IMessageBox::YesNo, QCoreApplication::translate("frmPaletteUnsaved", "パレットの復元"), IMessageBox::Question) != IMessageBox::Yes) {
        QFile::remove(fileName);
        return;
    }
    frmPalette* window = frmPalette::loadedInstance();
    if (window && !window->settleUnsavedChanges())
        return;   // the recovery file stays for the next start
    if (!window) {
        // As the main window's palette item opens it; without a main window, where it stands.
        Workspace::instance().show(Workspace::Tool::Palette);
        window = frmPalette::loadedInstance();
        if (!window) {
            window = &frmPalette::instance();
            window->showModeless();
        }
    }
    if (!window)
        return;
    window->adoptPalette(std::move(recovered));
    // The changes live in the window now; a program ended again writes them anew.
    QFile::remove(fileName);
}

} // namespace tessary
