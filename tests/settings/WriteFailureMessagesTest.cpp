// SPDX-License-Identifier: MIT
#include "exchange/ExchangeFiles.h"
#include "main/frmMain.h"
#include "palette/frmPalette.h"
#include "platform/AppInfo.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FormRegistry.h"
#include "platform/Workspace.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <functional>

namespace tessary {
namespace {

using Step = AtomicFileWriter::Step;

class WriteFailureMessages : public test::GuiTest {};

// Each of the program's saves, failing at each step: the message says what really happened,
// names the file, and gives the system's reason after it.
TEST_F(WriteFailureMessages, SayWhatHappenedAndWhy)
{
    struct Fault {
        Step step;
        int code;
        bool replaced;   // the new file is in place, only the folder was not synced
    };
    const Fault faults[] = {{Step::Write, ENOSPC, false}, {Step::Rename, EACCES, false}, {Step::SyncFolder, EIO, true}};
    struct Save {
        const char* name;
        const char* file;
        bool existed;
        std::function<void(const QString& path)> run;
    };
    const auto exportScheme = [this](const QString& path) {
        fakes.fileDialogs->answers = {path};
        ExchangeFiles::saveScheme(Workspace::instance().commonDialog());
    };
    const Save saves[] = {
        {"settings at quit", nullptr, false,
         [](const QString&) { test::action(frmMain::instance(), "mnuQuit")->trigger(); }},
        {"export to a new file", "new.css", false, exportScheme},
        {"export over a file", "old.css", true, exportScheme},
        {"palette", "p.tcf", false,
         [this](const QString& path) {
             fakes.fileDialogs->answers = {path};
             frmPalette::instance().mnuSave_Click();
         }},
    };
    for (const Save& save : saves) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(::testing::Message() << save.name << ", step " << int(fault.step));
            frmMain::instance();
            const QString path = save.file ? workDir() + u'/' + QString::fromLatin1(save.file)
                                           : workDir() + u'/' + AppInfo::exeName() + QStringLiteral(".ini");
            QFile::remove(path);
            if (save.existed)
                writeFile(QString::fromLatin1(save.file), "old");
            fakes.messageBox->calls.clear();
            AtomicFileWriter::setFaultForAllWrites([&](Step s) { return s == fault.step ? fault.code : 0; });
            save.run(path);
            AtomicFileWriter::setFaultForAllWrites({});

            const QString shown = QDir::toNativeSeparators(path);
            QStringList told;
            for (const auto& call : fakes.messageBox->calls) {
                if (call.text.contains(shown))
                    told << call.text;
            }
            ASSERT_EQ(told.size(), 1);
            const QString& text = told.first();
            EXPECT_TRUE(text.contains(shown + QStringLiteral("\r\n") + qt_error_string(fault.code))) << text.toStdString();
            const bool saysFailed = text.contains(QStringLiteral("保存できませんでした"))
                || text.contains(QStringLiteral("書き込めませんでした")) || text.contains(QStringLiteral("書き込みエラー"));
            EXPECT_EQ(saysFailed, !fault.replaced) << text.toStdString();
            EXPECT_EQ(text.contains(QStringLiteral("失われるおそれ")), fault.replaced) << text.toStdString();
            EXPECT_EQ(text.contains(QStringLiteral("元のファイルは変更されていません")), save.existed && !fault.replaced)
                << text.toStdString();
            fakes.messageBox->answers.assign(4, IMessageBox::No);
            FormRegistry::unloadAll();
            QFile::remove(workDir() + u'/' + AppInfo::exeName() + QStringLiteral(".ini"));
        }
    }
}

} // namespace
} // namespace tessary
