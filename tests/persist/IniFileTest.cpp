#include "persist/IniFile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>

#include <QFileInfo>

#include <gtest/gtest.h>
#include <climits>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(IniFile, LivesInTheProgramsFolder)
{
    TestFolder folder;
    EXPECT_EQ(SettingsPath(), folder.file("tw3.ini"));
    Put(folder.file("tw3.ini"), "[Main]\nBaseColor=65280\n");
    EXPECT_EQ(IniFile().ReadInteger("Main", "BaseColor", 255), 65280);
}

TEST(IniFile, AMissingFileReadsDefaultsAndIsCreatedByTheFirstWrite)
{
    TestFolder folder;
    IniFile ini;
    EXPECT_EQ(ini.ReadInteger("Main", "BaseColor", 255), 255);
    EXPECT_TRUE(ini.ReadBool("Prefs", "RYBMode", true));
    EXPECT_EQ(ini.ReadString("Prefs", "LInc", "5"), "5");
    EXPECT_FALSE(QFile::exists(SettingsPath()));

    ini.SetInteger("Favs", "Top", 10);
    ini.SetInteger("Favs", "Left", -20);
    ini.SetBool("Prefs", "RYBMode", false);
    ini.SetString("Prefs", "LInc", "7");
    ASSERT_TRUE(ini.Commit().ok());
    EXPECT_EQ(Contents(SettingsPath()), "[Favs]\nTop=10\nLeft=-20\n\n[Prefs]\nRYBMode=0\nLInc=7\n");

    // What was written is what a later opening reads.
    const IniFile again;
    EXPECT_EQ(again.ReadInteger("Favs", "Left", 0), -20);
    EXPECT_FALSE(again.ReadBool("Prefs", "RYBMode", true));
    EXPECT_EQ(again.ReadString("Prefs", "LInc", "5"), "7");
}

