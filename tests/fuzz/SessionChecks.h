#pragma once

// Properties of the session's way from disk, shared by its fuzzer and the corpus replay: a session the reader
// takes is the scheme it holds and is written back the same; one it does not take is moved aside whole, and the
// next exit's session does not touch it.

#include "FuzzChecks.h"
#include "persist/SchemeFile.h"

#include <QByteArray>
#include <QFile>

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly), "a file that must be there can be read");
    return file.readAll();
}

// The session file holds bytes; true when the session reader took them.
inline bool CheckSessionBytes(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const SessionRead read = ReadSession();
    const bool decodes = DecodeScheme(view, VersionCheck::Ignored).status == DecodeStatus::Ok;
    Require((read.status == SessionReadStatus::Ok) == decodes, "the session reader takes what the layout accepts");
    if (read.status == SessionReadStatus::Ok) {
        CheckSchemeBytes(view, VersionCheck::Ignored);
        Require(WriteSession(read.scheme) == SchemeWriteStatus::Ok, "a session read can be written");
        const SessionRead again = ReadSession();
        Require(again.status == SessionReadStatus::Ok && again.scheme == read.scheme, "a written session reads back");
        Require(FileBytes(SessionPath()).size() == bytes.size(), "a written session is as long as the one read");
        QFile::remove(SessionPath());
        return true;
    }
    Require(read.status == SessionReadStatus::NotValid, "a plain file is never unopenable");
    const std::optional<QString> kept = KeepDamagedSession();
    Require(kept.has_value() && !QFile::exists(SessionPath()), "a damaged session is moved aside");
    Require(FileBytes(*kept) == bytes, "the damaged session is kept whole");
    Require(WriteSession(SchemeData {}) == SchemeWriteStatus::Ok && FileBytes(*kept) == bytes,
        "the next session leaves the kept one alone");
    QFile::remove(*kept);
    QFile::remove(SessionPath());
    return false;
}
