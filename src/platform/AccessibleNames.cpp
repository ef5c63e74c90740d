// SPDX-License-Identifier: MIT
#include "platform/AccessibleNames.h"

#include "a11y/CleanCaption.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace tessary {

namespace {

// The name this mechanism gave last, so that a caption changed since is followed while a
// name set by hand is never touched.
constexpr char kAutoName[] = "tessaryCaptionName";

void nameFrom(QWidget* w, const QString& caption)
{
    const QString clean = cleanCaption(caption);
    if (clean.isEmpty())
        return;
    const QString current = w->accessibleName();
    if (!current.isEmpty() && current != w->property(kAutoName).toString())
        return;
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
            nameFrom(button, button->text());
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
