// SPDX-License-Identifier: MIT
#include "language/LanguageSwitch.h"
#include "main/frmMain.h"
#include "platform/AppInfo.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "scheme/Scheme.h"
#include "support/GuiTest.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTranslator>

#include <functional>
#include <map>

using namespace tessary;

namespace {

// A made-up language: every text marked and 40 % longer, so that a caption left out of the
// catalogue or a control too narrow for a longer language shows at once.
class PseudoTranslator : public QTranslator {
public:
    static constexpr QChar Open = u'⟦';
    static constexpr QChar Close = u'⟧';
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString s = QString::fromUtf8(source);
        if (s.trimmed().isEmpty())
            return {};
        const qsizetype padding = std::max<qsizetype>(0, (s.size() * 14 + 9) / 10 - s.size() - 2);
        return Open + s + QString(padding, u'~') + Close;
    }
    bool isEmpty() const override { return false; }
};

bool hasJapanese(const QString& s)
{
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF01 && u <= 0xFF60) ||
            (u >= 0x3000 && u <= 0x303F))
            return true;
    }
    return false;
}

struct Shown {
    QString where;
    QString text;
    QWidget* widget; // the control that draws the text; null for one only spoken or hinted
};

// Every caption a window shows or speaks, with where it is: the same texts a language
// change puts into the new language.
QList<Shown> captionsOf(Form* form)
{
    QList<Shown> out;
    auto add = [&out](QObject* o, const char* what, const QString& text, QWidget* w = nullptr) {
        if (!text.isEmpty())
            out.append({QStringLiteral("%1 %2 %3").arg(QLatin1String(o->metaObject()->className()), o->objectName(),
                                                        QLatin1String(what)),
                        text, w});
    };
    QList<QObject*> objects{form};
    objects += form->findChildren<QObject*>();
    for (QObject* o : objects) {
        // The user's and the files' own names, in whatever language they were written.
        if (o->property("tessaryUserText").toBool())
            continue;
        if (auto* w = qobject_cast<QWidget*>(o)) {
            add(w, "windowTitle", w->isWindow() ? w->windowTitle() : QString());
            add(w, "toolTip", w->toolTip());
            add(w, "statusTip", w->statusTip());
            add(w, "accessibleName", w->accessibleName());
            add(w, "accessibleDescription", w->accessibleDescription());
            if (auto* label = qobject_cast<QLabel*>(w))
                add(w, "text", label->text(), w);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                add(w, "text", button->text(), w);
            else if (auto* group = qobject_cast<QGroupBox*>(w))
                add(w, "title", group->title(), w);
            else if (auto* menu = qobject_cast<QMenu*>(w))
                add(w, "title", menu->title(), w);
            else if (auto* tabs = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    add(w, "tab", tabs->tabText(i), w);
            else if (auto* combo = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < combo->count(); ++i)
                    add(w, "item", combo->itemText(i), i == combo->currentIndex() ? w : nullptr);
        } else if (auto* a = qobject_cast<QAction*>(o)) {
            add(a, "text", a->text());
            add(a, "statusTip", a->statusTip());
        }
    }
    return out;
}

QString withoutMarks(QString s)
{
    s.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    s.remove(u'&');
    s.replace(u'\x01', u'&');
    return s;
}

// Whether a shown caption needs more width than its control gives it. (Some labels are laid
// out lower than a line of their face, in Japanese too; only the width is the language's.)
bool isClipped(QWidget* w, const QString& text)
{
    if (!w || !w->isVisible() || w->isWindow())
        return false;
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
            return false;
        return fm.size(0, withoutMarks(text)).width() > label->contentsRect().width();
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        return w->sizeHint().width() > w->width();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return fm.horizontalAdvance(withoutMarks(text)) + 4 > button->width();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return fm.horizontalAdvance(withoutMarks(text)) + 12 > group->width();
    if (auto* tabs = qobject_cast<QTabBar*>(w))
        return tabs->sizeHint().width() > tabs->width();
    // A closed list shows its current item beside the arrow.
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return text == combo->currentText() && fm.horizontalAdvance(text) + 24 > combo->width();
    return false;
}

class LanguageWindowsTest : public test::GuiTest {
protected:
    // As the program does before its first window.
    void SetUp() override
    {
        test::GuiTest::SetUp();
        LanguageSwitch::instance().start(std::nullopt, std::nullopt);
        // A palette whose own names no catalogue translates, in plain Latin letters.
        const QString palette = writeFile(QStringLiteral("plain.tcf"),
                                          "\"Plain\",\"\",\"Plain names\"\r\n\"FF0000\",\"Red\",\"Pure red\"\r\n");
        writeFile(AppInfo::exeName() + QStringLiteral(".ini"),
                  "[Palette]\r\nfileName=" + QDir::toNativeSeparators(palette).toLocal8Bit() + "\r\n");
    }

    void TearDown() override
    {
        LanguageSwitch::instance().useCatalogue(nullptr);
        test::GuiTest::TearDown();
    }

    // Every window of the program open, with captions that no catalogue knows set to plain
    // Latin letters. A window that closes itself once shown (the screen picker, when it
    // cannot capture here) is left out.
    static QList<Form*> openEveryWindow()
    {
        frmMain::instance().showModeless();
        for (int i = 0; i < 3; ++i)
            Scheme::instance().setText(i, QStringLiteral("Sample"));
        QList<QPointer<Form>> opened;
        for (const FormRegistry::Kind& kind : FormRegistry::kinds()) {
            Form* form = kind.open();
            form->show();
            opened << form;
        }
        QApplication::processEvents();
        QList<Form*> forms;
        for (const QPointer<Form>& form : opened)
            if (form && form->isLoaded())
                forms << form;
        return forms;
    }

    static void switchTo(std::unique_ptr<QTranslator> catalogue)
    {
        LanguageSwitch::instance().useCatalogue(std::move(catalogue));
        // The change, then the layouts it asks for.
        for (int i = 0; i < 4; ++i)
            QApplication::processEvents();
    }

    static std::unique_ptr<QTranslator> english()
    {
        auto t = std::make_unique<QTranslator>();
        EXPECT_TRUE(t->load(QStringLiteral("tessary_en"), QStringLiteral(TESSARY_TEST_PROGRAM_DIR "/translations")));
        return t;
    }
};

} // namespace

