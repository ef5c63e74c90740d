// SPDX-License-Identifier: MIT
#include "settings/CiniFile.h"
#include "settings/IniDocument.h"
#include "TempFolder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tessary {
namespace {

using test::crlf;
using test::TempFolder;

QString u8(const char* s) { return QString::fromUtf8(s); }

// Bytes of a literal, embedded NULs included.
template <size_t N>
QByteArray raw(const char (&s)[N])
{
    return QByteArray(s, qsizetype(N - 1));
}

// Reading: the file as it lies on disk (none when nullopt), what is asked, what comes back.
struct ReadCase {
    const char* name;
    std::optional<QByteArray> file;
    QString section;
    QString key;
    QString def;
    QString expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

QByteArray doubleByteValue()
{
    QByteArray v;
    for (int i = 0; i < 150; ++i)
        v += "\x82\xA0";   // あ
    return v;
}

const ReadCase kReadCases[] = {
    {"NamesMatchWithoutCase", crlf("[s]¶name1=val1¶"), "S", "NAME1", "d", "val1"},
    {"BlanksAroundNamesAndValueDropped", crlf("[ s ]¶  k  =  v x \t¶"), "s", "k", "d", "v x"},
    {"AskedNamesTrimmedOfSpaces", crlf("[ s ]¶  k  =  v x \t¶"), " s ", "  k ", "d", "v x"},
    {"AskedNamesKeepTabs", crlf("[ s ]¶  k  =  v x \t¶"), "\ts", "k", "d", "d"},
    {"VerticalTabTrimmedFromValue", crlf("[s]¶k=\x0Bv\x0B¶"), "s", "k", "d", "v"},
    {"QuotesKeepInnerSpaces", crlf("[s]¶k=  \"  a  \"  ¶"), "s", "k", "d", "  a  "},
    {"OnlyOuterQuotesGo", crlf("[s]¶k='\"x\"'¶"), "s", "k", "d", "\"x\""},
    {"MismatchedQuotesStay", crlf("[s]¶k=\"x'¶"), "s", "k", "d", "\"x'"},
    {"LoneQuoteStays", crlf("[s]¶k=\"¶"), "s", "k", "d", "\""},
    {"NoCommentAtLineEnd", crlf("[s]¶k=v ;c¶"), "s", "k", "d", "v ;c"},
    {"CommentLineNeverMatches", crlf("[s]¶  ;k=v¶"), "s", ";k", "d", "d"},
    {"HashIsOrdinary", crlf("[s]¶#k=v¶"), "s", "#k", "d", "v"},
    {"EmptyValueIsNotDefault", crlf("[s]¶k=¶"), "s", "k", "d", ""},
    {"FirstEntryWins", crlf("[s]¶k=1¶k=2¶"), "s", "k", "d", "1"},
    {"OnlyFirstSectionCounts", crlf("[s]¶[s]¶k=1"), "s", "k", "d", "d"},
    {"TextAfterHeaderIgnored", crlf("[s]k=v¶"), "s", "k", "d", "d"},
    {"HeaderWithoutBracketRunsToEnd", crlf("[s¶k=v¶"), "s", "k", "d", "v"},
    {"NoOpeningBracketNoHeader", crlf("s]¶k=v¶"), "s", "k", "d", "d"},
    {"HeaderNameEndsAtFirstBracket", crlf("[a]b]¶k=v¶"), "a", "k", "d", "v"},
    {"EmptySectionName", crlf("[]¶k=v¶"), "", "k", "d", "v"},
    {"LinesBeforeFirstHeaderUnreadable", crlf("k=v¶[s]¶"), "", "k", "d", "d"},
    {"MissingKeyGivesDefault", crlf("[s]¶a=1¶"), "s", "b", "  d  ", "  d"},
    {"MissingSectionGivesDefault", crlf("[s]¶a=1¶"), "t", "a", "d\t", "d\t"},
    {"MissingFileDefaultLosesTrailingSpaces", std::nullopt, "s", "k", "  d  ", "  d"},
    {"MissingFileDefaultKeepsTab", std::nullopt, "s", "k", "d\t", "d\t"},
    {"DefaultNeverUnquoted", std::nullopt, "s", "k", "\"d\"", "\"d\""},
    {"LoneCarriageReturnsEndLines", QByteArray("[s]\rk=v\r"), "s", "k", "d", "v"},
    {"LoneLineFeedsEndLines", QByteArray("[s]\nk=v\n"), "s", "k", "d", "v"},
    {"ByteOrderMarkHidesFirstSection", QByteArray("\xEF\xBB\xBF") + crlf("[s]¶k=v¶"), "s", "k", "d", "d"},
    {"LongDoubleByteValueReadWhole", QByteArray("[s]\r\nk=") + doubleByteValue() + "\r\n", "s", "k", "d",
     QString(150, QChar(0x3042))},
    // ゾ is 83 5D: its trail byte looks like ']' and must not end the name.
    {"TrailByteLikeBracketInName", QByteArray("[\x83\x5D\x83\x5B]\r\nk=v\r\n"), u8("ゾゼ"), "k", "d", "v"},
    // ソ is 83 5C, whose trail byte is '\'; the value keeps it whole.
    {"TrailByteLikeBackslashInValue", QByteArray("[s]\r\nk=\x83\x5C\r\n"), "s", "k", "d", u8("ソ")},
    {"KeysMatchFullWidthOnlyExactly", QByteArray("[s]\r\n\x82\x60=v\r\n"), "s", u8("Ａ"), "d", "v"},
    {"GarbageBeforeHeaderIgnored", raw("\x00\xFF\x85=\r\n[s]\r\nk=v\r\n"), "s", "k", "d", "v"},
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FromRealFile)
{
    const ReadCase& c = GetParam();
    TempFolder dir;
    const QString path = c.file ? dir.write(QStringLiteral("t.ini"), *c.file) : dir.path(QStringLiteral("t.ini"));

    IniDocument doc;
    bool exists = true;
    ASSERT_TRUE(IniDocument::readFile(path, doc, exists).ok());
    EXPECT_EQ(exists, c.file.has_value());
    EXPECT_EQ(doc.read(c.section, c.key, c.def), c.expected);

    if (c.file) {
        CiniFile ini(path);
        EXPECT_EQ(ini.readData(c.section, c.key, c.def), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Vectors, IniRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Writing: the file before (none when nullopt), the writes in order, the bytes after.
struct Write {
    QString section;
    QString key;
    QString value;
};
struct WriteCase {
    const char* name;
    std::optional<QByteArray> before;
    std::vector<Write> writes;
    QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

const WriteCase kWriteCases[] = {
    {"NewFile", std::nullopt, {{"App", "key", "string"}}, crlf("[App]¶key=string¶")},
    {"NamesTrimmedValueAsGiven", QByteArray(), {{"  s  ", "  k  ", " v "}}, crlf("[s]¶k= v ¶")},
    {"SectionsInOrderOfFirstWriting",
     std::nullopt,
     {{"App1", "key1", "a"}, {"App1", "key2", "b"}, {"App1", "key3", "c"}, {"App2", "key4", "d"}, {"App3", "key5", "e"}},
     crlf("[App1]¶key1=a¶key2=b¶key3=c¶[App2]¶key4=d¶[App3]¶key5=e¶")},
    {"ReplaceKeepsSpellingAndEndsLine", QByteArray("[S]\r\nKey=v"), {{"s", "KEY", "w"}}, crlf("[S]¶Key=w¶")},
    {"NewKeysAfterLastEntryInOrder",
     crlf("[s]¶b=1¶a=1¶"),
     {{"s", "z", ""}, {"s", "b", ""}, {"s", "y", ""}, {"s", "a", ""}},
     crlf("[s]¶b=¶a=¶z=¶y=¶")},
    {"CommentsKeepTheirPlaces",
     crlf(";c0¶[s]¶;c1¶b=v¶;c2¶a=v¶"),
     {{"s", "z", ""}, {"s", "y", ""}},
     crlf(";c0¶[s]¶;c1¶b=v¶;c2¶a=v¶z=¶y=¶")},
    {"NewSectionAfterUnterminatedLine", QByteArray("Data"), {{"s", "k", "v"}}, crlf("Data¶[s]¶k=v¶")},
    {"NewKeyBeforeBlankLines", crlf("[a]¶k=1¶¶[b]¶k=2¶"), {{"a", "n", "3"}}, crlf("[a]¶k=1¶n=3¶¶[b]¶k=2¶")},
    {"NewKeyInSectionWithoutEntries", crlf("[a]¶;c¶[b]¶"), {{"a", "k", "v"}}, crlf("[a]¶k=v¶;c¶[b]¶")},
    {"NewKeyAfterUnterminatedLastEntry", QByteArray("[a]\r\nk=1"), {{"a", "n", "2"}}, crlf("[a]¶k=1¶n=2¶")},
    {"ReplaceGoesToFirstSectionAndFirstEntry",
     crlf("[s]¶k=1¶k=2¶[s]¶k=3¶"),
     {{"s", "k", "x"}},
     crlf("[s]¶k=x¶k=2¶[s]¶k=3¶")},
    {"UntouchedLinesKeepBytesAndLineEnds",
     QByteArray("  ; note\n[Sec]\rA = 1\n\tB=2\r\n"),
     {{"sec", "b", "3"}},
     QByteArray("  ; note\n[Sec]\rA = 1\nB=3\r\n")},
    {"DoubleCodedCharacterInCommentKept",
     QByteArray("; \xED\x40\r\n[s]\r\nk=1\r\n"),
     {{"s", "k", "2"}},
     QByteArray("; \xED\x40\r\n[s]\r\nk=2\r\n")},
    {"WaveDashAsWindowsWritesIt", std::nullopt, {{"s", "k", QString(QChar(0x301C))}}, QByteArray("[s]\r\nk=\x81\x60\r\n")},
    {"UnencodableBecomesQuestionMarks", std::nullopt, {{"s", "k", u8("a😀b")}}, crlf("[s]¶k=a??b¶")},
    {"LineBreaksInValueCannotStartLines",
     std::nullopt,
     {{"s", "k", "a\r\n[t]\nx=1"}},
     crlf("[s]¶k=a  [t] x=1¶")},
    {"ValueWithEqualsSign", std::nullopt, {{"s", "k", "a=b"}}, crlf("[s]¶k=a=b¶")},
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ToRealFile)
{
    const WriteCase& c = GetParam();
    TempFolder dir;
    const QString path = c.before ? dir.write(QStringLiteral("t.ini"), *c.before) : dir.path(QStringLiteral("t.ini"));
    {
        CiniFile ini(path);
        for (const Write& w : c.writes)
            ini.writeData(w.section, w.key, w.value);
        EXPECT_TRUE(ini.flush().ok());
    }
    EXPECT_EQ(TempFolder::read(path), c.after);
    // Nothing is left beside the file.
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("t.ini")});
}

INSTANTIATE_TEST_SUITE_P(Vectors, IniWrite, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniDocument, UntouchedDocumentIsByteForByte)
{
    const QByteArray odd = raw("\xEF\xBB\xBF[a]\r\r\n\n  k = v \t\r[b]\x83\x5D\r\nx\0y=1\r\n; \xED\x40\x82");
    EXPECT_EQ(IniDocument::fromBytes(odd).toBytes(), odd);
}

TEST(IniDocument, ReadsSeeEarlierWrites)
{
    IniDocument doc = IniDocument::fromBytes(crlf("[s]¶k=1¶"));
    doc.write(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral(" \"two\" "));
    doc.write(QStringLiteral("t"), QStringLiteral("n"), QString::fromUtf8("〜"));
    EXPECT_EQ(doc.read(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")), QStringLiteral("two"));
    // What the code page makes of the character, as it would read back from disk.
    EXPECT_EQ(doc.read(QStringLiteral("t"), QStringLiteral("n"), QStringLiteral("d")), QString(QChar(0xFF5E)));
}

TEST(IniDocument, EnormousLineDoesNotHideTheRest)
{
    QByteArray big("[s]\r\njunk=");
    big.append(QByteArray(8 * 1024 * 1024, 'x'));
    big.append("\r\nk=v\r\n");
    IniDocument doc = IniDocument::fromBytes(big);
    EXPECT_EQ(doc.read(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("v"));
    EXPECT_EQ(doc.value(QStringLiteral("s"), QStringLiteral("junk"))->size(), 8 * 1024 * 1024);
    doc.write(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("w"));
    EXPECT_EQ(doc.toBytes().size(), big.size());
}

TEST(CiniFile, MissingFileAnswersDefaultsUnchanged)
{
    TempFolder dir;
    CiniFile ini(dir.path(QStringLiteral("none.ini")));
    EXPECT_EQ(ini.readData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("  d  ")), QStringLiteral("  d  "));
    EXPECT_EQ(ini.readData(QStringLiteral("s"), QStringLiteral("k"), QString()), QString());
    EXPECT_TRUE(ini.flush().ok());
    EXPECT_TRUE(dir.entries().isEmpty()) << "reading alone creates no file";
}

TEST(CiniFile, UnchangedFileIsNotRewritten)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("t.ini"), crlf("[s]¶k=v¶"));
    // Any rewrite, atomic or not, would leave a modification time of now.
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-2);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(past, QFileDevice::FileModificationTime));
    }
    CiniFile ini(path);
    ini.writeData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_TRUE(ini.flush().ok());
    EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
}

// A write that cannot reach the disk: the old file stays whole, the caller hears of it and
// goes on with the object it has.
struct UnwritableCase {
    const char* name;
    // Prepares the folder and returns the settings path, or "" to skip.
    QString (*prepare)(TempFolder& dir);
};

void PrintTo(const UnwritableCase& c, std::ostream* os) { *os << c.name; }

bool canStillWrite(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok)
        probe.remove();
    return ok;
}

