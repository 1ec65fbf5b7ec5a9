#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <climits>

// Counts the whole-file writes of one file from now on: every such write renames a new file over it, which the
// kernel reports as a file moved into the folder. The count is exact for what has returned already, since the
// kernel queues the report before the rename returns.
class FileReplacements {
public:
    explicit FileReplacements(const QString& path)
        : m_name(QFile::encodeName(QFileInfo(path).fileName()))
        , m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        EXPECT_GE(m_fd, 0) << "no inotify";
        const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        EXPECT_GE(::inotify_add_watch(m_fd, folder.constData(), IN_MOVED_TO), 0) << folder.constData();
    }
    ~FileReplacements()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileReplacements(const FileReplacements&) = delete;
    FileReplacements& operator=(const FileReplacements&) = delete;

    // Writes since the counter was made.
    int Count()
    {
        alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got <= 0)
                return m_count;
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && m_name == event->name)
                    ++m_count;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    QByteArray m_name;
    int m_fd;
    int m_count = 0;
};