// Every window in English and back: no Japanese left in English, and Japanese exactly as it
// was before, captions and geometry (nothing lost, mixed up or moved on the way).
TEST_F(LanguageWindowsTest, EveryWindowSwitchesToEnglishAndBackWithoutARestart)
{
    const QList<Form*> forms = openEveryWindow();
    ASSERT_GE(forms.size(), 10);
    // Captions and the geometry they are drawn in.
    auto snapshot = [](Form* form) {
        QStringList out;
        for (const Shown& s : captionsOf(form)) {
            const QRect r = s.widget ? s.widget->geometry() : QRect();
            out << s.where + u'=' + s.text + QStringLiteral(" @%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        return out;
    };
    std::map<Form*, QStringList> japanese;
    std::map<Form*, QSize> japaneseSize;
    for (Form* form : forms) {
        japanese[form] = snapshot(form);
        japaneseSize[form] = form->size();
    }

    switchTo(english());
    QStringList left;
    int captions = 0;
    for (Form* form : forms)
        for (const Shown& s : captionsOf(form)) {
            ++captions;
            if (hasJapanese(s.text) && !s.text.contains(QStringLiteral("(Japanese)")))
                left << s.where + QStringLiteral(": ") + s.text;
        }
    EXPECT_GT(captions, 200);
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();

    switchTo(nullptr);
    for (Form* form : forms) {
        const QStringList again = snapshot(form);
        QStringList differences;
        for (qsizetype i = 0; i < std::max(again.size(), japanese[form].size()); ++i)
            if (again.value(i) != japanese[form].value(i))
                differences << japanese[form].value(i) + QStringLiteral(" -> ") + again.value(i);
        EXPECT_TRUE(differences.isEmpty()) << form->metaObject()->className() << "\n"
                                           << differences.join(u'\n').toStdString();
        EXPECT_EQ(form->size(), japaneseSize[form]) << form->metaObject()->className();
    }
}

QStringList clippedCaptions(const QList<Form*>& forms)
{
    QStringList clipped;
    for (Form* form : forms)
        for (const Shown& s : captionsOf(form))
            if (isClipped(s.widget, s.text))
                clipped << s.where + QStringLiteral(": ") + s.text;
    return clipped;
}

// The made-up language over every window: a caption without its marks came from outside
// the catalogue.
TEST_F(LanguageWindowsTest, PseudoTranslationFindsNoTextOutsideTheCatalogue)
{
    const QList<Form*> forms = openEveryWindow();
    switchTo(std::make_unique<PseudoTranslator>());
    QStringList outside;
    for (Form* form : forms)
        for (const Shown& s : captionsOf(form)) {
            // Numbers, codes, names of formats and standards, the product's name and the data
            // this test gave read the same in every language.
            static const QRegularExpression sameEverywhere(QStringLiteral(
                "^(<qt>)?(RGB|HSL|OKLCH|AAA?( \\([0-9.:]+\\))?|Pixel|Twip|Tessary( Ver\\.[0-9.]+)?|Sample|Pure red|"
                "#RRGGBB|#rrggbb|rgb\\(\\)|hsl\\(\\)|oklch\\(\\)|#?[0-9A-F]{6})(</qt>)?$"));
            const bool words = s.text.contains(QRegularExpression(QStringLiteral("[^\\W\\d_]{2,}"))) &&
                               !sameEverywhere.match(s.text).hasMatch();
            if (words && !s.text.contains(PseudoTranslator::Open))
                outside << s.where + QStringLiteral(": ") + s.text;
        }
    EXPECT_TRUE(outside.isEmpty()) << outside.join(u'\n').toStdString();
    const QStringList clipped = clippedCaptions(forms);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(u'\n').toStdString();
}

// Every caption of every window fits its control, in Japanese as laid out and in English.
TEST_F(LanguageWindowsTest, CaptionsFitTheirControlsInJapaneseAndEnglish)
{
    const QList<Form*> forms = openEveryWindow();
    const QStringList japanese = clippedCaptions(forms);
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();
    switchTo(english());
    const QStringList english = clippedCaptions(forms);
    EXPECT_TRUE(english.isEmpty()) << english.join(u'\n').toStdString();
}

// A picture of every window in English, to be looked at: into TESSARY_SCREENSHOT_DIR when set,
// else the test's own folder, one file per window.
TEST_F(LanguageWindowsTest, SavesAPictureOfEveryWindowInEnglish)
{
    const QList<Form*> forms = openEveryWindow();
    switchTo(english());
    const QString folder = qEnvironmentVariableIsSet("TESSARY_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("TESSARY_SCREENSHOT_DIR")
                               : workDir();
    QDir().mkpath(folder);
    QSet<QString> names;
    for (Form* form : forms) {
        const QImage picture = form->grab().toImage();
        ASSERT_FALSE(picture.isNull()) << form->metaObject()->className();
        QString name = QString::fromLatin1(form->metaObject()->className()).section(QStringLiteral("::"), -1);
        names.insert(name);
        EXPECT_TRUE(picture.save(folder + u'/' + name + QStringLiteral("-en.png"))) << name.toStdString();
    }
    EXPECT_EQ(names.size(), forms.size());
}