const UnwritableCase kUnwritableCases[] = {
    {"FolderWithoutWritePermission",
     [](TempFolder& dir) {
         const QString sub = dir.path(QStringLiteral("ro"));
         QDir().mkdir(sub);
         QFile f(sub + QStringLiteral("/t.ini"));
         f.open(QIODevice::WriteOnly);
         f.write(crlf("[s]¶k=old¶"));
         f.close();
         QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
         return canStillWrite(sub) ? QString() : sub + QStringLiteral("/t.ini");
     }},
    {"ReadOnlyFile",
     [](TempFolder& dir) {
         const QString path = dir.write(QStringLiteral("t.ini"), crlf("[s]¶k=old¶"));
         QFile::setPermissions(path, QFile::ReadOwner);
         return QFileInfo(path).isWritable() ? QString() : path;
     }},
    {"FolderIsAFile",
     [](TempFolder& dir) {
         dir.write(QStringLiteral("notadir"), "x");
         return dir.path(QStringLiteral("notadir/t.ini"));
     }},
    {"PathIsAFolder",
     [](TempFolder& dir) {
         QDir().mkdir(dir.path(QStringLiteral("t.ini")));
         return dir.path(QStringLiteral("t.ini"));
     }},
};

class IniUnwritable : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(IniUnwritable, OldFileStaysAndFailureIsReported)
{
    TempFolder dir;
    const QString path = GetParam().prepare(dir);
    if (path.isEmpty())
        GTEST_SKIP() << "this user can write there anyway";
    const QByteArray before = TempFolder::read(path);
    CiniFile ini(path);
    ini.writeData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"));
    const IniStatus status = ini.flush();
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().isEmpty());
    EXPECT_EQ(TempFolder::read(path), before);
    // The object goes on working.
    ini.writeData(QStringLiteral("s"), QStringLiteral("k2"), QStringLiteral("v"));
    EXPECT_EQ(ini.readData(QStringLiteral("s"), QStringLiteral("k2"), QStringLiteral("d")), QStringLiteral("v"));
    QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Vectors, IniUnwritable, ::testing::ValuesIn(kUnwritableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The super-user writes anywhere, so the folder without write permission is tried by an
// ordinary user in a child process.
TEST(CiniFile, ReadOnlyFolderAsOrdinaryUser)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "needs fork() and setuid() to write as another user";
#else
    if (geteuid() != 0)
        GTEST_SKIP() << "covered by IniUnwritable without a change of user";
    TempFolder dir;
    const QString sub = dir.path(QStringLiteral("ro"));
    QDir().mkdir(sub);
    const QString path = sub + QStringLiteral("/t.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(crlf("[s]¶k=old¶"));
    f.close();
    const auto rx = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::ExeOther;
    QFile::setPermissions(dir.folder(), rx | QFile::WriteOwner);
    QFile::setPermissions(sub, rx);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        CiniFile ini(path);
        ini.writeData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"));
        const bool failed = !ini.flush().ok();
        // Carries on: the value it wrote is still there to read.
        const bool goesOn = ini.readData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")) == u"new";
        _exit(failed && goesOn ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(TempFolder::read(path), crlf("[s]¶k=old¶"));
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("t.ini")});
#endif
}

TEST(CiniFile, UnreadableFileIsNeverReplaced)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("t.ini"), crlf("[s]¶k=old¶"));
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user can read it anyway";
    CiniFile ini(path);
    EXPECT_EQ(ini.readData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
    ini.writeData(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"));
    EXPECT_FALSE(ini.flush().ok());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(TempFolder::read(path), crlf("[s]¶k=old¶"));
}

} // namespace
} // namespace tessary
