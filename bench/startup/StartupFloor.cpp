// SPDX-License-Identifier: MIT
// The floor for start-up measurements: a minimal Qt program with a main window (menu bar,
// tab widget, sliders) and a second, painted window.
//
// With --japanese [PROGRAM] it shows what any Japanese program of this shape must show: Japanese
// menus and captions; in the main window the colour-code field in a fixed-pitch face, a value
// field beside each slider and the five choices of what to edit, captioned with the sample texts;
// in the second window the three texts in the faces the settings in the current folder choose
// (PROGRAM.ini, through the same font mapping as the program), at the size those settings give
// it. It keeps no image of its own: it paints in its paint event.
#include "platform/Cp932Codec.h"
#include "platform/FontMapper.h"
#include "platform/StartupProbe.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QGridLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <array>

namespace {

// The faces, sizes and boldness of the three sample texts and the display window's size
// in twips, as the settings file in the current folder says; defaults without one.
struct Saved {
    std::array<tessary::StdFont, 3> fonts{};
    std::array<QString, 3> texts{QStringLiteral("見本の文字"), QStringLiteral("背景に"),
                                 QStringLiteral("Ｔｅｓｓａｒｙ")};
    QSize sizeTw{1950, 1950};
};

// A value of a section of the settings text, or empty.
QString valueOf(const QString& text, const QString& section, const QString& key)
{
    const qsizetype s = text.indexOf(u'[' + section + u']');
    if (s < 0)
        return {};
    const QRegularExpression line(QStringLiteral("\\r\\n%1=([^\\r]*)").arg(QRegularExpression::escape(key)));
    const QRegularExpressionMatch m = line.match(text, s);
    const qsizetype next = text.indexOf(u'[', s + 1);
    return m.hasMatch() && (next < 0 || m.capturedStart() < next) ? m.captured(1) : QString();
}

Saved readSettings(const QString& iniName)
{
    Saved saved;
    QFile file(iniName);
    if (!file.open(QIODevice::ReadOnly))
        return saved;
    const QString text = tessary::Cp932Codec::decode(file.readAll());
    for (std::size_t i = 0; i < 3; ++i) {
        const QString section = QStringLiteral("Font %1").arg(i + 1);
        tessary::StdFont& f = saved.fonts[i];
        if (const QString name = valueOf(text, section, QStringLiteral("Name")); !name.isEmpty())
            f.name = name;
        f.size = valueOf(text, section, QStringLiteral("Size")).toDouble();
        f.size = f.size > 0 ? f.size : 12;
        f.bold = valueOf(text, section, QStringLiteral("Bold")).toInt() != 0;
        if (const QString t = valueOf(text, QStringLiteral("Text"), QStringLiteral("Text %1").arg(i + 1)); !t.isEmpty())
            saved.texts[i] = t;
    }
    const int w = valueOf(text, QStringLiteral("WindowPosition"), QStringLiteral("tessaryWidth")).toInt();
    const int h = valueOf(text, QStringLiteral("WindowPosition"), QStringLiteral("tessaryHeight")).toInt();
    if (w > 0 && h > 0)
        saved.sizeTw = QSize(w, h);
    return saved;
}

class Painted : public QWidget {
public:
    explicit Painted(const Saved* saved = nullptr, const std::array<QFont, 3>* fonts = nullptr)
        : m_saved(saved)
        , m_fonts(fonts)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(0, 0, width(), height() / 2, Qt::darkBlue);
        p.fillRect(0, height() / 2, width(), height() - height() / 2, Qt::yellow);
        if (!m_fonts) {
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Text"));
            return;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            p.setFont((*m_fonts)[i]);
            p.drawText(QRect(0, int(i + 1) * height() / 4 - 20, width(), 40), Qt::AlignCenter, m_saved->texts[i]);
        }
    }

private:
    const Saved* m_saved;
    const std::array<QFont, 3>* m_fonts;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool japanese = argc > 1 && qstrcmp(argv[1], "--japanese") == 0;
    tessary::StartupProbe::installIfRequested(2);
    Saved saved;
    if (japanese) {
        // The settings of the program measured against, named after it (default "tessary").
        const QString program = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("tessary");
        saved = readSettings(program + QStringLiteral(".ini"));
    }

    QWidget main;
    auto* layout = new QHBoxLayout(&main);
    auto* bar = new QMenuBar(&main);
    const std::array<const char*, 4> latin{"File", "View", "Tools", "Help"};
    const std::array<QString, 4> kana{QStringLiteral("ファイル(&F)"), QStringLiteral("表示(&V)"),
                                      QStringLiteral("ツール(&T)"), QStringLiteral("ヘルプ(&H)")};
    for (std::size_t m = 0; m < 4; ++m)
        bar->addMenu(japanese ? kana[m] : QString::fromLatin1(latin[m]))
            ->addAction(japanese ? QStringLiteral("項目") : QStringLiteral("Item"));
    layout->setMenuBar(bar);
    auto* left = new QVBoxLayout;
    layout->addLayout(left);
    if (japanese) {
        auto* code = new QLineEdit(QStringLiteral("#000000"));
        code->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        left->addWidget(code);
    }
    auto* tabs = new QTabWidget;
    const std::array<std::array<QString, 3>, 2> names{{{QStringLiteral("赤"), QStringLiteral("緑"), QStringLiteral("青")},
                                                       {QStringLiteral("色相"), QStringLiteral("彩度"), QStringLiteral("明度")}}};
    for (std::size_t t = 0; t < 2; ++t) {
        auto* page = new QWidget;
        auto* pl = new QGridLayout(page);
        for (int i = 0; i < 3; ++i) {
            if (japanese) {
                pl->addWidget(new QLabel(names[t][std::size_t(i)]), i, 0);
                pl->addWidget(new QLineEdit(QStringLiteral("0")), i, 1);
            }
            pl->addWidget(new QSlider(Qt::Horizontal), i, 2);
        }
        tabs->addTab(page, t == 0 ? QStringLiteral("RGB") : QStringLiteral("HSL"));
    }
    left->addWidget(tabs);
    if (japanese) {
        auto* group = new QGroupBox(QStringLiteral("変更対象"));
        auto* gl = new QVBoxLayout(group);
        for (const QString& caption : {saved.texts[0], saved.texts[1], saved.texts[2], QStringLiteral("Shape1"),
                                       QStringLiteral("Shape2")})
            gl->addWidget(new QRadioButton(caption));
        layout->addWidget(group);
    }
    main.resize(325, 130);
    main.show();

    std::array<QFont, 3> fonts;
    if (japanese) {
        tessary::FontMapper::installSubstitutions();
        for (std::size_t i = 0; i < 3; ++i)
            fonts[i] = tessary::FontMapper::toQFont(saved.fonts[i]);
    }
    Painted second(japanese ? &saved : nullptr, japanese ? &fonts : nullptr);
    const QSize size = japanese ? saved.sizeTw / 15 : QSize(130, 130);
    second.setGeometry(japanese ? 0 : main.x() + 330, japanese ? 0 : main.y(), size.width(), size.height());
    second.show();
    return QApplication::exec();
}
