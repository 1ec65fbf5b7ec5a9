#pragma once

// The scheme carried from one run to the next: written by the main window when it closes, read back by the
// Favorites and QuickPreview windows while they are being created, each taking its own part.

#include "persist/SchemeLayout.h"

#include <optional>

class IniFile;
class QWidget;

// Prefs/RememberScheme: whether the session is written at exit and read at start-up.
bool ReadRememberScheme(const IniFile& ini);

// The last session's scheme, or nothing: when there is no session file yet, and, after the message, when the
// file cannot be read or is damaged. Each reading window calls it, so a bad file is reported once per window.
std::optional<SchemeData> LoadSessionScheme(QWidget* parent);
