// SPDX-License-Identifier: MIT
#include "historyview/SchemeCompare.h"

#include "contrast/ContrastWording.h"
#include "contrast/Wcag.h"
#include "display/DisplayPainter.h"
#include "platform/FontMapper.h"
#include "scheme/Scheme.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace tessary {

namespace {

const QSize kPicture(240, 160);
// The display window is about three times the picture's size: its fonts shrink with it.
constexpr double kFontScale = 1.0 / 3.0;

QString code(std::int32_t c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

SchemeCompare::SchemeCompare(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int side = 0; side < 2; ++side) {
        m_picture[side] = new QLabel(this);
        m_picture[side]->setObjectName(QStringLiteral("picCompare%1").arg(side));
        m_picture[side]->setFixedSize(kPicture);
        m_text[side] = new QLabel(this);
        m_text[side]->setObjectName(QStringLiteral("lblCompare%1").arg(side));
        m_text[side]->setTextFormat(Qt::PlainText);
        m_text[side]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_text[side]->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        m_text[side]->setFocusPolicy(Qt::TabFocus);
        m_text[side]->setAccessibleName(side == 0 ? tr("比較する配色 1") : tr("比較する配色 2"));
        grid->addWidget(m_picture[side], 0, side);
        grid->addWidget(m_text[side], 1, side);
    }
}

void SchemeCompare::show(const HistoryEntry& left, const HistoryEntry& right)
{
    const StyleParams style = Scheme::instance().state().style;
    const HistoryEntry* sides[2] = {&left, &right};
    for (int side = 0; side < 2; ++side) {
        const SchemeState& mine = sides[side]->state;
        const SchemeState& other = sides[1 - side]->state;
        m_picture[side]->setPixmap(QPixmap::fromImage(paint(kPicture, mine, style)));
        m_picture[side]->setAccessibleName(sides[side]->name);
        const QString text = sides[side]->name + u'\n' + describe(mine, other);
        m_text[side]->setText(text);
        m_text[side]->setAccessibleName(text);
    }
    QWidget::show();
}

QImage SchemeCompare::paint(QSize size, const SchemeState& scheme, const StyleParams& style)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    DisplayPainter::paintStyle(p, StyleLayout::layout(size.width(), size.height(), style), size, scheme.colors[3],
                               scheme.colors[4]);
    for (int i = 0; i < 3; ++i) {
        const auto& label = scheme.labels[std::size_t(i)];
        QFont font = FontMapper::toQFont(label.font);
        font.setPointSizeF(std::max(4.0, font.pointSizeF() * kFontScale));
        const QFontMetrics m(font);
        const QSize text(m.horizontalAdvance(label.text), m.height());
        const QRect box = DisplayPainter::labelBox(i, size, text);
        DisplayPainter::paintText(p, label.text, font, QPoint(box.left(), box.top() + m.ascent()),
                                  scheme.colors[std::size_t(i)]);
    }
    p.setPen(Qt::gray);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    return image;
}

QString SchemeCompare::describe(const SchemeState& scheme, const SchemeState& other)
{
    QStringList lines;
    for (int t = 0; t < 3; ++t) {
        QStringList cells;
        for (int b = 0; b < 2; ++b) {
            cells << QStringLiteral("%1 %2").arg(ContrastWording::backgroundName(b),
                                                 ContrastWording::ratio(Wcag::contrast(scheme.colors[std::size_t(t)],
                                                                                       scheme.colors[std::size_t(3 + b)])));
        }
        lines << QStringLiteral("%1: %2").arg(ContrastWording::textName(t), cells.join(tr("、")));
    }
    const auto differ = HistoryEntries::differingColors(scheme, other);
    for (int i = 0; i < 5; ++i) {
        const QString name = i < 3 ? ContrastWording::textName(i) : ContrastWording::backgroundName(i - 3);
        lines << QStringLiteral("%1 %2 %3").arg(differ[std::size_t(i)] ? QString(QChar(0x2260)) : QStringLiteral("  "),
                                                name, code(scheme.colors[std::size_t(i)]));
    }
    return lines.join(u'\n');
}

} // namespace tessary
