#include "TestEnv.h"

#include "persist/AppPaths.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

TestFolder::TestFolder()
    : m_previousAppFolder(AppFolderForTesting())
{
    SetAppFolderForTesting(m_dir.path());
}

TestFolder::~TestFolder()
{
    SetAppFolderForTesting(m_previousAppFolder);
}

TinyFilesystem::TinyFilesystem(int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    const QByteArray target = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0)
        m_mounted = true;
    else
        m_skipReason = QStringLiteral("cannot mount a tmpfs here (needs root): %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
}

TinyFilesystem::~TinyFilesystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool TinyFilesystem::makeReadOnly()
{
    return m_mounted
        && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

void TestFolder::Write(const QString& name, const QByteArray& content) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray TestFolder::Read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void Put(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

StyleScope::StyleScope(const QString& key)
    : m_previous(QApplication::style()->name())
{
    QApplication::setStyle(key);
}

StyleScope::StyleScope(QStyle* style)
    : m_previous(QApplication::style()->name())
{
    QApplication::setStyle(style);
}

StyleScope::~StyleScope() { QApplication::setStyle(m_previous); }

UnwritableFolder::UnwritableFolder(const QString& folder)
    : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (m_fd < 0)
        return;
    if (::geteuid() != 0) {
        m_made = ::fchmod(m_fd, 0555) == 0;
        return;
    }
    if (::ioctl(m_fd, FS_IOC_GETFLAGS, &m_flags) != 0)
        return;
    const int frozen = m_flags | FS_IMMUTABLE_FL;
    m_made = ::ioctl(m_fd, FS_IOC_SETFLAGS, &frozen) == 0;
}

UnwritableFolder::~UnwritableFolder()
{
    if (m_made) {
        if (::geteuid() != 0)
            ::fchmod(m_fd, 0755);
        else
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &m_flags);
    }
    if (m_fd >= 0)
        ::close(m_fd);
}
