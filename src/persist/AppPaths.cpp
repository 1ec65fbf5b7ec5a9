#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& FolderOverride()
{
    static QString folder;
    return folder;
}

const QString kOwnFolder = QStringLiteral("tintwell");

// The desktop's rule calls a relative folder in its variables invalid, to be ignored; the toolkit passes it on.
QString PerUserFolder(QStandardPaths::StandardLocation location, const QString& defaultUnderHome)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return QDir::isAbsolutePath(folder) ? folder : QDir::home().filePath(defaultUnderHome);
}
}

AppFolders ChooseAppFolders(const QString& programFolder, const QString& configHome, const QString& dataHome)
{
    const QFileInfo besideProgram(QDir(programFolder).filePath(QString::fromLatin1(kSettingsFileName)));
    // A link counts even when it leads nowhere: the portable copy's owner put it there.
    if (besideProgram.exists() || besideProgram.isSymLink())
        return { programFolder, programFolder };
    return { QDir(configHome).filePath(kOwnFolder), QDir(dataHome).filePath(kOwnFolder) };
}

AppFolders CurrentAppFolders()
{
    if (const QString& folder = FolderOverride(); !folder.isEmpty())
        return { folder, folder };
    return ChooseAppFolders(QCoreApplication::applicationDirPath(),
        PerUserFolder(QStandardPaths::GenericConfigLocation, QStringLiteral(".config")),
        PerUserFolder(QStandardPaths::GenericDataLocation, QStringLiteral(".local/share")));
}

bool MakeFolderFor(const QString& file)
{
    return QDir().mkpath(QFileInfo(file).absolutePath());
}

QString ProgramDataPath(const QString& programFolder, const QString& relativePath)
{
    const QDir program(programFolder);
    const QString beside = program.absoluteFilePath(relativePath);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(program.absoluteFilePath(QStringLiteral(TW_DATA_FROM_PROGRAM "/") + relativePath));
}

void SetAppFolderForTesting(const QString& folder)
{
    FolderOverride() = folder;
}

QString AppFolderForTesting()
{
    return FolderOverride();
}
