#include "persist/SchemeFile.h"

#include "persist/AppPaths.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Bytes(const SchemeData& scheme)
{
    return QByteArray::fromStdString(EncodeScheme(scheme).bytes);
}

SchemeData SampleScheme()
{
    SchemeData scheme;
    scheme.baseColor = Pack(12, 34, 56);
    scheme.favorites = { TFavColor::FromColor(Pack(1, 2, 3)), TFavColor::FromColor(Pack(200, 100, 50)) };
    scheme.favorites[1].Text = "Color 7";
    scheme.preview[kBackground] = Pack(0, 0, 255);
    return scheme;
}

// A folder holding one file that cannot be replaced. Root writes regardless of permission bits, so as
// root the folder is a small file system remounted read-only, which needs mount rights.
class FrozenFile {
public:
    explicit FrozenFile(const QByteArray& contents)
    {
        if (::geteuid() == 0) {
            m_fs = std::make_unique<TinyFilesystem>(64);
            if (!m_fs->mounted()) {
                m_skipReason = m_fs->skipReason();
                return;
            }
            m_path = m_fs->file("old.tw");
            Put(m_path, contents);
            m_ready = m_fs->makeReadOnly();
            if (!m_ready)
                m_skipReason = QStringLiteral("cannot remount read-only");
            return;
        }
        m_path = m_dir.filePath("old.tw");
        Put(m_path, contents);
        m_ready = ::chmod(QFile::encodeName(m_dir.path()).constData(), 0555) == 0;
    }
    ~FrozenFile()
    {
        if (!m_fs)
            ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    }
    bool ready() const { return m_ready; }
    std::string skipReason() const { return m_skipReason.toStdString(); }
    QString path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TinyFilesystem> m_fs;
    QString m_path;
    QString m_skipReason;
    bool m_ready = false;
};

// The old format with slots 1 and 3 empty.
const QByteArray kVersion2File = "TWver2\r\n255\r\n128\r\n0\r\n\r\n\r\n"
                                 "---\r\n51.102.153\r\n---\r\n0.0.0\r\n300.256.511\r\n"
                                 "16777215\r\n 15132390\r\n15132390 \r\n16777215\r\n"
                                 "0\r\n1\r\n2\r\n3\r\n4\r\n";

} // namespace

TEST(SchemeFile, WritesTheLayoutAndReadsItBack)
{
    TestFolder folder;
    const QString path = folder.file("mine.tw");
    Put(path, "whatever was there before");

    ASSERT_EQ(WriteSchemeFile(path, SampleScheme()), SchemeWriteStatus::Ok);
    EXPECT_EQ(Contents(path), Bytes(SampleScheme()));
    const SchemeRead read = ReadSchemeFile(path, VersionCheck::Required);
    ASSERT_EQ(read.status, SchemeReadStatus::Ok);
    EXPECT_EQ(read.scheme, SampleScheme());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "mine.tw" });
}

