#include "persist/AppPaths.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

TEST(AppPaths, FilesLiveInTheExecutablesFolderUnlessATestMovesThem)
{
    {
        TestFolder folder;
        EXPECT_EQ(AppFolder(), folder.path());
        EXPECT_EQ(AppFile("tw3.ini"), folder.file("tw3.ini"));
    }
    EXPECT_EQ(AppFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(AppFile("session.tmp"), QDir(QCoreApplication::applicationDirPath()).filePath("session.tmp"));
}
