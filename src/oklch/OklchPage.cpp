// SPDX-License-Identifier: MIT
#include "oklch/OklchPage.h"

#include "csscolor/CssColorWriter.h"
#include "language/LanguageSwitch.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"

#include <QLabel>
#include <QLocale>
#include <cmath>

namespace tessary {

namespace {

using Component = OklchEditor::Component;

// Field text per component: L in percent, C as it is, H in degrees.
constexpr std::array<double, 3> kFieldScale{100.0, 1.0, 1.0};
constexpr std::array<int, 3> kFieldDecimals{1, 3, 1};
// A slider step in the component's own unit.
constexpr std::array<double, 3> kStep{0.001, 0.001, 1.0};

} // namespace

OklchPage::OklchPage(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("OklchFrame"));
    setFrameShape(QFrame::NoFrame);
    const std::array<QString, 3> captionTexts{QStringLiteral("L"), QStringLiteral("C"), QStringLiteral("H")};
    for (int i = 0; i < 3; ++i) {
        captions[i] = new QLabel(captionTexts[i], this);
        captions[i]->setObjectName(QStringLiteral("OklchLabel%1").arg(i));
        captions[i]->setAlignment(Qt::AlignCenter);
        fields[i] = new TextBox(this);
        fields[i]->setObjectName(QStringLiteral("txtOklch%1").arg(i));
        fields[i]->setAlignment(Qt::AlignCenter);
        sliders[i] = new Slider(this);
        sliders[i]->setObjectName(QStringLiteral("OklchSlider%1").arg(i));
        sliders[i]->setRange(0, kSliderMaximum[i]);
        sliders[i]->setTickInterval(kSliderMaximum[i] / 10);
        connect(sliders[i], &Slider::Change, this, [this, i] { slider_Change(i); });
        connect(sliders[i], &Slider::Scroll, this, [this, i] { slider_Change(i); });
        connect(fields[i], &TextBox::KeyDown, this, [this, i](int key, int) {
            if (key == 13)
                field_Commit(i);
        });
        connect(fields[i], &TextBox::LostFocus, this, [this, i] { field_Commit(i); });
    }
    gamutLabel = new QLabel(this);
    gamutLabel->setObjectName(QStringLiteral("OklchGamut"));
    gamutLabel->setAlignment(Qt::AlignCenter);
    gamutLabel->setAccessibleName(tr("sRGB の色域"));
    // The names are made of pieces, so they are made again in another language.
    auto nameFields = [this] {
        const std::array<QString, 3> names{tr("OKLCH の明度"), tr("OKLCH の彩度"),
                                           tr("OKLCH の色相")};
        const std::array<QString, 3> ranges{tr("0 から 100 (%)"), tr("0 から 0.4"),
                                            tr("0 から 360 (度)")};
        for (int i = 0; i < 3; ++i) {
            fields[i]->setAccessibleName(tr("%1の値").arg(names[i]));
            fields[i]->setAccessibleDescription(tr("%1。数を入力して Enter キー").arg(ranges[i]));
            sliders[i]->setAccessibleName(names[i]);
        }
        refresh();
    };
    nameFields();
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, nameFields);
}

void OklchPage::placeRow(int i, const QRect& caption, const QRect& field, const QRect& slider, const QFont& font)
{
    // The fields hold a digit or two more than the HSL page's ("0.258"): they reach a little
    // into the slider's margin.
    const int extra = QFontMetrics(font).horizontalAdvance(QStringLiteral("00"));
    captions[i]->setGeometry(caption);
    fields[i]->setGeometry(field.adjusted(0, 0, extra, 0));
    fields[i]->setFont(font);
    const QRect track = slider.adjusted(extra, 0, 0, 0);
    sliders[i]->setGeometry(track);
    // The chroma row leaves room at its end for the gamut mark.
    if (i == Component::C) {
        const int markWidth = QFontMetrics(font).horizontalAdvance(tr("色域外")) + 8;
        sliders[i]->setGeometry(track.adjusted(0, 0, -markWidth, 0));
        gamutLabel->setFont(font);
        gamutLabel->setGeometry(slider.right() - markWidth + 1, field.y(), markWidth, field.height());
    }
}

void OklchPage::showColor(std::int32_t color)
{
    m_editor.adopt(color);
    refresh();
}

void OklchPage::slider_Change(int i)
{
    if (m_refreshing)
        return;
    const auto c = Component(i);
    // The slider's step is the component's resolution; a value typed finer is kept until
    // the slider moves to another step.
    if (std::lround(m_editor.value(c) / kStep[i]) == sliders[i]->value())
        return;
    m_editor.set(c, sliders[i]->value() * kStep[i]);
    refresh();
    emit colorChosen(m_editor.color());
}

void OklchPage::field_Commit(int i)
{
    if (m_refreshing)
        return;
    bool ok = false;
    const QString text = fields[i]->text().trimmed().remove(u'%').remove(u'°');
    double v = QLocale::c().toDouble(text, &ok);
    if (!ok)
        v = QLocale().toDouble(text, &ok);
    if (ok && std::isfinite(v)) {
        m_editor.set(Component(i), v / kFieldScale[i]);
        emit colorChosen(m_editor.color());
    }
    refresh();
}

void OklchPage::refresh()
{
    m_refreshing = true;
    for (int i = 0; i < 3; ++i) {
        const double v = m_editor.value(Component(i));
        const int position = int(std::lround(v / kStep[i])) % (kSliderMaximum[i] + (i == Component::H ? 0 : 1));
        if (sliders[i]->value() != position)
            sliders[i]->setPosition(position);
        const QString text = QLocale::c().toString(v * kFieldScale[i], 'f', kFieldDecimals[i]);
        if (fields[i]->text() != text)
            fields[i]->setText(text);
    }
    const bool inside = m_editor.inGamut();
    gamutLabel->setText(inside ? tr("色域内") : tr("色域外"));
    gamutLabel->setToolTip(inside ? tr("この色は sRGB の中にあります")
                                  : tr("sRGB の外にあるので、いちばん近い sRGB の色 (%1) にしています")
                                        .arg(CssColorWriter::write(m_editor.color(), CssColorForm::HexUpper)));
    gamutLabel->setAccessibleDescription(gamutLabel->toolTip());
    QPalette pal = gamutLabel->palette();
    pal.setColor(QPalette::WindowText, inside ? QColor(0x1B, 0x6E, 0x20) : QColor(0xB0, 0x30, 0x00));
    gamutLabel->setPalette(pal);
    m_refreshing = false;
}

} // namespace tessary
