#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& FolderOverride()
{
    static QString folder;
    return folder;
}
}

QString AppFolder()
{
    const QString& folder = FolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

QString AppFile(const QString& name)
{
    return QDir(AppFolder()).filePath(name);
}

void SetAppFolderForTesting(const QString& folder)
{
    FolderOverride() = folder;
}
