// SPDX-License-Identifier: MIT
#include "platform/CommonDialog.h"

#include "platform/Services.h"

namespace tessary {

bool CommonDialog::showOpen()
{
    const QString chosen = Services::fileDialogs().openFile(m_owner, fileName, filter);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

bool CommonDialog::showSave()
{
    const QString chosen = Services::fileDialogs().saveFile(m_owner, fileName, filter, &filterIndex);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

bool CommonDialog::showFont()
{
    StdFont f;
    f.name = fontName;
    f.size = fontSize;
    f.bold = fontBold;
    f.italic = fontItalic;
    f.underline = fontUnderline;
    f.strikethrough = fontStrikethru;
    if (!Services::fileDialogs().chooseFont(m_owner, f))
        return false;
    fontName = f.name;
    fontSize = f.size;
    fontBold = f.bold;
    fontItalic = f.italic;
    return true;
}

} // namespace tessary
