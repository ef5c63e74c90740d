// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

namespace tessary {

class TextBox;

// Reads what is pasted into the colour-code field, by any means (the paste keys, the context
// menu, the middle button, a drop), and what stands in it when Enter is pressed, as a CSS
// colour. A colour goes to `apply`; a text that is none leaves the colour as it is and marks
// the field with a red frame and a tooltip saying why, until the field next changes. Typing
// is left to the field's own handlers.
class ColorCodePaste : public QObject {
    Q_OBJECT
public:
    ColorCodePaste(TextBox* field, std::function<void(std::int32_t)> apply);

    // Reads text as a colour: applies it (true) or marks the field (false).
    bool take(const QString& text);
    bool marked() const { return m_marked; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNote(const QString& note, bool error);
    void clearMark();
    void showPasteMenu(const QPoint& globalPos);

    TextBox* m_field;
    std::function<void(std::int32_t)> m_apply;
    QString m_description;
    bool m_marked = false;
};

} // namespace tessary
