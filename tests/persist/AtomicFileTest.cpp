#include "persist/AtomicFile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Kind = WriteOutcome::Kind;

// Everything in the folder, hidden files included, so a left-over temporary file shows up.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode;
}

TEST(WriteFileAtomically, CreatesThenReplacesWithoutLeavingTemporaryFiles)
{
    TestFolder folder;
    const QString target = folder.file("tw3.ini");

    ASSERT_TRUE(WriteFileAtomically(target, "first\n").ok());
    EXPECT_EQ(Contents(target), "first\n");

    QByteArray big(300000, 'x');
    big[12345] = '\0'; // binary content passes through untouched
    ASSERT_TRUE(WriteFileAtomically(target, big).ok());
    EXPECT_EQ(Contents(target), big);

    ASSERT_TRUE(WriteFileAtomically(target, QByteArray()).ok());
    EXPECT_EQ(QFileInfo(target).size(), 0);
    EXPECT_EQ(Entries(folder.path()), QStringList { "tw3.ini" });
}

TEST(WriteFileAtomically, KeepsTheReplacedFilesPermissions)
{
    TestFolder folder;
    const QString target = folder.file("scheme.tw");
    Put(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);

    ASSERT_TRUE(WriteFileAtomically(target, "new").ok());
    EXPECT_EQ(ModeOf(target) & 07777, 0640u);
}

TEST(WriteFileAtomically, ReplacesWhatASymbolicLinkPointsAtAndKeepsTheLink)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("real"));
    const QString real = folder.file("real/tw3.ini");
    const QString link = folder.file("tw3.ini");
    Put(real, "old");
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_TRUE(WriteFileAtomically(link, "new").ok());
    EXPECT_TRUE(S_ISLNK(ModeOf(link)));
    EXPECT_EQ(Contents(real), "new");
    EXPECT_EQ(Entries(folder.file("real")), QStringList { "tw3.ini" });
}

TEST(WriteFileAtomically, RefusesToReplaceAnythingButARegularFile)
{
    TestFolder folder;
    const QString dir = folder.file("sub");
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    Put(folder.file("sub/inner"), "kept");

    const WriteOutcome onFolder = WriteFileAtomically(dir, "data");
    EXPECT_EQ(onFolder.kind, Kind::AccessDenied);
    EXPECT_TRUE(QFileInfo(dir).isDir());
    EXPECT_EQ(Contents(folder.file("sub/inner")), "kept");

    // A pipe stands in for a device such as /dev/full, which must never be renamed over.
    const QString fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(WriteFileAtomically(fifo, "data").kind, Kind::AccessDenied);
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));

    EXPECT_EQ(Entries(folder.path()), (QStringList { "pipe", "sub" }));
}

TEST(WriteFileAtomically, ReportsBadNames)
{
    TestFolder folder;
    EXPECT_EQ(WriteFileAtomically(folder.file("missing/tw3.ini"), "x").kind, Kind::InvalidName);
    EXPECT_EQ(WriteFileAtomically(QString(), "x").kind, Kind::InvalidName);
    EXPECT_EQ(WriteFileAtomically(folder.file(QString(300, 'n')), "x").kind, Kind::InvalidName);

    // A file used as if it were a folder.
    Put(folder.file("plain"), "kept");
    EXPECT_EQ(WriteFileAtomically(folder.file("plain/tw3.ini"), "x").kind, Kind::InvalidName);
    EXPECT_EQ(Contents(folder.file("plain")), "kept");
    EXPECT_EQ(Entries(folder.path()), QStringList { "plain" });
}

TEST(WriteFileAtomically, ALongButValidNameStillWorks)
{
    TestFolder folder;
    const QString target = folder.file(QString(250, 'n'));
    ASSERT_TRUE(WriteFileAtomically(target, "x").ok());
    EXPECT_EQ(Contents(target), "x");
}

