// SPDX-License-Identifier: MIT
#include "platform/QtFileDialogs.h"

#include "platform/FontMapper.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

namespace tessary {

QString QtFileDialogs::toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(u';', u' ');
        // Qt reads the patterns from the description's last parentheses: replace a pattern
        // list the description already shows rather than showing it twice.
        QString description = parts[i].trimmed();
        if (description.endsWith(u')')) {
            const qsizetype open = description.lastIndexOf(u'(');
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        out << description + QStringLiteral(" (") + patterns + u')';
    }
    return out.join(QStringLiteral(";;"));
}

namespace {
// A pattern such as "*.tcf" is no file to start with; a real name is.
QString startPath(const QString& initialName)
{
    if (initialName.contains(u'*') || initialName.contains(u'?'))
        return QString();
    return initialName;
}
} // namespace

QString QtFileDialogs::openFile(QWidget* parent, const QString& initialName, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), startPath(initialName), toQtFilter(filter));
}

QString QtFileDialogs::saveFile(QWidget* parent, const QString& initialName, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), startPath(initialName), toQtFilter(filter));
}

bool QtFileDialogs::chooseFont(QWidget* parent, StdFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontMapper::toQFont(font), parent, QString(),
                                              QFontDialog::ScalableFonts);
    if (!ok)
        return false;
    font.name = chosen.family();
    font.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : font.size;
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    return true;
}

} // namespace tessary
