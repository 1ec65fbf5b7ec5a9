#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

WriteOutcome FromErrno(int error)
{
    WriteOutcome out;
    out.systemError = error;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        out.kind = WriteOutcome::Kind::AccessDenied;
        break;
    case ENOSPC:
    case EDQUOT:
        out.kind = WriteOutcome::Kind::DiskFull;
        break;
    case ENAMETOOLONG:
    case ENOENT:
    case ENOTDIR:
    case EINVAL:
    case EISDIR:
        out.kind = WriteOutcome::Kind::InvalidName;
        break;
    default:
        out.kind = WriteOutcome::Kind::IoError;
        break;
    }
    return out;
}

QByteArray FolderPrefix(const QByteArray& path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

// The file a write really replaces: symbolic links are followed, a dangling one too, so that the link is kept
// and the file is written where it points, as editors do. Nothing when the links go round in a loop (errno set).
std::optional<QByteArray> ResolveTarget(QByteArray path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), link.data(), static_cast<size_t>(link.size()));
        if (n <= 0 || n >= link.size()) {
            errno = n < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        link.truncate(n);
        path = link.startsWith('/') ? link : FolderPrefix(path) + link;
    }
    errno = ELOOP;
    return std::nullopt;
}

// Temporary files are named after their target, with a mark and a random part of fixed form, so that a later
// save can tell its own abandoned ones from anything else in the folder.
constexpr char kTemporaryMark[] = ".tintwell-";
constexpr qsizetype kTemporaryRandomDigits = 16;
constexpr char kTemporaryEnd[] = ".tmp";

QByteArray TemporaryPrefixFor(const QByteArray& target)
{
    // Kept well below the 255-byte name limit so that a long but valid target name still works.
    return '.' + target.mid(target.lastIndexOf('/') + 1).left(200) + kTemporaryMark;
}

QByteArray TemporaryNameFor(const QByteArray& target)
{
    const QByteArray random = QByteArray::number(QRandomGenerator::global()->generate64(), 16)
                                  .rightJustified(kTemporaryRandomDigits, '0');
    return FolderPrefix(target) + TemporaryPrefixFor(target) + random + kTemporaryEnd;
}

bool IsTemporaryNameOf(const QByteArray& name, const QByteArray& prefix)
{
    if (!name.startsWith(prefix) || !name.endsWith(kTemporaryEnd))
        return false;
    const QByteArray random = name.mid(prefix.size(), name.size() - prefix.size() - qsizetype(sizeof kTemporaryEnd - 1));
    if (random.size() != kTemporaryRandomDigits)
        return false;
    return std::all_of(random.begin(), random.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A writer holds a lock on its temporary file from just after creating it until it has been renamed, and the
// system lets go of the lock when the writer ends in any way. So a temporary file of this target whose lock can
// be taken was left by a save that was killed or crashed, and is removed. Only plain files of this user's with
// no other name are candidates; anything that cannot be checked is left alone.
void RemoveAbandonedTemporaryFiles(const QByteArray& target)
{
    const QByteArray folder = FolderPrefix(target);
    const QByteArray prefix = TemporaryPrefixFor(target);
    DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (dir == nullptr)
        return;
    std::vector<QByteArray> abandoned;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (IsTemporaryNameOf(name, prefix))
            abandoned.push_back(folder + name);
    }
    ::closedir(dir);

    for (const QByteArray& path : abandoned) {
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid()
            && opened.st_nlink == 1 && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.constData(), &named) == 0 && SameFile(opened, named))
            ::unlink(path.constData());
        ::close(fd);
    }
}

// Creates and locks a temporary file beside the target. A cleaner of another save may take a new file's lock in
// the moment before its writer does and remove it; the writer then finds its name gone and takes another.
int CreateTemporaryFile(const QByteArray& target, QByteArray& temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryNameFor(target);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        struct stat opened {};
        struct stat named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && ::lstat(temporary.constData(), &named) == 0
            && SameFile(opened, named))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Extended attributes carry access control lists, security labels and the like. Each is copied where the
// system allows it; one that it refuses (a label only an administrator may set) is left out.
void CopyExtendedAttributes(const QByteArray& from, int toFd)
{
    const ssize_t listSize = ::llistxattr(from.constData(), nullptr, 0);
    if (listSize <= 0)
        return;
    QByteArray names(listSize, Qt::Uninitialized);
    const ssize_t listed = ::llistxattr(from.constData(), names.data(), static_cast<size_t>(names.size()));
    if (listed <= 0)
        return;
    names.truncate(listed);
    for (const QByteArray& name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t valueSize = ::lgetxattr(from.constData(), name.constData(), nullptr, 0);
        if (valueSize < 0)
            continue;
        QByteArray value(valueSize, Qt::Uninitialized);
        const ssize_t got = ::lgetxattr(from.constData(), name.constData(), value.data(), static_cast<size_t>(value.size()));
        if (got >= 0)
            (void)::fsetxattr(toFd, name.constData(), value.constData(), static_cast<size_t>(got), 0);
    }
}