TEST(SchemeFile, ReadingTellsCannotOpenFromNotValid)
{
    TestFolder folder;
    EXPECT_EQ(ReadSchemeFile(folder.file("absent.tw"), VersionCheck::Required).status, SchemeReadStatus::CannotOpen);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.tw"));
    EXPECT_EQ(ReadSchemeFile(folder.file("folder.tw"), VersionCheck::Required).status, SchemeReadStatus::CannotOpen);

    QByteArray bytes = Bytes(SampleScheme());
    bytes[0] = 2;
    Put(folder.file("v2.tw"), bytes);
    EXPECT_EQ(ReadSchemeFile(folder.file("v2.tw"), VersionCheck::Required).status, SchemeReadStatus::NotValid);
    EXPECT_EQ(ReadSchemeFile(folder.file("v2.tw"), VersionCheck::Ignored).status, SchemeReadStatus::Ok);

    Put(folder.file("short.tw"), Bytes(SampleScheme()).chopped(1));
    EXPECT_EQ(ReadSchemeFile(folder.file("short.tw"), VersionCheck::Required).status, SchemeReadStatus::NotValid);

    // Sparse, so the test costs no disk: refused by its size before any byte is read.
    QFile huge(folder.file("huge.tw"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_EQ(huge.write(Bytes(SampleScheme()).left(8)), 8);
    ASSERT_TRUE(huge.resize(qint64(65) * 1024 * 1024));
    huge.close();
    EXPECT_EQ(ReadSchemeFile(huge.fileName(), VersionCheck::Required).status, SchemeReadStatus::NotValid);
}

TEST(SchemeFile, RefusedOrFailedWritesLeaveTheOldFile)
{
    TestFolder folder;
    const QString path = folder.file("kept.tw");
    Put(path, "old contents");
    SchemeData tooMany;
    tooMany.favorites.assign(kMaxSchemeFavorites + 1, TFavColor::FromColor(0));
    EXPECT_EQ(WriteSchemeFile(path, tooMany), SchemeWriteStatus::TooManyFavorites);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(WriteSchemeFile(folder.file("new.tw"), tooMany), SchemeWriteStatus::TooManyFavorites);
    EXPECT_FALSE(QFile::exists(folder.file("new.tw")));

    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.tw"));
    EXPECT_EQ(WriteSchemeFile(folder.file("folder.tw"), SampleScheme()), SchemeWriteStatus::WriteFailed);

    FrozenFile frozen("old contents");
    if (!frozen.ready())
        GTEST_SKIP() << frozen.skipReason();
    EXPECT_EQ(WriteSchemeFile(frozen.path(), SampleScheme()), SchemeWriteStatus::WriteFailed);
    EXPECT_EQ(Contents(frozen.path()), "old contents");
}

TEST(Version2Import, ConvertsInPlaceToTheCurrentLayout)
{
    TestFolder folder;
    const QString path = folder.file("old.tw");
    Put(path, kVersion2File);

    ASSERT_EQ(ImportVersion2Scheme(path), Version2ImportStatus::Converted);
    const SchemeRead read = ReadSchemeFile(path, VersionCheck::Required);
    ASSERT_EQ(read.status, SchemeReadStatus::Ok);
    EXPECT_EQ(read.scheme.baseColor, Pack(255, 128, 0));
    ASSERT_EQ(read.scheme.favorites.size(), 3u);
    EXPECT_EQ(read.scheme.favorites[0].Text, "Color 1");
    EXPECT_EQ(read.scheme.favorites[0].Color, Pack(51, 102, 153));
    EXPECT_EQ(read.scheme.favorites[1].Text, "Color 2");
    EXPECT_EQ(read.scheme.favorites[1].Color, Pack(0, 0, 0));
    EXPECT_EQ(read.scheme.favorites[2].Text, "Color 3");
    EXPECT_EQ(read.scheme.favorites[2].Color, Pack(44, 0, 255));
    EXPECT_EQ(read.scheme.favorites[2].Hex, "2C00FF");
    EXPECT_EQ(read.scheme.preview[kHeaderText], 0u);
    EXPECT_EQ(read.scheme.preview[kLinkText], 4u);
    EXPECT_EQ(read.scheme.preview[kTableHeaderBG], Pack(230, 230, 230));
    EXPECT_EQ(Contents(path), Bytes(read.scheme));

    // Converted once, the file is no longer in the old format.
    EXPECT_EQ(ImportVersion2Scheme(path), Version2ImportStatus::NotVersion2);
}

TEST(Version2Import, RejectedFilesAreLeftByteForByte)
{
    TestFolder folder;
    QByteArray nineteenLines = kVersion2File;
    nineteenLines.chop(QByteArray("4\r\n").size());
    QByteArray twoPartSlot = kVersion2File;
    twoPartSlot.replace("51.102.153", "51.102");
    QByteArray hexNumber = kVersion2File;
    hexNumber.replace("\r\n3\r\n", "\r\n$3\r\n");
    const QList<QPair<QByteArray, Version2ImportStatus>> cases = {
        { nineteenLines, Version2ImportStatus::Invalid },
        { twoPartSlot, Version2ImportStatus::Invalid },
        { hexNumber, Version2ImportStatus::Invalid },
        { "TWver2", Version2ImportStatus::Invalid },
        { Bytes(SampleScheme()), Version2ImportStatus::NotVersion2 },
        { "TWver2x\n", Version2ImportStatus::NotVersion2 },
    };
    for (const auto& [contents, expected] : cases) {
        const QString path = folder.file("case.tw");
        Put(path, contents);
        EXPECT_EQ(ImportVersion2Scheme(path), expected) << contents.toStdString();
        EXPECT_EQ(Contents(path), contents);
    }
    EXPECT_EQ(ImportVersion2Scheme(folder.file("absent.tw")), Version2ImportStatus::CannotOpen);
}

TEST(Version2Import, AFailedWriteLeavesTheOldFile)
{
    FrozenFile frozen(kVersion2File);
    if (!frozen.ready())
        GTEST_SKIP() << frozen.skipReason();
    EXPECT_EQ(ImportVersion2Scheme(frozen.path()), Version2ImportStatus::WriteFailed);
    EXPECT_EQ(Contents(frozen.path()), kVersion2File);
}

TEST(Version2Import, EachOutcomeHasItsMessage)
{
    EXPECT_EQ(Version2ImportMessage(Version2ImportStatus::Converted),
        "Successfully converted old file type to new v3 format!");
    EXPECT_EQ(Version2ImportMessage(Version2ImportStatus::Invalid), "ERROR: Not a valid .tw version 2 file!");
    EXPECT_EQ(Version2ImportMessage(Version2ImportStatus::WriteFailed),
        "An error has occured while importing the scheme");
    EXPECT_EQ(Version2ImportMessage(Version2ImportStatus::CannotOpen),
        "An error has occured while opening the scheme file");
    EXPECT_TRUE(Version2ImportMessage(Version2ImportStatus::NotVersion2).isEmpty());
}

TEST(Session, LivesInTheProgramFolderAndRoundTrips)
{
    TestFolder folder;
    EXPECT_EQ(SessionPath(), folder.file("session.tmp"));
    EXPECT_EQ(ReadSession().status, SessionReadStatus::Missing);

    ASSERT_EQ(WriteSession(SampleScheme()), SchemeWriteStatus::Ok);
    const SessionRead read = ReadSession();
    ASSERT_EQ(read.status, SessionReadStatus::Ok);
    EXPECT_EQ(read.scheme, SampleScheme());
}

TEST(Session, VersionIsNotCheckedButTheStructureIs)
{
    TestFolder folder;
    QByteArray bytes = Bytes(SampleScheme());
    bytes[0] = 9;
    Put(SessionPath(), bytes);
    EXPECT_EQ(ReadSession().status, SessionReadStatus::Ok);

    Put(SessionPath(), bytes + "x");
    EXPECT_EQ(ReadSession().status, SessionReadStatus::NotValid);
    Put(SessionPath(), QByteArray());
    EXPECT_EQ(ReadSession().status, SessionReadStatus::NotValid);

    QFile::remove(SessionPath());
    ASSERT_TRUE(QDir(folder.path()).mkdir("session.tmp"));
    EXPECT_EQ(ReadSession().status, SessionReadStatus::CannotOpen);
    EXPECT_EQ(WriteSession(SampleScheme()), SchemeWriteStatus::WriteFailed);
}