TEST(WriteFileAtomically, ReadOnlyFolderIsAccessDeniedAndLeavesTheOldFile)
{
    // Root ignores permission bits, so as root the folder is a file system mounted read-only instead.
    if (::geteuid() == 0) {
        TinyFilesystem fs(64);
        if (!fs.mounted())
            GTEST_SKIP() << fs.skipReason().toStdString();
        Put(fs.file("tw3.ini"), "old");
        ASSERT_TRUE(fs.makeReadOnly());
        const WriteOutcome outcome = WriteFileAtomically(fs.file("tw3.ini"), "new");
        EXPECT_EQ(outcome.kind, Kind::AccessDenied);
        EXPECT_EQ(Contents(fs.file("tw3.ini")), "old");
        EXPECT_EQ(Entries(fs.path()), QStringList { "tw3.ini" });
        return;
    }
    TestFolder folder;
    Put(folder.file("tw3.ini"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    const WriteOutcome outcome = WriteFileAtomically(folder.file("tw3.ini"), "new");
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    EXPECT_EQ(outcome.kind, Kind::AccessDenied);
    EXPECT_EQ(Contents(folder.file("tw3.ini")), "old");
    EXPECT_EQ(Entries(folder.path()), QStringList { "tw3.ini" });
}

TEST(WriteFileAtomically, ReadOnlyFileIsLeftAlone)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file, so a read-only file cannot be shown to be refused";
    TestFolder folder;
    const QString target = folder.file("tw3.ini");
    Put(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    EXPECT_EQ(WriteFileAtomically(target, "new").kind, Kind::AccessDenied);
    EXPECT_EQ(Contents(target), "old");
}

TEST(WriteFileAtomically, FullDiskIsReportedAndLeavesTheOldFile)
{
    TinyFilesystem fs(16);
    if (!fs.mounted())
        GTEST_SKIP() << fs.skipReason().toStdString();
    const QString target = fs.file("session.tmp");
    Put(target, "old session");

    const WriteOutcome outcome = WriteFileAtomically(target, QByteArray(64 * 1024, 'z'));
    EXPECT_EQ(outcome.kind, Kind::DiskFull);
    EXPECT_EQ(outcome.systemError, ENOSPC);
    EXPECT_EQ(Contents(target), "old session");
    EXPECT_EQ(Entries(fs.path()), QStringList { "session.tmp" });

    // The space the failed write took is free again.
    EXPECT_TRUE(WriteFileAtomically(target, QByteArray(8 * 1024, 'y')).ok());
}

TEST(ReadWholeFile, ReadsAFileAndTellsFailuresApart)
{
    TestFolder folder;
    Put(folder.file("a"), QByteArray("abc\0def", 7));

    const ReadResult ok = ReadWholeFile(folder.file("a"), 7);
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(ok.data, QByteArray("abc\0def", 7));

    EXPECT_EQ(ReadWholeFile(folder.file("a"), 6).kind, ReadResult::Kind::TooLarge);
    EXPECT_EQ(ReadWholeFile(folder.file("none"), 100).kind, ReadResult::Kind::Missing);
    EXPECT_EQ(ReadWholeFile(folder.file("a/b"), 100).kind, ReadResult::Kind::Missing);
    EXPECT_EQ(ReadWholeFile(folder.path(), 100).kind, ReadResult::Kind::Unreadable);

    Put(folder.file("empty"), QByteArray());
    const ReadResult empty = ReadWholeFile(folder.file("empty"), 0);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.data.isEmpty());
}

TEST(ReadWholeFile, APipeDoesNotHang)
{
    TestFolder folder;
    const QString fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fifo, 100).kind, ReadResult::Kind::Unreadable);
}

TEST(ReadWholeFile, FilesWithoutAKnownSizeAreStillLimited)
{
    // /proc files report size 0 but have content: the limit must hold while reading.
    const ReadResult all = ReadWholeFile("/proc/self/status", 1 << 20);
    ASSERT_TRUE(all.ok());
    EXPECT_GT(all.data.size(), 10);
    EXPECT_EQ(ReadWholeFile("/proc/self/status", 10).kind, ReadResult::Kind::TooLarge);
}

TEST(ReadWholeFile, UnreadableFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may read any file";
    TestFolder folder;
    Put(folder.file("secret"), "x");
    ASSERT_EQ(::chmod(QFile::encodeName(folder.file("secret")).constData(), 0), 0);
    EXPECT_EQ(ReadWholeFile(folder.file("secret"), 100).kind, ReadResult::Kind::Unreadable);
}

} // namespace
