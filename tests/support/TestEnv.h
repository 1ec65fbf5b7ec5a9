#pragma once

#include <QString>
#include <QTemporaryDir>

class QStyle;

// A fresh folder that holds the settings and the session while it lives, so tests never touch real ones.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void Write(const QString& name, const QByteArray& content) const;
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_previousAppFolder;
};

// A tiny memory file system of its own, to make a disk fill up or turn read-only under a test. Mounting
// needs root; when it fails mounted() is false and the test should skip with skipReason().
class TinyFilesystem {
public:
    explicit TinyFilesystem(int kilobytes);
    ~TinyFilesystem();
    TinyFilesystem(const TinyFilesystem&) = delete;
    TinyFilesystem& operator=(const TinyFilesystem&) = delete;
    bool mounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};

// A file's whole content (a failure to open it fails the test), and a file written whole.
QByteArray Contents(const QString& path);
void Put(const QString& path, const QByteArray& data);

// Makes a folder refuse new files while it lives: its write permission taken away, or, for root, whom
// permissions do not stop, the file system's unchangeable mark set. made() is false when neither works here.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
    bool made() const { return m_made; }

private:
    int m_fd = -1;
    int m_flags = 0;
    bool m_made = false;
};

// Windows made while it lives take the style given (by its key, or the style itself, which the application takes
// over); the style the tests run with comes back afterwards.
class StyleScope {
public:
    explicit StyleScope(const QString& key);
    explicit StyleScope(QStyle* style);
    ~StyleScope();
    StyleScope(const StyleScope&) = delete;
    StyleScope& operator=(const StyleScope&) = delete;

private:
    QString m_previous;
};
