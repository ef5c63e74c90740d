// SPDX-License-Identifier: MIT
#include "main/frmMain.h"
#include "palette/frmPalette.h"
#include "platform/AccessibleNames.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "platform/MenuAccessible.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/Slider.h"
#include "support/GuiTest.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>

using namespace tessary;

namespace {

class AccessibleWindowsTest : public test::GuiTest {};

bool isInteractive(const QWidget* w)
{
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(w)
        || qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QTabBar*>(w) || qobject_cast<const PictureBox*>(w);
}

// Why what a screen reader would say for iface is wrong, or nothing.
QString nameProblem(QAccessibleInterface* iface)
{
    if (!iface)
        return QStringLiteral("no accessible interface");
    const QString name = iface->text(QAccessible::Name);
    static const QRegularExpression residue(QStringLiteral("[(（][A-Za-z][)）]\\s*$|&"));
    if (name.trimmed().isEmpty())
        return QStringLiteral("no name");
    if (residue.match(name).hasMatch())
        return QStringLiteral("access-key residue in \"%1\"").arg(name);
    return {};
}

QString nameProblem(QWidget* w)
{
    return nameProblem(QAccessible::queryAccessibleInterface(w));
}

// Walks a menu bar or menu as assistive technology does, through items to their submenus,
// and lists each item or menu whose spoken name is wrong.
void collectMenuProblems(QAccessibleInterface* menu, const QString& path, QStringList& problems, int& items)
{
    for (int i = 0; i < menu->childCount(); ++i) {
        QAccessibleInterface* item = menu->child(i);
        if (!item || item->role() == QAccessible::Separator)
            continue;
        ++items;
        const QString where = path + u'/' + QString::number(i);
        if (const QString problem = nameProblem(item); !problem.isEmpty())
            problems << where + QStringLiteral(": ") + problem;
        if (QAccessibleInterface* popup = item->childCount() > 0 ? item->child(0) : nullptr) {
            if (const QString problem = nameProblem(popup); !problem.isEmpty())
                problems << where + QStringLiteral(" (menu): ") + problem;
            collectMenuProblems(popup, where, problems, items);
        }
    }
}

} // namespace

// Every window class of the program, opened through its default instance: a control added
// later without a name fails here.
TEST_F(AccessibleWindowsTest, EveryInteractiveControlOfEveryWindowHasACleanName)
{
    frmMain::instance().showModeless();
    const QList<FormRegistry::Kind> kinds = FormRegistry::kinds();
    ASSERT_GE(kinds.size(), 10);
    int checked = 0;
    int menuItems = 0;
    for (const FormRegistry::Kind& kind : kinds) {
        Form* form = kind.open();
        ASSERT_NE(form, nullptr) << kind.className;
        form->show();
        QApplication::processEvents();
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(form)->text(QAccessible::Name).isEmpty())
            << kind.className;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            // Hidden controls too (the other page of a tab strip); popups are windows of their own.
            if (w->window() != form || !isInteractive(w))
                continue;
            ++checked;
            const QString problem = nameProblem(w);
            EXPECT_TRUE(problem.isEmpty()) << kind.className << " " << w->metaObject()->className() << " "
                                           << w->objectName().toStdString() << ": " << problem.toStdString();
        }
        for (QMenuBar* bar : form->findChildren<QMenuBar*>()) {
            QStringList problems;
            collectMenuProblems(QAccessible::queryAccessibleInterface(bar), bar->objectName(), problems, menuItems);
            EXPECT_TRUE(problems.isEmpty()) << kind.className << " menu items: " << problems.join(u'\n').toStdString();
        }
        form->hide();
    }
    EXPECT_GT(checked, 30);
    EXPECT_GT(menuItems, 60);
}

// The main window's sliders say what they set and report their position and range.
TEST_F(AccessibleWindowsTest, SlidersOfTheMainWindowReportNameValueAndRange)
{
    frmMain& main = frmMain::instance();
    main.showModeless();
    test::control<Slider>(main, "RGBSlider", 0)->setValue(200);
    const struct {
        QAbstractSlider* slider;
        const char16_t* name;
        int maximum;
    } cases[] = {
        {test::control<Slider>(main, "RGBSlider", 0), u"赤", 255},
        {test::control<Slider>(main, "RGBSlider", 1), u"緑", 255},
        {test::control<Slider>(main, "RGBSlider", 2), u"青", 255},
        {test::control<Slider>(main, "HSLSlider", 0), u"色相", 360},
        {test::control<Slider>(main, "HSLSlider", 1), u"彩度", 255},
        {test::control<Slider>(main, "HSLSlider", 2), u"輝度", 255},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.slider);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Slider);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf16(c.name));
        QAccessibleValueInterface* value = iface->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->minimumValue().toInt(), 0);
        EXPECT_EQ(value->maximumValue().toInt(), c.maximum);
        EXPECT_EQ(value->currentValue().toInt(), c.slider->value());
    }
}

