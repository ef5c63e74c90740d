// SPDX-License-Identifier: MIT
#include "platform/QtFileDialogs.h"

#include "platform/FontMapper.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <cstdlib>

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

QString QtFileDialogs::saveFile(QWidget* parent, const QString& initialName, const QString& filter, int* chosenFilter)
{
    const QString qtFilter = toQtFilter(filter);
    QString selected;
    const QString path = QFileDialog::getSaveFileName(parent, QString(), startPath(initialName), qtFilter, &selected);
    if (chosenFilter)
        *chosenFilter = selected.isEmpty() ? 0 : int(qtFilter.split(QStringLiteral(";;")).indexOf(selected)) + 1;
    return path;
}

QString QtFileDialogs::closestStyle(const QString& family, bool bold, bool italic)
{
    QString best;
    int bestScore = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        const int weight = QFontDatabase::weight(family, style);
        const bool styleBold = weight > QFont::Medium;
        // Oblique counts as italic, as it does for a font.
        const bool styleItalic = QFontDatabase::font(family, style, 12).style() != QFont::StyleNormal;
        // Bold and italic as asked matter most, then the weight nearest regular or bold.
        const int score = (styleBold == bold ? 4000 : 0) + (styleItalic == italic ? 2000 : 0)
            - std::abs(weight - (bold ? QFont::Bold : QFont::Normal));
        // Among equals the plainest name: "Book" rather than "Condensed".
        if (best.isEmpty() || score > bestScore || (score == bestScore && style.size() < best.size())) {
            best = style;
            bestScore = score;
        }
    }
    return best;
}

bool QtFileDialogs::chooseFont(QWidget* parent, StdFont& font)
{
    // The dialog lists installed families only: it starts from the face the stored name is
    // drawn with, which it can select, rather than from a name it does not know.
    QFont start = FontMapper::toQFont(font);
    const QString family = FontMapper::drawnFamily(font);
    start.setFamilies({family});
    // The dialog looks the style up by its name, and a regular face is rarely named
    // "Normal": name the face's own style, or the list opens on its first entry.
    const QString style = closestStyle(family, font.bold, font.italic);
    if (!style.isEmpty())
        start.setStyleName(style);
    QFontDialog dialog(start, parent);
    dialog.setOptions(QFontDialog::ScalableFonts | QFontDialog::DontUseNativeDialog);
    // No effects: underline and strikethrough stay as the font has them.
    for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
        if (auto* group = qobject_cast<QGroupBox*>(effect->parentWidget()))
            group->hide();
        else
            effect->hide();
    }
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // What the user left as the dialog showed it stays as stored: the name the mapping drew,
    // a size between the dialog's steps, a style the face lacks.
    const QFont chosen = dialog.selectedFont();
    if (chosen.family() != shown.family())
        font.name = chosen.family();
    if (chosen.pointSizeF() > 0 && chosen.pointSizeF() != shown.pointSizeF())
        font.size = chosen.pointSizeF();
    if (chosen.bold() != shown.bold())
        font.bold = chosen.bold();
    if (chosen.italic() != shown.italic())
        font.italic = chosen.italic();
    return true;
}

} // namespace tessary
