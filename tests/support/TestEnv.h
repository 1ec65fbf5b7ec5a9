#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh folder standing in for the executable's folder, so tests never touch real settings.
class TestFolder {
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