// Names from captions: access-key residue goes, names set by hand stay, and a caption
// changed later is followed on the next pass.
TEST_F(AccessibleWindowsTest, ControlsAreNamedFromTheirCaptions)
{
    QWidget root;
    auto* open = new QPushButton(QStringLiteral("開く(&O)..."), &root);
    auto* plain = new QPushButton(QStringLiteral("R&&D"), &root);
    auto* manual = new QPushButton(QStringLiteral("閉じる(&C)"), &root);
    manual->setAccessibleName(QStringLiteral("窓を閉じる"));
    auto* field = new QLineEdit(&root);
    auto* label = new QLabel(QStringLiteral("色コード(&C)"), &root);
    label->setBuddy(field);

    nameControlsFromCaptions(&root);
    const auto spoken = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    const struct {
        QWidget* widget;
        const char16_t* name;
    } cases[] = {
        {open, u"開く"}, {plain, u"R&D"}, {manual, u"窓を閉じる"}, {field, u"色コード"}, {label, u"色コード"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spoken(c.widget), QString::fromUtf16(c.name));

    open->setText(QStringLiteral("保存(&S)"));
    nameControlsFromCaptions(&root);
    EXPECT_EQ(spoken(open), QStringLiteral("保存"));
    open->setText(QStringLiteral("保存"));
    nameControlsFromCaptions(&root);
    open->setText(QStringLiteral("別名"));
    EXPECT_EQ(spoken(open), QStringLiteral("別名"));
    EXPECT_EQ(spoken(manual), QStringLiteral("窓を閉じる"));
}

// Controls a user tells apart by what stands beside them: the palette's name list by its
// label, and the three sample options, even with empty sample texts, by their places.
TEST_F(AccessibleWindowsTest, ControlsWithoutCaptionsAreToldApart)
{
    const auto spoken = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    frmMain& main = frmMain::instance();
    for (int i = 0; i < 3; ++i)
        main.setSampleText(static_cast<std::int16_t>(i), QString());
    main.showModeless();
    QStringList names;
    for (int i = 0; i < 3; ++i)
        names << spoken(test::control<OptionButton>(main, "optSelectObject", i));
    EXPECT_EQ(names, (QStringList{"sample1", "sample2", "sample3"}));
    main.setSampleText(1, QStringLiteral("見出し"));
    EXPECT_EQ(spoken(test::control<OptionButton>(main, "optSelectObject", 1)), QStringLiteral("見出し"));

    frmPalette& palette = frmPalette::instance();
    palette.showModeless();
    // A list speaks its current entry as its name; its label comes as the label relation.
    bool labelled = false;
    for (const auto& [other, relation] :
         QAccessible::queryAccessibleInterface(test::control<QComboBox>(palette, "cmbColorSelect"))
             ->relations(QAccessible::Label))
        labelled = labelled || other->object() == test::control<QLabel>(palette, "Label2");
    EXPECT_TRUE(labelled);
}

// Menu items speak their captions without access-key marks, and keep captions, access keys
// and shortcuts for the eye and the keyboard.
TEST_F(AccessibleWindowsTest, MenuItemsSpeakCleanCaptionsAndKeepTheirKeys)
{
    installMenuAccessibility();
    QWidget root;
    auto* bar = new QMenuBar(&root);
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* home = file->addAction(QStringLiteral("初期位置(&I)"));
    home->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction* open = file->addAction(QStringLiteral("開く(&O)..."));
    QAction* separator = file->addSeparator();
    QAction* undo = file->addAction(QStringLiteral("元に戻す(&U)\tCtrl+Z"));
    QAction* rd = file->addAction(QStringLiteral("R&&D"));
    QMenu* view = file->addMenu(QStringLiteral("表示(&V)"));
    const struct {
        QAction* action;
        const char16_t* caption;
        const char16_t* spoken;
        QKeySequence key;
    } cases[] = {
        {file->menuAction(), u"ファイル(&F)", u"ファイル", QKeySequence(Qt::ALT | Qt::Key_F)},
        {home, u"初期位置(&I)", u"初期位置", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {open, u"開く(&O)...", u"開く", QKeySequence(Qt::ALT | Qt::Key_O)},
        {separator, u"", u"", QKeySequence()},
        {undo, u"元に戻す(&U)\tCtrl+Z", u"元に戻す", QKeySequence(Qt::ALT | Qt::Key_U)},
        {rd, u"R&&D", u"R&D", QKeySequence()},
        {view->menuAction(), u"表示(&V)", u"表示", QKeySequence(Qt::ALT | Qt::Key_V)},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(c.action);
        ASSERT_NE(item, nullptr) << QString::fromUtf16(c.spoken).toStdString();
        EXPECT_EQ(item->text(QAccessible::Name), QString::fromUtf16(c.spoken));
        EXPECT_EQ(item->text(QAccessible::Accelerator), c.key.toString(QKeySequence::NativeText));
        EXPECT_EQ(c.action->text(), QString::fromUtf16(c.caption));
    }
}
