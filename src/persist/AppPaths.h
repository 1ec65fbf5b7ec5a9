#pragma once

#include <QString>

// The folder that holds the program's settings and session files: the executable's own folder, so a
// copied program folder carries its settings with it.
QString AppFolder();

// A file of that name in AppFolder().
QString AppFile(const QString& name);

// Points AppFolder() at another folder; an empty folder restores the executable's folder.
void SetAppFolderForTesting(const QString& folder);
