// SPDX-License-Identifier: MIT
#include "settings/SettingsFolderLock.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <optional>

namespace tessary {
namespace {

// A save killed halfway leaves ".name.XXXXXXXX.tmp" beside the file; the next instance
// clears those of its own files, unless another instance may be writing them.
TEST(SettingsFolderLock, ClearsOwnStaleTemporariesOnlyWhenAlone)
{
    for (const bool another : {false, true}) {
        SCOPED_TRACE(another ? "another instance runs" : "alone");
        test::TempFolder dir;
        const QString ini = dir.write(QStringLiteral("tessary.ini"), "[a]\r\n");
        const QStringList ours = {QStringLiteral(".tessary.ini.0badf00d.tmp"),
                                  QStringLiteral(".tessary-palette-recovery.tcf.12345678.tmp")};
        const QStringList theirs = {QStringLiteral(".other.ini.0badf00d.tmp"), QStringLiteral("tessary.ini.tmp"),
                                    QStringLiteral(".tessary.ini.lock.tmp.keep")};
        for (const QString& name : ours + theirs)
            dir.write(name, "x");
        std::optional<SettingsFolderLock> running;
        if (another)
            running.emplace(ini);
        const SettingsFolderLock starting(ini);
        EXPECT_EQ(starting.isOnlyInstance(), !another);
        EXPECT_EQ(starting.removeStaleTemporaries({QStringLiteral("tessary.ini"),
                                                   QStringLiteral("tessary-palette-recovery.tcf")}),
                  another ? 0 : 2);
        const QStringList left = dir.entries();
        for (const QString& name : ours)
            EXPECT_EQ(left.contains(name), another) << name.toStdString();
        for (const QString& name : theirs + QStringList{QStringLiteral("tessary.ini")})
            EXPECT_TRUE(left.contains(name)) << name.toStdString();
    }
}

} // namespace
} // namespace tessary