TEST(IniFile, NamesAreCaseInsensitiveAndKeepTheirSpellingWhenReplaced)
{
    TestFolder folder;
    Put(SettingsPath(), "[MAIN]\nbasecolor=1\n");
    IniFile ini;
    EXPECT_EQ(ini.ReadInteger("main", "BaseColor", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Main", "BASECOLOR", 0), 1);
    ini.SetInteger("Main", "BaseColor", 2);
    ini.SetInteger("main", "TOP", 3);
    ASSERT_TRUE(ini.Commit().ok());
    EXPECT_EQ(Contents(SettingsPath()), "[MAIN]\nbasecolor=2\nTOP=3\n");
}

TEST(IniFile, IntegersInDecimalAndHex)
{
    TestFolder folder;
    Put(SettingsPath(),
        "[Main]\n"
        "Dollar=$FF0000\nLowerX=0xff\nUpperX=0XfF\nSigned=-42\nPlus=+7\nBlanks= \t12 \n"
        "Max=2147483647\nMin=-2147483648\nHexMax=$7FFFFFFF\nNegHex=-$10\n"
        "Over=2147483648\nUnder=-2147483649\nHexOver=$80000000\nHuge=99999999999999999999\n"
        "Garbage=12abc\nInner=1 2\nEmpty=\nSignOnly=-\nDollarOnly=$\nXOnly=0x\nHexInDecimal=FF\nFloat=1.5\n"
        "BadHex=$FG\nDouble=--1\nSuperscript=1\xC2\xB2\nArabicDigit=\xD9\xA3\n");
    const IniFile ini;
    EXPECT_EQ(ini.ReadInteger("Main", "Dollar", 0), 16711680);
    EXPECT_EQ(ini.ReadInteger("Main", "LowerX", 0), 255);
    EXPECT_EQ(ini.ReadInteger("Main", "UpperX", 0), 255);
    EXPECT_EQ(ini.ReadInteger("Main", "Signed", 0), -42);
    EXPECT_EQ(ini.ReadInteger("Main", "Plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("Main", "Blanks", 0), 12);
    EXPECT_EQ(ini.ReadInteger("Main", "Max", 0), INT_MAX);
    EXPECT_EQ(ini.ReadInteger("Main", "Min", 0), INT_MIN);
    EXPECT_EQ(ini.ReadInteger("Main", "HexMax", 0), INT_MAX);
    EXPECT_EQ(ini.ReadInteger("Main", "NegHex", 0), -16);
    for (const char* key : { "Over", "Under", "HexOver", "Huge", "Garbage", "Inner", "Empty", "SignOnly",
             "DollarOnly", "XOnly", "HexInDecimal", "Float", "BadHex", "Double", "Superscript",
             "ArabicDigit", "Missing" })
        EXPECT_EQ(ini.ReadInteger("Main", key, 99), 99) << key;
}

TEST(IniFile, BoolsAreIntegers)
{
    TestFolder folder;
    Put(SettingsPath(), "[Prefs]\nA=1\nB=0\nC=-3\nD=$10\nE=yes\nF=true\n");
    const IniFile ini;
    EXPECT_TRUE(ini.ReadBool("Prefs", "A", false));
    EXPECT_FALSE(ini.ReadBool("Prefs", "B", true));
    EXPECT_TRUE(ini.ReadBool("Prefs", "C", false));
    EXPECT_TRUE(ini.ReadBool("Prefs", "D", false));
    EXPECT_FALSE(ini.ReadBool("Prefs", "E", false));
    EXPECT_TRUE(ini.ReadBool("Prefs", "E", true));
    EXPECT_FALSE(ini.ReadBool("Prefs", "F", false));
}

TEST(IniFile, StringsAreTheRawTextAfterTheFirstEquals)
{
    TestFolder folder;
    Put(SettingsPath(), "[Prefs]\nLInc = 10 \r\nPath=a=b\nEmpty=\nLatin=\xE9t\xE9\n");
    IniFile ini;
    EXPECT_EQ(ini.ReadString("Prefs", "LInc", "5"), " 10 ");
    EXPECT_EQ(ini.ReadString("Prefs", "Path", ""), "a=b");
    EXPECT_EQ(ini.ReadString("Prefs", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("Prefs", "Latin", ""), QString::fromUtf8("été"));

    ini.SetString("Prefs", "Latin", QString::fromUtf8("déjà"));
    ini.SetString("Prefs", "Injected", "1\n[Main]\r\nBaseColor=0");
    ASSERT_TRUE(ini.Commit().ok());
    const IniFile again;
    EXPECT_EQ(again.ReadString("Prefs", "Latin", ""), QString::fromUtf8("déjà"));
    EXPECT_EQ(again.ReadString("Prefs", "Injected", ""), "1 [Main]  BaseColor=0");
    EXPECT_EQ(again.ReadInteger("Main", "BaseColor", 255), 255) << "a value cannot start a section";
    EXPECT_TRUE(Contents(SettingsPath()).contains("\nLatin=d\xE9j\xE0\n"));
}

TEST(IniFile, UnknownLinesStayByteForByte)
{
    TestFolder folder;
    const QByteArray before =
        "; written by hand\r\n"
        "\r\n"
        "[Other]\r\n"
        "Top=77\r\n"
        "  [Main]  \r\n"
        "; the colour\r\n"
        "Unknown = keep me \r\n"
        "BaseColor=1\r\n"
        "  odd line without equals\r\n"
        "\r\n"
        "; about prefs\r\n"
        "[Prefs]\r\n"
        "Palette=2";
    Put(SettingsPath(), before);
    IniFile ini;
    EXPECT_EQ(ini.ReadInteger("Main", "Top", -1), -1) << "a key of another section is not this one";
    EXPECT_EQ(ini.ReadInteger("Main", "BaseColor", 0), 1);

    ini.SetInteger("Main", "BaseColor", 255);
    ini.SetInteger("Main", "Top", 5);
    ini.SetInteger("Prefs", "Highlight", 3);
    ini.SetInteger("Favs", "Left", 9);
    ASSERT_TRUE(ini.Commit().ok());
    EXPECT_EQ(Contents(SettingsPath()),
        "; written by hand\r\n"
        "\r\n"
        "[Other]\r\n"
        "Top=77\r\n"
        "  [Main]  \r\n"
        "; the colour\r\n"
        "Unknown = keep me \r\n"
        "BaseColor=255\r\n"
        "Top=5\r\n"
        "  odd line without equals\r\n"
        "\r\n"
        "; about prefs\r\n"
        "[Prefs]\r\n"
        "Palette=2\r\n"
        "Highlight=3\r\n"
        "\r\n"
        "[Favs]\r\n"
        "Left=9\r\n");
}

TEST(IniFile, DuplicatesFirstWinsOnReadAndIsTheOneReplaced)
{
    TestFolder folder;
    Put(SettingsPath(), "[Main]\nTop=1\ntop=2\n[main]\nTop=3\nLeft=4\n");
    IniFile ini;
    EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 4) << "a repeated section still holds keys";
    ini.SetInteger("Main", "Top", 10);
    ini.SetInteger("Main", "Width", 11);
    ASSERT_TRUE(ini.Commit().ok());
    EXPECT_EQ(Contents(SettingsPath()), "[Main]\nTop=10\ntop=2\nWidth=11\n[main]\nTop=3\nLeft=4\n");
}

TEST(IniFile, KeysOutsideAnySectionAndCommentsAreNotKeys)
{
    TestFolder folder;
    Put(SettingsPath(), "\xEF\xBB\xBF[Main]\nTop=1\n;Left=2\n=3\n");
    const IniFile ini;
    EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 1) << "an editor's byte order mark does not hide the section";
    EXPECT_EQ(ini.ReadInteger("Main", ";Left", 0), 0);
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 0);

    Put(SettingsPath(), "Top=1\n[Main]\n");
    EXPECT_EQ(IniFile().ReadInteger("Main", "Top", 0), 0);
}

TEST(IniFile, ALastLineWithoutALineEndGetsOneBeforeAnythingFollows)
{
    TestFolder folder;
    Put(SettingsPath(), "[Main]\nTop=1");
    IniFile ini;
    ini.SetInteger("Main", "Left", 2);
    ASSERT_TRUE(ini.Commit().ok());
    EXPECT_EQ(Contents(SettingsPath()), "[Main]\nTop=1\nLeft=2\n");

    Put(SettingsPath(), "; only a comment   ");
    IniFile other;
    other.SetInteger("Main", "Top", 1);
    ASSERT_TRUE(other.Commit().ok());
    EXPECT_EQ(Contents(SettingsPath()), "; only a comment   \n\n[Main]\nTop=1\n");
}

TEST(IniFile, AFailedWriteReportsAndChangesNothing)
{
    TestFolder folder;
    // Under a file, where no folder can be made for it.
    folder.Write("file", "x");
    const QString path = folder.file("file/tw3.ini");
    IniFile ini(path);
    ini.SetInteger("Main", "Top", 1);
    const WriteOutcome outcome = ini.Commit();
    EXPECT_EQ(outcome.kind, WriteOutcome::Kind::InvalidName);
    EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 0) << "the opening still reads what the file holds";
    EXPECT_FALSE(QFile::exists(path));
}

TEST(IniFile, AReadOnlyFolderFailsCleanly)
{
    if (::geteuid() == 0) {
        TinyFilesystem fs(64);
        if (!fs.mounted())
            GTEST_SKIP() << fs.skipReason().toStdString();
        Put(fs.file("tw3.ini"), "[Main]\nTop=1\n");
        ASSERT_TRUE(fs.makeReadOnly());
        IniFile ini(fs.file("tw3.ini"));
        ini.SetInteger("Main", "Top", 2);
        EXPECT_EQ(ini.Commit().kind, WriteOutcome::Kind::AccessDenied);
        EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 1);
        EXPECT_EQ(Contents(fs.file("tw3.ini")), "[Main]\nTop=1\n");
        return;
    }
    TestFolder folder;
    Put(SettingsPath(), "[Main]\nTop=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    IniFile ini;
    ini.SetInteger("Main", "Top", 2);
    const WriteOutcome outcome = ini.Commit();
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    EXPECT_EQ(outcome.kind, WriteOutcome::Kind::FolderNotWritable);
    EXPECT_EQ(Contents(SettingsPath()), "[Main]\nTop=1\n");
}

TEST(IniFile, AFileThatCannotBeUsedIsReadAsDefaultsToldOnceAndNeverOverwritten)
{
    const struct {
        const char* what;
        std::function<void(const QString&)> make;
        IniProblem problem;
        QString reason;
    } cases[] = {
        { "a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }, IniProblem::Folder, "it is a folder" },
        { "too large", [](const QString& path) { Put(path, "[Main]\nTop=1\n" + QByteArray(5 * 1024 * 1024, ';')); },
            IniProblem::TooLarge, "it is larger than 4 MB, far more than settings ever take" },
        { "not text", [](const QString& path) { Put(path, QByteArray("[Main]\nTop=1\n\0\x01\x02", 16)); },
            IniProblem::NotText, "it is not a text file" },
        // A pipe cannot be read as a file; it stands in for a file without read permission, which root reads.
        { "unreadable", [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
            IniProblem::Unreadable, "it cannot be read (Invalid argument)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        c.make(SettingsPath());
        const QFileInfo before(SettingsPath());
        IniFile ini;
        EXPECT_EQ(ini.Problem(), c.problem);
        EXPECT_EQ(ini.ReadInteger("Main", "Top", 7), 7);
        ini.SetInteger("Main", "Top", 2);
        EXPECT_EQ(ini.Commit().kind, WriteOutcome::Kind::KeptUnusable);
        const QFileInfo after(SettingsPath());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.lastModified(), before.lastModified());
        EXPECT_EQ(UnusableSettingsMessage(ini),
            "The settings in " + SettingsPath() + " cannot be used: " + c.reason
                + ".  Tintwell starts with its default settings and leaves that file as it is, so settings changed "
                  "in this run are not kept.");
    }

    TestFolder folder;
    EXPECT_EQ(IniFile().Problem(), IniProblem::None) << "a missing file is no problem";
    EXPECT_TRUE(UnusableSettingsMessage(IniFile()).isEmpty());
    Put(SettingsPath(), "[Main]\nTop=\xFF\x01\n");
    EXPECT_EQ(IniFile().Problem(), IniProblem::None) << "every byte but zero is 8-bit text";
}

TEST(IniFile, ALoneCarriageReturnEndsALineEverywhere)
{
    const struct {
        const char* what;
        QByteArray file;
        QByteArray afterWrite; // after Main/Top := 9 and Main/Left := 8
    } cases[] = {
        { "last line", "[Main]\nTop=1\r", "[Main]\nTop=9\rLeft=8\n" },
        { "every line", "[Main]\rTop=1\rOther=x\r", "[Main]\rTop=9\rOther=x\rLeft=8\r" },
        { "mixed", "[Main]\r\nTop=1\rOther=x\n", "[Main]\r\nTop=9\rOther=x\nLeft=8\r\n" },
        { "before a header", "Top=5\r[Main]\r\rTop=1", "Top=5\r[Main]\r\rTop=9\rLeft=8\r" },
        { "CR before CR LF", "[Main]\r\r\nTop=1\r\r\n", "[Main]\r\r\nTop=9\rLeft=8\r\r\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        Put(SettingsPath(), c.file);
        IniFile ini;
        EXPECT_EQ(ini.ReadString("Main", "Top", "none"), "1");
        EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 1);
        ini.SetInteger("Main", "Top", 9);
        ini.SetInteger("Main", "Left", 8);
        ASSERT_TRUE(ini.Commit().ok());
        EXPECT_EQ(Contents(SettingsPath()), c.afterWrite);
        const IniFile again;
        EXPECT_EQ(again.ReadInteger("Main", "Top", 0), 9);
        EXPECT_EQ(again.ReadInteger("Main", "Left", 0), 8);
    }
}

TEST(IniText, UnchangedTextGivesBackItsBytes)
{
    for (const QByteArray& text : { QByteArray(), QByteArray("\r"), QByteArray("\n\r\r\n\n\r"), QByteArray("[a]\rb=c"),
             QByteArray("  [x] \r\n k = v \n;c\r\r\n=\n") })
        EXPECT_EQ(IniText(text).Bytes(), text);
}

} // namespace
