#pragma once

#include "AtomicFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The settings file "tw3.ini" in the program's folder.
QString SettingsPath();

// One opening of an INI file: the constructor reads the whole file, reads answer from what was read, and
// every write replaces the whole file at once. Sections and keys are found case-insensitively; lines this
// class does not understand (comments, unknown sections and keys, blank lines) stay exactly as they were.
// The text is 8-bit (Latin-1).
//
// Line ends: each line keeps the end it had, and new lines get the end the file already uses (LF for a new
// file), so a file written elsewhere with CR LF is not turned into a mixture.
class IniFile {
public:
    explicit IniFile(const QString& path = SettingsPath());

    // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X"; blanks around it are ignored.
    // Anything else, or a number outside 32 bits, gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer as above, nonzero meaning true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    // The raw text after the first "=".
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    WriteOutcome WriteInteger(const QString& section, const QString& key, int value);
    WriteOutcome WriteBool(const QString& section, const QString& key, bool value);
    // A value is one line: line breaks in it are written as spaces.
    WriteOutcome WriteString(const QString& section, const QString& key, const QString& value);

private:
    struct Line {
        QByteArray text;
        QByteArray ending; // "\n", "\r\n", or empty for a last line without one
    };

    // Index of the line holding the key's first occurrence, or -1.
    qsizetype FindKey(const QByteArray& section, const QByteArray& key) const;
    std::optional<QByteArray> Value(const QString& section, const QString& key) const;
    WriteOutcome Write(const QString& section, const QString& key, const QByteArray& value);

    QString m_path;
    std::vector<Line> m_lines;
    QByteArray m_newline = "\n";
    // Set when the file exists but could not be read: writing then would destroy what was never seen.
    ReadResult::Kind m_readFailure = ReadResult::Kind::Ok;
    int m_readError = 0;
};
