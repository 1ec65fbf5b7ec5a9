#pragma once

#include <QByteArray>
#include <QString>

// How a whole-file write ended. The kinds are what a user can act on; systemError keeps the errno for
// anything else.
struct WriteOutcome {
    enum class Kind { Ok, AccessDenied, DiskFull, InvalidName, IoError };
    Kind kind = Kind::Ok;
    int systemError = 0;
    bool ok() const { return kind == Kind::Ok; }
};

// Replaces the file at path with data so that readers see either the old or the new content, never a
// mixture: a temporary file in the same folder is written, flushed to disk and renamed over the target.
// On any failure the target is left byte for byte as it was and no temporary file remains. A target
// that exists but is not a regular file (a folder, a device), or is read-only, is refused. A symbolic link is followed and
// the file it points at replaced, so the link survives. An existing file keeps its permissions.
WriteOutcome WriteFileAtomically(const QString& path, const QByteArray& data);

struct ReadResult {
    enum class Kind { Ok, Missing, Unreadable, TooLarge };
    Kind kind = Kind::Ok;
    int systemError = 0;
    QByteArray data;
    bool ok() const { return kind == Kind::Ok; }
};

// The whole content of a regular file of at most maxBytes. Folders, devices and pipes are Unreadable.
ReadResult ReadWholeFile(const QString& path, qint64 maxBytes);
