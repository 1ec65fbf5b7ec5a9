#include "AtomicFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The file a write really replaces: a symbolic link is resolved so that the link itself is kept.
QByteArray ResolveTarget(const QByteArray& path)
{
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved) == nullptr)
        return path; // a dangling link is replaced like any missing file
    return QByteArray(resolved);
}

QByteArray TemporaryNameFor(const QByteArray& target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    // Kept well below the 255-byte name limit so that a long but valid target name still works.
    const QByteArray base = target.mid(slash + 1).left(200);
    const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    return folder + '.' + base + '.' + suffix + ".tmp";
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
    const QByteArray target = ResolveTarget(QFile::encodeName(path));

    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return FromErrno(errno);
    if (exists && !S_ISREG(existing.st_mode))
        return FromErrno(EACCES);
    // A file its owner made read-only stays unchanged, although the folder would allow replacing it.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return FromErrno(errno);

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = TemporaryNameFor(target);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return FromErrno(errno);
    }
    if (fd < 0)
        return FromErrno(EEXIST);

    auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return FromErrno(error);
    };

    if (exists) {
        if (::fchmod(fd, existing.st_mode & 07777) != 0)
            return fail(errno);
        // Only root can give a file away; for anyone else the owner is already right or cannot change.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
            (void)::fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (!WriteAll(fd, data))
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    SyncFolderOf(target);
    return {};
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
