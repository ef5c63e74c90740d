// SPDX-License-Identifier: MIT
#pragma once

#include "platform/StdFont.h"

#include <QFont>
#include <QString>
#include <cstdint>

class QPaintDevice;

namespace tessary {

class frmTessary;

// A text drawn straight onto the display window's client area with a transparent
// background, in its own font and colour. The font is held by reference: a change made
// to the font object by anyone holding it changes the label.
class CLabel {
public:
    CLabel();
    ~CLabel();
    CLabel(const CLabel&) = delete;
    CLabel& operator=(const CLabel&) = delete;

    // Text colour, a colour value; black at creation.
    std::int32_t color() const { return m_color; }
    void setColor(std::int32_t color) { m_color = color; }
    // The window the text is measured and drawn on.
    void setTargetObject(frmTessary* target) { m_target = target; }

    void setFont(const FontRef& font);
    // Height and width of the text in the target's pixels; an empty text is 0 wide and one
    // line high.
    std::int32_t getHeight();
    std::int32_t getWidth();
    // From the top of the text's box to its baseline.
    std::int32_t getAscent();
    // The label's own font object, created with the default attributes if it has none.
    FontRef getFont();
    // The Qt font the text is drawn with.
    const QFont& drawnFont();

    void setText(const QString& text);
    const QString& text() const { return m_text; }

    // A font object with the attributes of the platform's user-interface font.
    static FontRef defaultFont();

private:
    const QPaintDevice* device() const;
    void ensureMeasured();

    std::int32_t m_color = 0;
    frmTessary* m_target = nullptr;
    QString m_text;
    FontRef m_font;

    // The Qt font and the measures of the text, kept until the text, the font's attributes
    // or the resolution of the target change.
    StdFont m_fontSeen;
    QFont m_qfont;
    bool m_hasQFont = false;
    bool m_measured = false;
    QString m_measuredText;
    int m_dpiX = 0;
    int m_dpiY = 0;
    int m_width = 0;
    int m_height = 0;
    int m_ascent = 0;
};

} // namespace tessary
