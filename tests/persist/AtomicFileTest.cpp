#include "persist/AtomicFile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

TEST(WriteFileAtomically, ADanglingLinkGetsItsFileWhereItPoints)
{
    const struct {
        const char* what;
        QString linkText; // relative to the folder, or absolute after the placeholder
        QString written;  // where the file must appear
    } cases[] = {
        { "relative", "real/tw3.ini", "real/tw3.ini" },
        { "absolute", "@/real/abs.ini", "real/abs.ini" },
        { "through another link", "hop", "real/end.ini" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        ASSERT_TRUE(QDir(folder.path()).mkdir("real"));
        ASSERT_TRUE(QFile::link("real/end.ini", folder.file("hop")));
        QString linkText = c.linkText;
        linkText.replace("@", folder.path());
        const QString link = folder.file("tw3.ini");
        ASSERT_EQ(::symlink(QFile::encodeName(linkText).constData(), QFile::encodeName(link).constData()), 0);

        ASSERT_TRUE(WriteFileAtomically(link, "new").ok());
        EXPECT_TRUE(S_ISLNK(ModeOf(link)));
        EXPECT_EQ(Contents(folder.file(c.written)), "new");
        EXPECT_EQ(Entries(folder.file("real")), QStringList { QFileInfo(c.written).fileName() });
    }

    // Links that go round in a loop, or point into a folder that is not there, are refused and left alone.
    TestFolder folder;
    ASSERT_TRUE(QFile::link("b", folder.file("a")));
    ASSERT_TRUE(QFile::link("a", folder.file("b")));
    ASSERT_TRUE(QFile::link("nowhere/x", folder.file("c")));
    EXPECT_FALSE(WriteFileAtomically(folder.file("a"), "x").ok());
    EXPECT_EQ(WriteFileAtomically(folder.file("c"), "x").kind, Kind::InvalidName);
    EXPECT_EQ(Entries(folder.path()), (QStringList { "a", "b", "c" }));
}

TEST(WriteFileAtomically, KeepsOwnerSetGroupIdAndExtendedAttributes)
{
    TestFolder folder;
    const QString target = folder.file("scheme.tw");
    const QByteArray name = QFile::encodeName(target);
    Put(target, "old");
    const bool root = ::geteuid() == 0;
    // Only root can give a file away; anyone may keep their own group.
    const uid_t owner = root ? 4321 : ::geteuid();
    const gid_t group = root ? 8765 : ::getegid();
    ASSERT_EQ(::chown(name.constData(), owner, group), 0);
    ASSERT_EQ(::chmod(name.constData(), 02664), 0);
    if (::setxattr(name.constData(), "user.tintwell.note", "kept", 4, 0) != 0)
        GTEST_SKIP() << "this file system has no extended attributes: " << std::strerror(errno);
    // An access list giving user 1234 read access: header, then owner, named user, group, mask and others.
    const unsigned char acl[] = { 2, 0, 0, 0,
        1, 0, 6, 0, 0xff, 0xff, 0xff, 0xff,
        2, 0, 4, 0, 0xd2, 0x04, 0, 0,
        4, 0, 6, 0, 0xff, 0xff, 0xff, 0xff,
        0x10, 0, 6, 0, 0xff, 0xff, 0xff, 0xff,
        0x20, 0, 4, 0, 0xff, 0xff, 0xff, 0xff };
    const bool hasAcl = ::setxattr(name.constData(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    struct stat before {};
    ASSERT_EQ(::stat(name.constData(), &before), 0);

    ASSERT_TRUE(WriteFileAtomically(target, "new").ok());
    EXPECT_EQ(Contents(target), "new");
    struct stat after {};
    ASSERT_EQ(::stat(name.constData(), &after), 0);
    EXPECT_EQ(after.st_uid, owner);
    EXPECT_EQ(after.st_gid, group);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    EXPECT_TRUE(after.st_mode & S_ISGID);
    char value[16] = {};
    EXPECT_EQ(::getxattr(name.constData(), "user.tintwell.note", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
    if (hasAcl) {
        unsigned char got[64] = {};
        ASSERT_EQ(::getxattr(name.constData(), "system.posix_acl_access", got, sizeof got), ssize_t(sizeof acl));
        EXPECT_EQ(std::memcmp(got, acl, sizeof acl), 0);
    }
    EXPECT_EQ(Entries(folder.path()), QStringList { "scheme.tw" });
}

TEST(WriteFileAtomically, AnotherHardLinkKeepsTheOldContent)
{
    TestFolder folder;
    Put(folder.file("scheme.tw"), "old");
    ASSERT_EQ(::link(QFile::encodeName(folder.file("scheme.tw")).constData(), QFile::encodeName(folder.file("other.tw")).constData()), 0);
    ASSERT_TRUE(WriteFileAtomically(folder.file("scheme.tw"), "new").ok());
    EXPECT_EQ(Contents(folder.file("scheme.tw")), "new");
    EXPECT_EQ(Contents(folder.file("other.tw")), "old");
}

TEST(WriteFileAtomically, AWritableFileInAFolderThatIsNotSaysSo)
{
    TestFolder folder;
    const QString target = folder.file("scheme.tw");
    Put(target, "old");
    WriteOutcome outcome;
    bool fileWritable = false;
    {
        const UnwritableFolder frozen(folder.path());
        if (!frozen.made())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        fileWritable = ::access(QFile::encodeName(target).constData(), W_OK) == 0;
        outcome = WriteFileAtomically(target, "new");
    }
    EXPECT_TRUE(fileWritable);
    EXPECT_EQ(outcome.kind, Kind::FolderNotWritable);
    EXPECT_EQ(Contents(target), "old");
    EXPECT_EQ(Entries(folder.path()), QStringList { "scheme.tw" });
}

// The name a save gives the temporary file of target "tw3.ini", with the random part given.
QString TemporaryName(const QString& random, const QString& target = "tw3.ini")
{
    return "." + target + ".tintwell-" + random + ".tmp";
}

TEST(WriteFileAtomically, RemovesOnlyItsOwnAbandonedTemporaryFiles)
{
    TestFolder folder;
    const QString target = folder.file("tw3.ini");
    const QString abandoned = TemporaryName("0123456789abcdef");
    const QString abandonedToo = TemporaryName("fedcba9876543210");
    const QString beingWritten = TemporaryName("00000000000000aa");
    const QStringList kept = {
        beingWritten,
        TemporaryName("0123456789abcdef", "session.tmp"), // another target's
        TemporaryName("0123456789abcde"),                  // one digit short
        TemporaryName("0123456789ABCDEF"),                 // not as a save names it
        TemporaryName("0123456789abcdeg"),
        ".tw3.ini.bak.tmp",
        "tw3.ini.tintwell-0123456789abcdef.tmp",
        TemporaryName("1111111111111111") + "~",
    };
    const QStringList leftOver = QStringList(kept) << abandoned << abandonedToo;
    for (const QString& name : leftOver)
        Put(folder.file(name), "left over");
    // A temporary file that is a folder, or has a second name, is not a plain abandoned file.
    const QString folderLike = TemporaryName("2222222222222222");
    ASSERT_TRUE(QDir(folder.path()).mkdir(folderLike));
    const QString linked = TemporaryName("3333333333333333");
    Put(folder.file(linked), "x");
    ASSERT_EQ(::link(QFile::encodeName(folder.file(linked)).constData(), QFile::encodeName(folder.file("second-name")).constData()), 0);
    // Another user's is not ours to remove.
    QString othersOwn;
    if (::geteuid() == 0) {
        othersOwn = TemporaryName("4444444444444444");
        Put(folder.file(othersOwn), "x");
        ASSERT_EQ(::chown(QFile::encodeName(folder.file(othersOwn)).constData(), 4321, 4321), 0);
    }
    // A save still at work holds the lock on its temporary file.
    const int writer = ::open(QFile::encodeName(folder.file(beingWritten)).constData(), O_RDONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomically(target, "new").ok());
    ::close(writer);
    QStringList expected = QStringList(kept) << "tw3.ini" << folderLike << linked << "second-name";
    if (!othersOwn.isEmpty())
        expected << othersOwn;
    expected.sort();
    QStringList entries = Entries(folder.path());
    entries.sort();
    EXPECT_EQ(entries, expected);

    // Once its writer is gone, the next save removes it too.
    ASSERT_TRUE(WriteFileAtomically(target, "newer").ok());
    expected.removeOne(beingWritten);
    entries = Entries(folder.path());
    entries.sort();
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(Contents(target), "newer");
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
