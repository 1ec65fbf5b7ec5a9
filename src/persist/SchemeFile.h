#pragma once

// Scheme files, the session file and the conversion of second-version files, on disk. Every write
// replaces its file atomically, and every read checks the whole file before handing anything back,
// so a failure of any kind leaves both the file and the program's state as they were.

#include "document/SchemeLayout.h"

#include <QString>

#include <optional>

// The sentences the document commands show, each in a plain message box.
namespace SchemeMessages {
inline constexpr const char* kOpenFailed = QT_TRANSLATE_NOOP("SchemeMessages",
    "An error has occured while opening the scheme file");
inline constexpr const char* kNotValid = QT_TRANSLATE_NOOP("SchemeMessages", "Not a valid Color Scheme File!");
inline constexpr const char* kSaveFailed = QT_TRANSLATE_NOOP("SchemeMessages",
    "An error has occured while saving the scheme file");
inline constexpr const char* kTooManyFavorites = QT_TRANSLATE_NOOP("SchemeMessages",
    "A scheme file holds at most 65535 favorite colors.  Delete some of them before saving.");
inline constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("SchemeMessages",
    "A scheme file holds at most 64 MB, and the favorites' texts take more.  Delete some favorites before saving.");
inline constexpr const char* kNotVersion2 = QT_TRANSLATE_NOOP("SchemeMessages",
    "ERROR: Not a valid .tw version 2 file!");
inline constexpr const char* kImportFailed = QT_TRANSLATE_NOOP("SchemeMessages",
    "An error has occured while importing the scheme");
inline constexpr const char* kImportSucceeded = QT_TRANSLATE_NOOP("SchemeMessages",
    "Successfully converted old file type to new v3 format!");
inline constexpr const char* kSessionSaveFailed = QT_TRANSLATE_NOOP("SchemeMessages",
    "An error has occured while saving the session");
inline constexpr const char* kSessionOpenFailed = QT_TRANSLATE_NOOP("SchemeMessages",
    "An error has occured while opening the session");
} // namespace SchemeMessages
// One of the sentences above in the user's language.
QString SchemeMessage(const char* sentence);

enum class SchemeReadStatus {
    Ok,
    CannotOpen, // missing or unreadable
    NotValid,   // wrong version (when checked), damaged, or far larger than any scheme
};

struct SchemeRead {
    SchemeReadStatus status = SchemeReadStatus::NotValid;
    SchemeData scheme; // meaningful only when status is Ok
};

SchemeRead ReadSchemeFile(const QString& path, VersionCheck check);

enum class SchemeWriteStatus {
    Ok,
    TooManyFavorites, // nothing written: the count field cannot hold them
    TooLarge,         // nothing written: the file would be larger than Open reads
    WriteFailed,      // the previous file, if any, is as it was
    FolderNotWritable, // as WriteFailed; the file itself might have been writable, its folder is not
};

SchemeWriteStatus WriteSchemeFile(const QString& path, const SchemeData& scheme);

// The message for a failed write to path: the sentence given, followed by the reason where the user can act on
// it (the scheme's size, the folder).
QString WriteFailedMessage(const char* sentence, SchemeWriteStatus status, const QString& path);

enum class Version2ImportStatus {
    NotVersion2, // the first line is not "TWver2": the file is left to the scheme reader
    Converted,   // the file now holds the same scheme in the current layout
    Invalid,     // an old file the converter cannot make sense of; left untouched
    CannotOpen,
    WriteFailed, // left untouched
};

// Rewrites a second-version file in place in the current layout.
Version2ImportStatus ImportVersion2Scheme(const QString& path);

// The message scheme Open shows for a conversion outcome; empty for NotVersion2, which shows nothing.
QString Version2ImportMessage(Version2ImportStatus status);

// "session.tmp" in its folder (AppPaths.h says which): the scheme carried from one run to the next.
QString SessionPath();

enum class SessionReadStatus {
    Ok,
    Missing,    // no session yet: nothing to restore, nothing to report
    CannotOpen,
    NotValid,   // damaged; its version, though, has never been checked
};

struct SessionRead {
    SessionReadStatus status = SessionReadStatus::NotValid;
    SchemeData scheme; // meaningful only when status is Ok
};

SessionRead ReadSession();

// Moves a session file that could not be used out of the way of the next exit's write, under a name that says
// what it is ("session-damaged.tmp", or with a number when that is taken); the path it now has, or nothing when
// it is no plain file or could not be moved.
std::optional<QString> KeepDamagedSession();
SchemeWriteStatus WriteSession(const SchemeData& scheme);
