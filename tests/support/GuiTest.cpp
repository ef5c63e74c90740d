// SPDX-License-Identifier: MIT
#include "support/GuiTest.h"

#include "cvd/VisionModeHolder.h"
#include "platform/AppInfo.h"
#include "platform/FormRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace tessary::test {

void GuiTest::SetUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    AppInfo::setProgramFolderOverride(QStringLiteral(TESSARY_TEST_PROGRAM_DIR));
    fakes = FakeServices::install();
}

void GuiTest::TearDown()
{
    // The test is over: a question about unsaved work is answered "don't save".
    fakes.messageBox->answers.assign(8, IMessageBox::No);
    FormRegistry::unloadAll();
    QCoreApplication::processEvents();
    // The mode outlives the windows, as it does in the program; the next test starts without.
    VisionModeHolder::instance().setMode(VisionMode());
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

QString GuiTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir->filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString GuiTest::dataPath(const QString& name)
{
    return QStringLiteral(TESSARY_TEST_DATA_DIR) + u'/' + name;
}

bool GuiTest::activate(QWidget* window)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        window->activateWindow();
        if (QTest::qWaitForWindowActive(window, 1000))
            return true;
    }
    return false;
}

::testing::AssertionResult imagesEqual(const QImage& expected, const QImage& actual, const QString& name)
{
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    if (e.size() != a.size()) {
        return ::testing::AssertionFailure() << "size " << a.width() << "x" << a.height() << " expected "
                                             << e.width() << "x" << e.height();
    }
    for (int y = 0; y < e.height(); ++y) {
        for (int x = 0; x < e.width(); ++x) {
            if (e.pixel(x, y) != a.pixel(x, y)) {
                const QString out = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
                a.save(out);
                return ::testing::AssertionFailure()
                    << "first difference at (" << x << ", " << y << "): got " << std::hex << a.pixel(x, y)
                    << " expected " << e.pixel(x, y) << "; actual image written to " << out.toStdString();
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace tessary::test
