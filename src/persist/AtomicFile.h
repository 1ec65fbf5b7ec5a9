#pragma once

#include <QByteArray>
#include <QString>

// How a whole-file write ended. The kinds are what a user can act on; systemError keeps the errno for
// anything else.
struct WriteOutcome {
    enum class Kind {
        Ok,
        AccessDenied,
        FolderNotWritable, // the file could be written, but a whole-file replacement needs a new file beside it
        DiskFull,
        InvalidName,
        IoError,
        KeptUnusable, // the file there could not be read as what it should be, so it was left as it is
    };
    Kind kind = Kind::Ok;
    int systemError = 0;
    bool ok() const { return kind == Kind::Ok; }
};

// Replaces the file at path with data so that readers see either the old or the new content, never a
// mixture: a temporary file in the same folder is written, flushed to disk and renamed over the target.
// On any failure the target is left byte for byte as it was and no temporary file remains; temporary files
// that earlier saves of the same target left when they were killed are removed first. A target that exists
// but is not a regular file (a folder, a device), or is read-only, is refused. Symbolic links are followed,
// a dangling one too, and the file they point at is written, so the link survives. An existing file keeps
// its permissions (set-group-ID included), its owner and its extended attributes (access control lists)
// where the system allows; another hard link to it keeps the old content, as a replacement must.
WriteOutcome WriteFileAtomically(const QString& path, const QByteArray& data);

// A failed write's message: message itself, followed when the folder was not writable by the sentence naming the
// folder of path ("The folder /x is not writable.").
QString WithFolderReason(const QString& message, bool folderNotWritable, const QString& path);

// What went wrong in a few words a message can show ("Disk full"); empty for success.
QString WriteFailureText(const WriteOutcome& outcome);

struct ReadResult {
    enum class Kind { Ok, Missing, Unreadable, TooLarge };
    Kind kind = Kind::Ok;
    int systemError = 0;
    QByteArray data;
    bool ok() const { return kind == Kind::Ok; }
};

// The whole content of a regular file of at most maxBytes. Folders, devices and pipes are Unreadable.
ReadResult ReadWholeFile(const QString& path, qint64 maxBytes);

// Why a read failed, as the end of a sentence ("it is a folder"); empty for success.
QString ReadFailureReason(const ReadResult& result);