bool WriteAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be opened or synced still holds the new file.
void SyncFolderOf(const QByteArray& target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

WriteOutcome WriteFileAtomically(const QString& path, const QByteArray& data)
{
    if (path.isEmpty())
        return FromErrno(ENOENT);
    const std::optional<QByteArray> resolved = ResolveTarget(QFile::encodeName(path));
    if (!resolved)
        return FromErrno(errno);
    const QByteArray& target = *resolved;

    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return FromErrno(errno);
    if (exists && !S_ISREG(existing.st_mode))
        return FromErrno(EACCES);
    // A file its owner made read-only stays unchanged, although the folder would allow replacing it.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return FromErrno(errno);

    RemoveAbandonedTemporaryFiles(target);
    QByteArray temporary;
    int fd = CreateTemporaryFile(target, temporary);
    if (fd < 0) {
        // The file itself may be writable; the folder that must take the new file beside it is not.
        if (errno == EACCES || errno == EPERM)
            return { WriteOutcome::Kind::FolderNotWritable, errno };
        return FromErrno(errno);
    }

    auto fail = [&](int error) {
        ::unlink(temporary.constData());
        ::close(fd);
        return FromErrno(error);
    };

    if (exists) {
        // The owner first: giving a file away clears its set-group-ID bit, which the mode then restores. Only
        // root can give a file to another user; for anyone else the owner is already right or cannot change.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
            (void)::fchown(fd, existing.st_uid, existing.st_gid);
        CopyExtendedAttributes(target, fd);
        if (::fchmod(fd, existing.st_mode & 07777) != 0)
            return fail(errno);
    }
    if (!WriteAll(fd, data))
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    // Renamed while still open: the lock that marks the file as being written holds until it has its real name.
    if (::rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    ::close(fd);
    SyncFolderOf(target);
    return {};
}

QString WithFolderReason(const QString& message, bool folderNotWritable, const QString& path)
{
    if (!folderNotWritable)
        return message;
    return message + QStringLiteral(".  ")
        + QCoreApplication::translate("FileMessages", "The folder %1 is not writable.")
              .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

ReadResult ReadWholeFile(const QString& path, qint64 maxBytes)
{
    ReadResult out;
    auto failure = [&](ReadResult::Kind kind, int error) {
        out.kind = kind;
        out.systemError = error;
        out.data.clear();
        return out;
    };
    if (path.isEmpty())
        return failure(ReadResult::Kind::Missing, ENOENT);

    // Non-blocking so that a pipe in the file's place cannot hang the program at open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const bool missing = error == ENOENT || error == ENOTDIR;
        return failure(missing ? ReadResult::Kind::Missing : ReadResult::Kind::Unreadable, error);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return failure(ReadResult::Kind::Unreadable, error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return failure(ReadResult::Kind::Unreadable, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        return failure(ReadResult::Kind::TooLarge, EFBIG);
    }

    // The size is only a hint (the file may grow meanwhile), so the limit is enforced while reading.
    out.data.resize(static_cast<qsizetype>(st.st_size));
    qint64 filled = 0;
    for (;;) {
        if (filled == out.data.size()) {
            if (filled > maxBytes)
                break;
            out.data.resize(static_cast<qsizetype>(std::min<qint64>(maxBytes + 1, filled + 4096)));
        }
        const ssize_t n = ::read(fd, out.data.data() + filled, static_cast<size_t>(out.data.size() - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return failure(ReadResult::Kind::Unreadable, error);
        }
        if (n == 0)
            break;
        filled += n;
    }
    ::close(fd);
    if (filled > maxBytes)
        return failure(ReadResult::Kind::TooLarge, EFBIG);
    out.data.truncate(static_cast<qsizetype>(filled));
    return out;
}

QString WriteFailureText(const WriteOutcome& outcome)
{
    switch (outcome.kind) {
    case WriteOutcome::Kind::Ok:
        break;
    case WriteOutcome::Kind::AccessDenied:
    case WriteOutcome::Kind::KeptUnusable:
        return QCoreApplication::translate("FileMessages", "File access denied");
    case WriteOutcome::Kind::FolderNotWritable:
        return QCoreApplication::translate("FileMessages", "File access denied: the folder is not writable");
    case WriteOutcome::Kind::DiskFull:
        return QCoreApplication::translate("FileMessages", "Disk full");
    case WriteOutcome::Kind::InvalidName:
        return QCoreApplication::translate("FileMessages", "Invalid filename");
    case WriteOutcome::Kind::IoError:
        return QCoreApplication::translate("FileMessages", "I/O error %1").arg(outcome.systemError);
    }
    return {};
}

QString ReadFailureReason(const ReadResult& result)
{
    switch (result.kind) {
    case ReadResult::Kind::Ok:
        return {};
    case ReadResult::Kind::Missing:
        return QCoreApplication::translate("FileMessages", "it does not exist");
    case ReadResult::Kind::TooLarge:
        return QCoreApplication::translate("FileMessages", "it is too large");
    case ReadResult::Kind::Unreadable:
        break;
    }
    switch (result.systemError) {
    case EISDIR:
        return QCoreApplication::translate("FileMessages", "it is a folder");
    case EINVAL: // what ReadWholeFile reports for anything else that is no regular file
        return QCoreApplication::translate("FileMessages", "it is no plain file but a pipe (FIFO), a device or a socket");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("FileMessages", "you are not allowed to read it");
    default:
        return QCoreApplication::translate("FileMessages", "it cannot be read (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(result.systemError)));
    }
}
