// SPDX-License-Identifier: MIT
#include "support/FakeServices.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace tessary::test {

int FakeMessageBox::show(QWidget*, const QString& text, int buttons, const QString& title, int icon)
{
    calls.append({text, buttons, title, icon});
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    return (buttons == YesNoCancel || buttons == YesNo) ? Cancel : OK;
}

bool FakeMessageBox::input(QWidget*, const QString& prompt, const QString& title, QString& text)
{
    inputs.append({prompt + u'\n' + text, OKCancel, title, NoIcon});
    if (inputAnswers.empty())
        return true;
    const QString a = inputAnswers.front();
    inputAnswers.pop_front();
    if (a == QLatin1String("\x1b"))
        return false;
    text = a;
    return true;
}

QString FakeFileDialogs::openFile(QWidget*, const QString& initialName, const QString& filter)
{
    calls.append({false, initialName, filter});
    if (answers.empty())
        return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

QString FakeFileDialogs::saveFile(QWidget*, const QString& initialName, const QString& filter, int* chosenFilter)
{
    calls.append({true, initialName, filter});
    if (chosenFilter)
        *chosenFilter = filterAnswers.empty() ? 0 : filterAnswers.front();
    if (!filterAnswers.empty())
        filterAnswers.pop_front();
    if (answers.empty())
        return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

bool FakeFileDialogs::chooseFont(QWidget*, StdFont& font)
{
    ++fontCalls;
    fontsShown.append(font);
    if (fontAnswers.empty())
        return false;
    font = fontAnswers.front();
    fontAnswers.pop_front();
    return true;
}

QList<IScreenCapture::Screen> FakeScreenCapture::grabScreens()
{
    ++calls;
    if (!screens.isEmpty())
        return screens;
    if (image.isNull())
        return {};
    const QPoint origin = QGuiApplication::primaryScreen()->virtualGeometry().topLeft();
    return {{image, QRect(origin, image.size()), 1.0}};
}

void FakeScreenCapture::askDesktop(QObject* context, std::function<void(const DesktopAnswer&)> done)
{
    ++desktopAsks;
    if (desktopSilent)
        return;
    DesktopAnswer answer;
    if (!desktopAnswers.empty()) {
        answer = desktopAnswers.front();
        desktopAnswers.pop_front();
    }
    QTimer::singleShot(0, context, [done = std::move(done), answer] { done(answer); });
}

std::int32_t FakeSystemColors::sysColor(int index)
{
    const auto it = colors.find(index);
    return it != colors.end() ? it->second : 0x010101 * index;
}

double FakeRandom::next()
{
    if (values.empty())
        return 0.5;
    const double v = values.front();
    values.pop_front();
    return v;
}

bool FakeShell::openDocument(const QString& path)
{
    opened.append(path);
    return result;
}

FakeServices FakeServices::install()
{
    FakeServices f;
    auto mb = std::make_unique<FakeMessageBox>();
    auto fd = std::make_unique<FakeFileDialogs>();
    auto sc = std::make_unique<FakeScreenCapture>();
    auto sys = std::make_unique<FakeSystemColors>();
    auto rnd = std::make_unique<FakeRandom>();
    auto sh = std::make_unique<FakeShell>();
    auto cb = std::make_unique<FakeClipboard>();
    f.messageBox = mb.get();
    f.fileDialogs = fd.get();
    f.screenCapture = sc.get();
    f.systemColors = sys.get();
    f.random = rnd.get();
    f.shell = sh.get();
    f.clipboard = cb.get();
    Services::setMessageBox(std::move(mb));
    Services::setFileDialogs(std::move(fd));
    Services::setScreenCapture(std::move(sc));
    Services::setSystemColors(std::move(sys));
    Services::setRandom(std::move(rnd));
    Services::setShell(std::move(sh));
    Services::setClipboard(std::move(cb));
    return f;
}

} // namespace tessary::test
