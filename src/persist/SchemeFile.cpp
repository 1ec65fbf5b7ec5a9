#include "SchemeFile.h"

#include "persist/AppPaths.h"
#include "persist/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cassert>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

namespace {

// Refusing anything larger than a scheme can be up front keeps a stray huge file from being read into memory.
constexpr qint64 kMaxSchemeFileBytes = static_cast<qint64>(kMaxSchemeBytes);

std::string_view View(const QByteArray& bytes)
{
    return { bytes.constData(), static_cast<std::size_t>(bytes.size()) };
}

// The session tells a missing file apart from one it cannot open; scheme Open does not.
enum class LoadStatus { Ok, Missing, Unreadable, NotValid };

struct Loaded {
    LoadStatus status = LoadStatus::NotValid;
    SchemeData scheme;
};

Loaded Load(const QString& path, VersionCheck check)
{
    const ReadResult file = ReadWholeFile(path, kMaxSchemeFileBytes);
    switch (file.kind) {
    case ReadResult::Kind::Ok:
        break;
    case ReadResult::Kind::Missing:
        return { LoadStatus::Missing, {} };
    case ReadResult::Kind::Unreadable:
        return { LoadStatus::Unreadable, {} };
    case ReadResult::Kind::TooLarge:
        return { LoadStatus::NotValid, {} };
    }
    DecodedScheme decoded = DecodeScheme(View(file.data), check);
    if (decoded.status != DecodeStatus::Ok)
        return { LoadStatus::NotValid, {} };
    return { LoadStatus::Ok, std::move(decoded.scheme) };
}

} // namespace

SchemeRead ReadSchemeFile(const QString& path, VersionCheck check)
{
    Loaded loaded = Load(path, check);
    switch (loaded.status) {
    case LoadStatus::Ok:
        return { SchemeReadStatus::Ok, std::move(loaded.scheme) };
    case LoadStatus::Missing:
    case LoadStatus::Unreadable:
        return { SchemeReadStatus::CannotOpen, {} };
    case LoadStatus::NotValid:
        break;
    }
    return { SchemeReadStatus::NotValid, {} };
}

SchemeWriteStatus WriteSchemeFile(const QString& path, const SchemeData& scheme)
{
    const EncodedScheme encoded = EncodeScheme(scheme);
    switch (encoded.status) {
    case EncodeStatus::Ok:
        break;
    case EncodeStatus::TooManyFavorites:
        return SchemeWriteStatus::TooManyFavorites;
    case EncodeStatus::TooLarge:
        return SchemeWriteStatus::TooLarge;
    }
    const WriteOutcome outcome = WriteFileAtomically(path, QByteArray::fromStdString(encoded.bytes));
    if (outcome.kind == WriteOutcome::Kind::FolderNotWritable)
        return SchemeWriteStatus::FolderNotWritable;
    return outcome.ok() ? SchemeWriteStatus::Ok : SchemeWriteStatus::WriteFailed;
}

QString SchemeMessage(const char* sentence)
{
    return QCoreApplication::translate("SchemeMessages", sentence);
}

QString WriteFailedMessage(const char* sentence, SchemeWriteStatus status, const QString& path)
{
    switch (status) {
    case SchemeWriteStatus::TooManyFavorites:
        return SchemeMessage(sentence) + QStringLiteral(".  ") + SchemeMessage(SchemeMessages::kTooManyFavorites);
    case SchemeWriteStatus::TooLarge:
        return SchemeMessage(sentence) + QStringLiteral(".  ") + SchemeMessage(SchemeMessages::kTooLarge);
    default:
        return WithFolderReason(SchemeMessage(sentence), status == SchemeWriteStatus::FolderNotWritable, path);
    }
}

Version2ImportStatus ImportVersion2Scheme(const QString& path)
{
    const ReadResult file = ReadWholeFile(path, kMaxSchemeFileBytes);
    switch (file.kind) {
    case ReadResult::Kind::Ok:
        break;
    case ReadResult::Kind::Missing:
    case ReadResult::Kind::Unreadable:
        return Version2ImportStatus::CannotOpen;
    case ReadResult::Kind::TooLarge:
        // Not an old file either; the scheme reader gives the verdict.
        return Version2ImportStatus::NotVersion2;
    }
    const Version2Scheme parsed = ParseVersion2Scheme(View(file.data));
    switch (parsed.status) {
    case Version2Status::Ok:
        break;
    case Version2Status::NotVersion2:
        return Version2ImportStatus::NotVersion2;
    case Version2Status::Malformed:
        return Version2ImportStatus::Invalid;
    }
    const SchemeWriteStatus written = WriteSchemeFile(path, parsed.scheme);
    assert(written != SchemeWriteStatus::TooManyFavorites); // an old file holds at most five
    return written == SchemeWriteStatus::Ok ? Version2ImportStatus::Converted : Version2ImportStatus::WriteFailed;
}

QString Version2ImportMessage(Version2ImportStatus status)
{
    switch (status) {
    case Version2ImportStatus::NotVersion2:
        return {};
    case Version2ImportStatus::Converted:
        return SchemeMessage(SchemeMessages::kImportSucceeded);
    case Version2ImportStatus::Invalid:
        return SchemeMessage(SchemeMessages::kNotVersion2);
    case Version2ImportStatus::CannotOpen:
        return SchemeMessage(SchemeMessages::kOpenFailed);
    case Version2ImportStatus::WriteFailed:
        return SchemeMessage(SchemeMessages::kImportFailed);
    }
    return {};
}

QString SessionPath()
{
    return QDir(CurrentAppFolders().session).filePath(QStringLiteral("session.tmp"));
}

SessionRead ReadSession()
{
    Loaded loaded = Load(SessionPath(), VersionCheck::Ignored);
    switch (loaded.status) {
    case LoadStatus::Ok:
        return { SessionReadStatus::Ok, std::move(loaded.scheme) };
    case LoadStatus::Missing:
        return { SessionReadStatus::Missing, {} };
    case LoadStatus::Unreadable:
        return { SessionReadStatus::CannotOpen, {} };
    case LoadStatus::NotValid:
        break;
    }
    return { SessionReadStatus::NotValid, {} };
}

std::optional<QString> KeepDamagedSession()
{
    const QByteArray session = QFile::encodeName(SessionPath());
    struct stat st {};
    if (::lstat(session.constData(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
        return std::nullopt;
    for (int n = 1; n <= 99; ++n) {
        const QString name = n == 1 ? QStringLiteral("session-damaged.tmp") : QStringLiteral("session-damaged-%1.tmp").arg(n);
        const QString kept = QFileInfo(SessionPath()).dir().filePath(name);
        const QByteArray to = QFile::encodeName(kept);
        // Never over an earlier damaged session: each may hold what the user still wants.
        if (::renameat2(AT_FDCWD, session.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return kept;
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS)
            return std::nullopt;
        // A file system that cannot refuse to replace: look first.
        if (QFileInfo::exists(kept))
            continue;
        return ::rename(session.constData(), to.constData()) == 0 ? std::optional<QString>(kept) : std::nullopt;
    }
    return std::nullopt;
}

SchemeWriteStatus WriteSession(const SchemeData& scheme)
{
    const QString path = SessionPath();
    MakeFolderFor(path);
    return WriteSchemeFile(path, scheme);
}
