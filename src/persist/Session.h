#pragma once

// The scheme carried from one run to the next: written by the main window when it closes, read back by the
// Favorites and QuickPreview windows while they are being created, each taking its own part.

#include "document/SchemeLayout.h"

#include <QString>

#include <functional>
#include <optional>


// The last session's scheme, or nothing: when there is no session file yet, and, after the message, when the
// file cannot be read or is damaged. Such a file is first moved aside (KeepDamagedSession), so the exit cannot
// write over it, and the message, given to tell, says where it went.
using TellUser = std::function<void(const QString& message)>;
std::optional<SchemeData> LoadSessionScheme(const TellUser& tell);

// Start-up reads the session once: while one of these lives, every LoadSessionScheme shares the first one's
// reading, so a session that cannot be used is reported once however many windows take a part of it.
class SessionStartReading final {
public:
    SessionStartReading();
    ~SessionStartReading();
    SessionStartReading(const SessionStartReading&) = delete;
    SessionStartReading& operator=(const SessionStartReading&) = delete;

private:
    friend std::optional<SchemeData> LoadSessionScheme(const TellUser& tell);
    std::optional<std::optional<SchemeData>> m_reading; // empty until the first window has read
};
