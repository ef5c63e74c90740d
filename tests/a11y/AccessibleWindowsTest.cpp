// SPDX-License-Identifier: MIT
#include "main/frmMain.h"
#include "platform/AccessibleNames.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
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

// What a screen reader would say for w, or why it says something wrong.
QString nameProblem(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
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

} // namespace

// Every window class of the program, opened through its default instance: a control added
// later without a name fails here.
TEST_F(AccessibleWindowsTest, EveryInteractiveControlOfEveryWindowHasACleanName)
{
    frmMain::instance().showModeless();
    const QList<FormRegistry::Kind> kinds = FormRegistry::kinds();
    ASSERT_GE(kinds.size(), 10);
    int checked = 0;
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
        form->hide();
    }
    EXPECT_GT(checked, 30);
}

// The main window's sliders say what they set and report their position and range.
TEST_F(AccessibleWindowsTest, SlidersOfTheMainWindowReportNameValueAndRange)
{
    frmMain& main = frmMain::instance();
    main.showModeless();
    main.RGBSlider[0]->setValue(200);
    const struct {
        QAbstractSlider* slider;
        const char16_t* name;
        int maximum;
    } cases[] = {
        {main.RGBSlider[0], u"赤", 255}, {main.RGBSlider[1], u"緑", 255}, {main.RGBSlider[2], u"青", 255},
        {main.HSLSlider[0], u"色相", 360}, {main.HSLSlider[1], u"彩度", 255}, {main.HSLSlider[2], u"輝度", 255},
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
