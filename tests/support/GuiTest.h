// SPDX-License-Identifier: MIT
#pragma once

#include "support/FakeServices.h"

#include <QAction>
#include <QImage>
#include <QString>
#include <QWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstddef>
#include <memory>
#include <stdexcept>

namespace tessary::test {

// Each window test starts in a fresh, empty working folder (where the INI file goes) with
// fresh service doubles, and ends with every window unloaded.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes to a file in the working folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    QString workDir() const { return m_dir->path(); }
    static QString dataPath(const QString& name);
    // Makes a shown window the active one, so that its controls can take the keyboard focus.
    // A window hidden just before may hand its activation on late, so this asks again.
    static bool activate(QWidget* window);

    FakeServices fakes;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

// A window's control found by its object name; for a row of controls the number is appended
// ("RGBSlider", 1 finds "RGBSlider1"). A missing control throws, so the test fails instead of
// crashing the run.
template <class T = QWidget>
T* control(const QObject& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no control " + name.toStdString() + " in " + window.objectName().toStdString());
    return found;
}
template <class T = QWidget>
T* control(const QObject& window, const char* name)
{
    return control<T>(window, QString::fromLatin1(name));
}
template <class T = QWidget>
T* control(const QObject& window, const char* name, std::size_t row)
{
    return control<T>(window, QString::fromLatin1(name) + QString::number(row));
}
inline QAction* action(const QObject& window, const char* name) { return control<QAction>(window, name); }
inline QAction* action(const QObject& window, const QString& name) { return control<QAction>(window, name); }

// Compares two images pixel by pixel; on a mismatch writes the actual image next to the
// test and describes the first differing pixel.
::testing::AssertionResult imagesEqual(const QImage& expected, const QImage& actual, const QString& name);

} // namespace tessary::test
