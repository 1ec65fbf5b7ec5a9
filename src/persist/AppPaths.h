#pragma once

#include <QString>

// The settings file's name, wherever it lives.
inline constexpr char kSettingsFileName[] = "tw3.ini";

// Where the settings file and the session live.
struct AppFolders {
    QString settings;
    QString session;
};

// A settings file (of any kind) already standing in the program's folder makes a portable copy: both files stay
// beside the executable, as the folder carries them. Otherwise each lives in the user's own folder for its kind,
// configHome/tintwell and dataHome/tintwell, since an installed program's folder is not the user's to write.
AppFolders ChooseAppFolders(const QString& programFolder, const QString& configHome, const QString& dataHome);

// The folders of the running program, by that rule, with the desktop's per-user folders.
AppFolders CurrentAppFolders();

// Makes the folder a file of ours is about to be written into, with the user's default permissions. False when it
// is missing and cannot be made; the write that follows then fails and says where.
bool MakeFolderFor(const QString& file);

// A file the program brings with it, such as its help, for the program in programFolder: beside it in a build or
// portable folder, otherwise where the installation keeps it, found from the program's own place so that any
// prefix works.
QString ProgramDataPath(const QString& programFolder, const QString& relativePath);

// Puts both files into folder for tests, whatever the rule says; an empty folder lifts that again.
void SetAppFolderForTesting(const QString& folder);
QString AppFolderForTesting();
