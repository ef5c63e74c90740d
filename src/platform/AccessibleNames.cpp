// SPDX-License-Identifier: MIT
#include "platform/AccessibleNames.h"

#include "a11y/CleanCaption.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace tessary {

namespace {

// The name this mechanism gave last, so that a caption changed since is followed while a
// name set by hand is never touched.
constexpr char kAutoName[] = "tessaryCaptionName";

// The caption as the toolkit speaks it on its own: every "&" dropped, "&&" read as "&".
QString toolkitName(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&')
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out.trimmed();
}

// toolkitSpeaksIt: whether the toolkit on its own names the widget after the caption.
void nameFrom(QWidget* w, const QString& caption, bool toolkitSpeaksIt = true)
{
    const QString clean = cleanCaption(caption);
    const QString current = w->accessibleName();
    if (!current.isEmpty() && current != w->property(kAutoName).toString())
        return;
    // Where the toolkit already speaks the caption cleanly, leave it to the toolkit: its
    // name then follows every later change of the caption.
    if (clean.isEmpty() || (toolkitSpeaksIt && clean == toolkitName(caption))) {
        if (!current.isEmpty())
            w->setAccessibleName(QString());
        w->setProperty(kAutoName, QVariant());
        return;
    }
    if (current != clean)
        w->setAccessibleName(clean);
    w->setProperty(kAutoName, clean);
}

} // namespace

void nameControlsFromCaptions(QWidget* root)
{
    if (!root)
        return;
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // The button a menu bar shows for the menus that do not fit has no caption.
            if (button->objectName() == QLatin1String("qt_menubar_ext_button") && button->accessibleName().isEmpty())
                button->setAccessibleName(QCoreApplication::translate("AccessibleNames", "ほかのメニュー"));
            nameFrom(button, button->text());
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            // The toolkit names an open menu after its window title, which menus never set.
            nameFrom(menu, menu->title(), false);
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            nameFrom(frame, frame->title());
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->textFormat() != Qt::RichText && !label->text().contains(u'<')) {
                nameFrom(label, label->text());
                if (label->buddy())
                    nameFrom(label->buddy(), label->text());
            }
        }
    }
}

} // namespace tessary
