// SPDX-License-Identifier: MIT
#pragma once

#include "support/FakeServices.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

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

// Compares two images pixel by pixel; on a mismatch writes the actual image next to the
// test and describes the first differing pixel.
::testing::AssertionResult imagesEqual(const QImage& expected, const QImage& actual, const QString& name);

} // namespace tessary::test
