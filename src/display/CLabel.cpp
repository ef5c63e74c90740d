// SPDX-License-Identifier: MIT
#include "display/CLabel.h"

#include "display/DisplayPainter.h"
#include "display/frmTessary.h"
#include "platform/FontMapper.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace tessary {

CLabel::CLabel() = default;

CLabel::~CLabel() = default;

FontRef CLabel::defaultFont()
{
    const QFont ui = QGuiApplication::font();
    auto font = makeFont();
    font->name = ui.family();
    if (ui.pointSizeF() > 0)
        font->size = ui.pointSizeF();
    else if (ui.pixelSize() > 0)
        font->size = ui.pixelSize() * 72.0 / 96.0;
    font->bold = ui.bold();
    font->italic = ui.italic();
    font->underline = ui.underline();
    font->strikethrough = ui.strikeOut();
    return font;
}

void CLabel::setFont(const FontRef& font)
{
    m_font = font;
}

FontRef CLabel::getFont()
{
    if (!m_font)
        m_font = defaultFont();
    return m_font;
}

void CLabel::setText(const QString& text)
{
    m_text = text;
}

const QPaintDevice* CLabel::device() const
{
    // Measured at the resolution of the window it is drawn on.
    return m_target;
}

void CLabel::ensureMeasured()
{
    const StdFont& font = *getFont();
    if (!m_hasQFont || !(m_fontSeen == font)) {
        m_fontSeen = font;
        m_qfont = DisplayPainter::textFont(FontMapper::toQFont(font));
        m_hasQFont = true;
        m_measured = false;
    }
    const QPaintDevice* dev = device();
    const int dpiX = dev ? dev->logicalDpiX() : 0;
    const int dpiY = dev ? dev->logicalDpiY() : 0;
    if (m_measured && dpiX == m_dpiX && dpiY == m_dpiY && m_measuredText == m_text)
        return;
    const QFontMetrics fm = dev ? QFontMetrics(m_qfont, dev) : QFontMetrics(m_qfont);
    m_width = m_text.isEmpty() ? 0 : fm.horizontalAdvance(m_text);
    m_height = fm.height();
    m_ascent = fm.ascent();
    m_dpiX = dpiX;
    m_dpiY = dpiY;
    m_measuredText = m_text;
    m_measured = true;
}

std::int32_t CLabel::getHeight()
{
    ensureMeasured();
    return m_height;
}

std::int32_t CLabel::getAscent()
{
    ensureMeasured();
    return m_ascent;
}

std::int32_t CLabel::getWidth()
{
    ensureMeasured();
    return m_width;
}

const QFont& CLabel::drawnFont()
{
    ensureMeasured();
    return m_qfont;
}

} // namespace tessary
